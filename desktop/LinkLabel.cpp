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

#include <algorithm>

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
        QString text = QAccessibleWidget::text(type);
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

// Layouts ask for the same sizes again and again; what was measured holds until the text, the font or the style
// changes.
void LinkLabel::forgetMeasuresOfAnotherText() const
{
    if (text() != m_measuredText) {
        m_heightForWidth.clear();
        m_sizeHint.reset();
        m_minimumSizeHint.reset();
        m_measuredText = text();
    }
}

int LinkLabel::heightForWidth(int width) const
{
    forgetMeasuresOfAnotherText();
    const auto known = m_heightForWidth.constFind(width);
    if (known != m_heightForWidth.constEnd()) {
        return *known;
    }
    const int height = measuredHeight(width);
    m_heightForWidth.insert(width, height);
    return height;
}

// QLabel measures and draws a label that takes the focus through a full text document, which costs a layout of the
// whole text for every width asked; the font metrics give the same wrapped lines for plain text at a fraction.
int LinkLabel::textFlags() const
{
    return static_cast<int>(alignment() & Qt::AlignHorizontal_Mask) | (wordWrap() ? Qt::TextWordWrap : 0);
}

int LinkLabel::horizontalExtra() const
{
    const QMargins margins = contentsMargins();
    return margins.left() + margins.right() + 2 * margin();
}

int LinkLabel::measuredHeight(int width) const
{
    const QMargins margins = contentsMargins();
    const int textWidth = std::max(1, width - horizontalExtra());
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, textWidth, QWIDGETSIZE_MAX), textFlags(), text());
    return bounds.height() + margins.top() + margins.bottom() + 2 * margin();
}

// The shape a plain QLabel takes: a wrapped text at most 80 average characters wide, narrowed to a half and then a
// quarter while it stays under four lines.
QSize LinkLabel::sizeHint() const
{
    forgetMeasuresOfAnotherText();
    if (!m_sizeHint) {
        m_sizeHint = measuredSizeHint();
    }
    return *m_sizeHint;
}

QSize LinkLabel::measuredSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const auto bounds
        = [&](int width) { return metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), textFlags(), text()); };
    QRect shape = bounds(QWIDGETSIZE_MAX);
    if (wordWrap()) {
        const int widest = std::min(metrics.averageCharWidth() * 80, maximumWidth());
        shape = bounds(widest);
        for (const int narrower : {widest / 2, widest / 4}) {
            if (shape.height() < 4 * metrics.lineSpacing() && shape.width() > narrower) {
                shape = bounds(narrower);
            }
        }
    }
    const int width = shape.width() + horizontalExtra();
    return {width, measuredHeight(width)};
}

// A wrapped text can narrow down to its longest word, and asks for at least one line.
QSize LinkLabel::minimumSizeHint() const
{
    forgetMeasuresOfAnotherText();
    if (!m_minimumSizeHint) {
        m_minimumSizeHint = wordWrap() ? measuredMinimumSizeHint() : sizeHint();
    }
    return *m_minimumSizeHint;
}

QSize LinkLabel::measuredMinimumSizeHint() const
{
    int longestWord = 0;
    for (const QString& word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        longestWord = std::max(longestWord, fontMetrics().horizontalAdvance(word));
    }
    return {longestWord + horizontalExtra(), std::min(measuredHeight(QWIDGETSIZE_MAX), sizeHint().height())};
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_heightForWidth.clear();
        m_sizeHint.reset();
        m_minimumSizeHint.reset();
    }
    QLabel::changeEvent(event);
}

void LinkLabel::press()
{
    emit clicked();
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    style()->drawItemText(&painter, area, textFlags() | static_cast<int>(alignment() & Qt::AlignVertical_Mask),
                          palette(), isEnabled(), text(), foregroundRole());
    if (!hasFocus()) {
        return;
    }
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
