#include "tests/support/TextViewPoints.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {

QRect cursorRectAt(const QTextEdit* view, int position)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(position);
    return view->cursorRect(cursor);
}

} // namespace

QPoint pointOnCharacter(const QTextEdit* view, int index)
{
    const QRect before = cursorRectAt(view, index);
    const QRect after = cursorRectAt(view, index + 1);
    return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
}

QPoint pointRightOfLine(const QTextEdit* view, int index)
{
    return QPoint(view->viewport()->width() - 10, cursorRectAt(view, index).center().y());
}
