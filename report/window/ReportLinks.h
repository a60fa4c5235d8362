#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class QPoint;
class QTextEdit;

// Makes web addresses in a text view live: every address that starts with "http://", "https://" or "www." is shown
// as a link (underlined, in the link colour) as soon as it is typed or inserted, and pressing the left mouse button
// on one hands it to the browser once. Nothing else is ever handed on: other schemes are not recognised as links,
// and an address longer than maximumLinkLength characters is ignored rather than cut, so the browser never gets an
// address other than the one shown.
class ReportLinks : public QObject
{
    Q_OBJECT

public:
    static constexpr int maximumLinkLength = 1024;

    struct Link
    {
        qsizetype start = 0; // in the text searched
        qsizetype length = 0;
        QUrl url; // what the browser gets: a "www." address gets "http://" in front
    };

    // Installs itself on the view: marks links in the view's document and watches presses on its viewport.
    explicit ReportLinks(QTextEdit* view);

    // The links in one line of text.
    static QList<Link> linksIn(const QString& text);

    // The link under a point of the view's viewport; empty when the point is not on a link's characters.
    QUrl linkAt(const QPoint& viewportPosition) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_view;
    // Kept apart from the view: while the view is being destroyed its viewport still sends events, and the view
    // must not be asked for anything then.
    QWidget* m_viewport;
};
