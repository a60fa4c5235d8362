#pragma once

#include <QUrl>

// Hands a web address to the user's browser. Failures (no browser) are silent by design; tests record the addresses.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;

    static UrlOpener& instance();
    static void setInstance(UrlOpener* opener); // nullptr restores the real opener
};
