#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

// The program's icon: a crescent Moon among stars on a deep blue disc. Drawn on a 256-unit square.
namespace programIcon {

inline constexpr qreal designSize = 256.0;

// The crescent in design units, also used by the decorative picture.
QPainterPath crescent();
// A five-pointed star, point up.
QPainterPath star(QPointF centre, qreal outerRadius);

// The icon at size x size pixels; the smallest sizes leave out the smallest stars.
QImage draw(int size);
// The same design as scalable vector graphics (all stars).
QString svg();

} // namespace programIcon
