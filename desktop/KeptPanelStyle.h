#pragma once

#include <QProxyStyle>

// The application's style for a window of many read-only line edits of a few sizes: each edit's panel (its ground
// and frame) is drawn once per size, state, palette and pixel ratio into a pixmap, and later paints copy it. A style
// that draws frames antialiased spends far more on each frame than a copy costs, and such a window draws the same
// few frames over and over. A panel with the focus or under the mouse, or painted turned or scaled, is drawn as usual.
class KeptPanelStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit KeptPanelStyle(QObject* parent = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
