#pragma once

#include <QString>
#include <QUrl>

// Shows the user a web search for a place's coordinates in the default browser. The program never reads the
// answer: the user copies the numbers into the entry window by hand.
class WebLookup
{
public:
    // Opens the browser on a search for `searchText`. `siteAddress` names the site that asks; it is not put into
    // the query, since a search limited to that site would not find coordinates. Returns the address handed to the
    // browser (callers may ignore it: a browser that fails to start is not reported).
    QUrl search(const QString& searchText, const QString& siteAddress);

    // The search page's address for `searchText`: the text percent-encoded as the "q" query item.
    static QUrl searchAddress(const QString& searchText);
};
