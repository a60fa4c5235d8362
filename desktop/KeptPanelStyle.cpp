#include "desktop/KeptPanelStyle.h"

#include "desktop/SharedWidgets.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace {

// The states in which a panel may look different from the last time it was drawn, or go on changing.
constexpr QStyle::State changingStates = QStyle::State_HasFocus | QStyle::State_MouseOver;
// Larger panels are few and would crowd the pixmap cache.
constexpr int largestKeptSide = 2048;

bool keepable(const QStyleOption& option, const QPainter& painter)
{
    return !(option.state & changingStates) && option.rect.width() > 0 && option.rect.height() > 0
        && option.rect.width() <= largestKeptSide && option.rect.height() <= largestKeptSide
        && painter.deviceTransform().type() <= QTransform::TxTranslate;
}

} // namespace

// A new instance of the application's own style, so the panels look as every other edit's do.
KeptPanelStyle::KeptPanelStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

void KeptPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || frame == nullptr || !keepable(*option, *painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = paintedPixelRatio(*painter);
    const QString key = QStringLiteral("KeptPanelStyle %1 %2x%3 @%4 state %5 line %6 dir %7 palette %8")
                            .arg(baseStyle()->name())
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(ratio)
                            .arg(static_cast<unsigned>(option->state))
                            .arg(frame->lineWidth)
                            .arg(static_cast<int>(option->direction))
                            .arg(option->palette.cacheKey());
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}
