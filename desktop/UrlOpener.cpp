#include "desktop/UrlOpener.h"

#include <QDesktopServices>

namespace {

class DesktopUrlOpener : public UrlOpener
{
public:
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

template <>
UrlOpener& Seam<UrlOpener>::real()
{
    static DesktopUrlOpener real;
    return real;
}
