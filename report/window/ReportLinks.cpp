#include "report/window/ReportLinks.h"

#include "desktop/UrlOpener.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>

namespace {

// An address starts with a scheme the browser may have or with "www.", and runs to the next blank. It must not
// continue another word or scheme ("javascript:http://..." or "file://www..." are not links).
const QRegularExpression& addressPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"((?<![\w.@/:\\-])(?:https?://|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Punctuation that ends a sentence rather than the address: "see www.example.com."
QString withoutTrailingPunctuation(QString address)
{
    static const QString punctuation = QStringLiteral(".,;:!?'\")]}");
    while (!address.isEmpty() && punctuation.contains(address.back())) {
        address.chop(1);
    }
    return address;
}

// Only http and https with a host ever reach the browser.
QUrl browserUrl(const QString& address)
{
    const bool bareWww = address.startsWith(QStringLiteral("www."), Qt::CaseInsensitive);
    QUrl url(bareWww ? QStringLiteral("http://") + address : address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))
        || url.host().isEmpty()) {
        return {};
    }
    return url;
}

class LinkHighlighter : public QSyntaxHighlighter
{
public:
    LinkHighlighter(QObject* parent, const QColor& linkColour)
        : QSyntaxHighlighter(parent)
    {
        m_format.setFontUnderline(true);
        m_format.setForeground(linkColour);
    }

protected:
    // Runs for every block that changes, so typed and inserted addresses become links at once. The marks are
    // layout formats: they never enter the document's own formats or its undo history.
    void highlightBlock(const QString& text) override
    {
        for (const ReportLinks::Link& link : ReportLinks::linksIn(text)) {
            setFormat(static_cast<int>(link.start), static_cast<int>(link.length), m_format);
        }
    }

private:
    QTextCharFormat m_format;
};

} // namespace

ReportLinks::ReportLinks(QTextEdit* view)
    : QObject(view)
    , m_view(view)
    , m_viewport(view->viewport())
{
    auto* highlighter = new LinkHighlighter(this, view->palette().color(QPalette::Link));
    highlighter->setDocument(view->document());
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
}

QList<ReportLinks::Link> ReportLinks::linksIn(const QString& text)
{
    QList<Link> links;
    QRegularExpressionMatchIterator matches = addressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString address = withoutTrailingPunctuation(match.captured());
        if (address.size() > maximumLinkLength) {
            continue;
        }
        const QUrl url = browserUrl(address);
        if (!url.isEmpty()) {
            links.append({match.capturedStart(), address.size(), url});
        }
    }
    return links;
}

QUrl ReportLinks::linkAt(const QPoint& viewportPosition) const
{
    const QPointF contentsPosition(viewportPosition.x() + m_view->horizontalScrollBar()->value(),
                                   viewportPosition.y() + m_view->verticalScrollBar()->value());
    const int position = m_view->document()->documentLayout()->hitTest(contentsPosition, Qt::ExactHit);
    if (position < 0) {
        return {};
    }
    const QTextBlock block = m_view->document()->findBlock(position);
    const qsizetype offset = position - block.position();
    for (const Link& link : linksIn(block.text())) {
        if (offset >= link.start && offset < link.start + link.length) {
            return link.url;
        }
    }
    return {};
}

bool ReportLinks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_viewport) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            const QUrl url = linkAt(press->position().toPoint());
            if (!url.isEmpty()) {
                UrlOpener::instance().open(url);
            }
        }
    } else if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const bool overLink = !linkAt(move->position().toPoint()).isEmpty();
        const Qt::CursorShape textShape = m_view->isReadOnly() ? Qt::ArrowCursor : Qt::IBeamCursor;
        m_viewport->setCursor(overLink ? Qt::PointingHandCursor : textShape);
    }
    // The view handles every event as usual: a press on a link also places the text cursor.
    return false;
}
