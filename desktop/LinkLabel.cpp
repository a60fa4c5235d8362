#include "desktop/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// What assistive tools see: a link named by its caption, which the press action follows.
class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        const QString text = QAccessibleWidget::text(type);
        if (type == QAccessible::Name && text.isEmpty()) {
            return static_cast<const LinkLabel*>(widget())->text();
        }
        return text;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            static_cast<LinkLabel*>(widget())->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* accessibleLinkLabel(const QString& className, QObject* object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType()) {
        return new AccessibleLinkLabel(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

void installAccessibleLinkLabels()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLinkLabel);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

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
    installAccessibleLinkLabels();
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

void LinkLabel::press()
{
    emit clicked();
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    // Styles draw the mark only for focus that came from the keyboard; a label that took the focus from a click
    // shows none, as buttons do.
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        press();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}
