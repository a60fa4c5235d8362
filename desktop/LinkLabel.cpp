#include "desktop/LinkLabel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

QCursor linkCursor()
{
    const QPixmap hand(QStringLiteral(":/cursors/hand.png"));
    if (hand.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(hand, 6, 0); // hot spot on the tip of the index finger
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setCursor(linkCursor());
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setForegroundRole(QPalette::Link);
}

LinkLabel* LinkLabel::named(const char* objectName, const QString& storedCaption)
{
    auto* link = new LinkLabel;
    link->setObjectName(QString::fromLatin1(objectName));
    link->setStoredCaption(storedCaption);
    return link;
}

void LinkLabel::setStoredCaption(const QString& stored)
{
    QString shown = stored;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    setText(shown);
    setAccessibleName(shown);
}

int LinkLabel::heightForWidth(int width) const
{
    if (text() != m_measuredText) {
        m_heightForWidth.clear();
        m_measuredText = text();
    }
    const auto known = m_heightForWidth.constFind(width);
    if (known != m_heightForWidth.constEnd()) {
        return *known;
    }
    const int height = QLabel::heightForWidth(width);
    m_heightForWidth.insert(width, height);
    return height;
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_heightForWidth.clear();
    }
    QLabel::changeEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
