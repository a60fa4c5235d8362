#pragma once

#include "desktop/Seam.h"

#include <QUrl>

// Hands a web address to the user's browser. Failures (no browser) are silent: a missing browser is nothing the user
// can act on here; tests record the addresses.
class UrlOpener : public Seam<UrlOpener>
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

template <>
UrlOpener& Seam<UrlOpener>::real();
