#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// The one drawing style shared by every nakshatra symbol. Symbols are drawn in "disc units": the yellow disc has
// radius 100 around the origin, y grows downwards.
namespace style {

// Line weights in disc units (about 0.36 px each in the finished 79 x 128 picture).
inline constexpr qreal outlineWidth = 5.0; // the ink edge of every filled shape
inline constexpr qreal detailWidth = 3.0; // inner lines: ribs, facets, scales, veins

// The palette, as 0xAARRGGBB.
inline constexpr QRgb ink = 0xff4a2511;
inline constexpr QRgb red = 0xffc62828;
inline constexpr QRgb orange = 0xfff08a24;
inline constexpr QRgb white = 0xffffffff;
inline constexpr QRgb ivory = 0xfffff6e0;
inline constexpr QRgb steel = 0xffb4c3d3;
inline constexpr QRgb steelDark = 0xff6b7c8f;
inline constexpr QRgb wood = 0xff9c5b2e;
inline constexpr QRgb woodLight = 0xffc98a4b;
inline constexpr QRgb green = 0xff3e8e41;
inline constexpr QRgb greenLight = 0xff7cc47f;
inline constexpr QRgb blue = 0xff2e6db4;
inline constexpr QRgb blueLight = 0xff7fb2e8;
inline constexpr QRgb pink = 0xfff48fb1;
inline constexpr QRgb pinkDark = 0xffd8457a;
inline constexpr QRgb skin = 0xfff2c18d;
inline constexpr QRgb skinDark = 0xffd08a5c;
inline constexpr QRgb tawny = 0xffd39a3e;
inline constexpr QRgb clay = 0xffc0672f;
inline constexpr QRgb discYellow = 0xffffd42a;
inline constexpr QRgb discRim = 0xffdaa200;
inline constexpr QRgb titleRed = 0xffd01010;

// Fills a shape and draws its ink edge.
void fillOutlined(QPainter& painter, const QPainterPath& shape, QColor fill);
// Draws an inner line in ink (or in the given colour) with the detail weight.
void strokeDetail(QPainter& painter, const QPainterPath& line, QColor colour = QColor(ink));
// Draws a line as a coloured band of the given width with an ink edge as wide as a filled shape's.
void tube(QPainter& painter, const QPainterPath& line, qreal width, QColor fill);
// Draws the ink edges of several lines first and their colours afterwards, so that branches join seamlessly.
void tubes(QPainter& painter, const QList<QPair<QPainterPath, qreal>>& lines, QColor fill);
// A filled round spot without an edge.
void spot(QPainter& painter, QPointF centre, qreal radius, QColor fill);

QPainterPath circlePath(QPointF centre, qreal radius);
QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry);
QPainterPath polygonPath(std::initializer_list<QPointF> points);
QPainterPath linePath(std::initializer_list<QPointF> points);

} // namespace style
