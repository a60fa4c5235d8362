#include "entry/window/WebLookup.h"

#include "desktop/UrlOpener.h"
#include "desktop/WebAddresses.h"

QUrl WebLookup::search(const QString& searchText, const QString& siteAddress)
{
    Q_UNUSED(siteAddress)
    QUrl address = searchAddress(searchText);
    UrlOpener::instance().open(address);
    return address;
}

QUrl WebLookup::searchAddress(const QString& searchText)
{
    QUrl address(QString::fromLatin1(WebAddresses::webSearch));
    // Every character outside the unreserved set is encoded, so "+", "&" and "=" in a place name stay part of it.
    const QString query = QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText));
    address.setQuery(query, QUrl::StrictMode);
    return address;
}
