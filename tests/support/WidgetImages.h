#pragma once

#include <QColor>
#include <QImage>

class QWidget;

// A widget and its children drawn into an image of the given pixel ratio over a plain ground, as a window's backing
// store would hold them.
QImage renderedWidget(QWidget& widget, qreal devicePixelRatio, const QColor& ground);

// The largest difference of any colour or alpha channel between two images of one size: 0 for the same picture, a
// few units where antialiased edges were composed in another order.
int largestChannelDifference(const QImage& shown, const QImage& expected);
