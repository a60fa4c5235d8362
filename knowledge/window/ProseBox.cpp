#include "knowledge/window/ProseBox.h"

ProseBox::ProseBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setReadOnly(true);
    setTabChangesFocus(true);
}

void ProseBox::setProse(const QString& text)
{
    m_waiting = text;
    m_isWaiting = true;
    if (isVisible()) {
        applyProse();
    }
}

QString ProseBox::prose() const
{
    return m_isWaiting ? m_waiting : toPlainText();
}

void ProseBox::applyProse()
{
    if (!m_isWaiting) {
        return;
    }
    m_isWaiting = false;
    setPlainText(m_waiting);
    m_waiting.clear();
}

void ProseBox::showEvent(QShowEvent* event)
{
    applyProse();
    QPlainTextEdit::showEvent(event);
}
