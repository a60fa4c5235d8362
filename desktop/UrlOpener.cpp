#include "desktop/UrlOpener.h"

#include <QDesktopServices>

namespace {

class DesktopUrlOpener : public UrlOpener
{
public:
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

UrlOpener* installed = nullptr;

} // namespace

UrlOpener& UrlOpener::instance()
{
    static DesktopUrlOpener real;
    if (installed) {
        return *installed;
    }
    return real;
}

void UrlOpener::setInstance(UrlOpener* opener)
{
    installed = opener;
}
