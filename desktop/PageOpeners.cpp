#include "desktop/PageOpeners.h"

#include "desktop/UrlOpener.h"
#include "desktop/WebAddresses.h"

namespace {

void openPage(const char* address)
{
    UrlOpener::instance().open(QUrl(QString::fromLatin1(address)));
}

} // namespace

void OpenHomePage()
{
    openPage(WebAddresses::homePage);
}

void OpenHelpPage()
{
    openPage(WebAddresses::helpPage);
}

void OpenUpdatePage()
{
    openPage(WebAddresses::updatePage);
}

void OpenCoBrandPage()
{
    openPage(WebAddresses::coBrandPage);
}

void OpenFullBrandPage()
{
    openPage(WebAddresses::fullBrandPage);
}

void OpenSoftwaresPage()
{
    openPage(WebAddresses::softwaresPage);
}
