#include "report/DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The bottom of the last line that shows anything, in the layout's coordinates; blocks inside tables count with their
// place on the page. 0 for a document that shows nothing.
qreal bottomOfContent(const QTextDocument& document)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    layout->documentSize(); // lays the whole document out, so every block has its lines
    qreal bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        if (block.text().trimmed().isEmpty() || lines == nullptr || lines->lineCount() == 0) {
            continue;
        }
        const QTextLine last = lines->lineAt(lines->lineCount() - 1);
        bottom = std::max(bottom, layout->blockBoundingRect(block).top() + last.y() + last.height());
    }
    return bottom;
}

} // namespace

int pagesUpToLastLine(const QTextDocument& laidOut, qreal pageHeight)
{
    return std::max(1, static_cast<int>(std::ceil(bottomOfContent(laidOut) / pageHeight - 1e-6)));
}

void drawPagesUpToLastLine(QPainter& painter, QTextDocument& laidOut, const QRectF& page,
                           const std::function<void()>& newPage)
{
    const int pages = pagesUpToLastLine(laidOut, page.height());
    for (int index = 0; index < pages; ++index) {
        if (index > 0) {
            newPage();
        }
        painter.save();
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        laidOut.drawContents(&painter, shown);
        painter.restore();
    }
}
