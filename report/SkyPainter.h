#pragma once

#include "knowledge/ReadingMargin.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSizeF>

class QPainter;

// The sky picture of a reading: the ring of the 27 stars in equal sectors of 13° 20′ from Ashwini at 0° sidereal,
// numbered, the 12 signs around it, the birth star's sector marked with its four padas, the Moon at its sidereal
// longitude and, when the reading's caution shows, the near edge drawn and labelled with the star across it. One
// function paints it on any painter, so the result window and the reading sheet show the same picture.

// Where things lie on the picture. Angles are Qt's: degrees counterclockwise from three o'clock. 0° sidereal is at
// twelve o'clock and the zodiac runs counterclockwise from there, as it rises in the east of a sky seen facing south.
namespace SkyGeometry {

inline constexpr double starSpanDegrees = 360.0 / 27.0; // 13° 20′
inline constexpr double padaSpanDegrees = starSpanDegrees / 4.0; // 3° 20′

// The picture's angle of a sidereal longitude, 0 <= result < 360.
double angleOf(double siderealLongitude);

// The point at `radius` from `centre` in the direction of a sidereal longitude.
QPointF pointAt(const QPointF& centre, double radius, double siderealLongitude);

// An arc of the ring, as QPainterPath::arcTo takes it: from startAngle, spanAngle degrees counterclockwise.
struct Arc
{
    double startAngle = 0.0; // 0 <= value < 360
    double spanAngle = 0.0;
};

// The sector of a star, 0 to 26, and of one of its padas, 1 to 4.
Arc starSector(int nakshatraNumber);
Arc padaSector(int nakshatraNumber, int pada);

// The rings within a rectangle, every size taken from the rectangle's shorter side.
struct Rings
{
    QPointF centre;
    double outer = 0.0; // the outer edge of the signs
    double signsInner = 0.0; // between the signs and the stars
    double starsInner = 0.0; // the inner edge of the stars
    double moon = 0.0; // the radius the Moon is drawn at, within the stars
    double numbers = 0.0; // the radius of the stars' numbers, outside the Moon
};
Rings ringsIn(const QRectF& rect);

// Where the Moon of a longitude is drawn within `rect`.
QPointF moonPoint(const QRectF& rect, double siderealLongitude);

} // namespace SkyGeometry

// The picture's own colours, the same on every screen and on paper.
namespace SkyColours {

inline constexpr QRgb disc = 0xfffffcf4; // the picture's ground
inline constexpr QRgb birthStar = 0xfff5d77a; // the birth star's sector
inline constexpr QRgb moonsPada = 0xffe9b43c; // the pada the Moon stands in
inline constexpr QRgb moon = 0xff1f2f5c; // the Moon's disc
inline constexpr QRgb caution = 0xffc0392b; // the near edge and its label

} // namespace SkyColours

// Paints the picture of `margin` centred in `rect`, as large as the rectangle's shorter side; sizes of lines and
// letters follow that side, so it is as sharp as the painter's device. A margin without a reading (pada 0) gives the
// ring alone.
void paintSky(QPainter& painter, const QRectF& rect, const ReadingMargin& margin);

// The two layers paintSky draws, for a window that keeps the first: the ring alone, the same for every reading, and
// the reading over it (nothing for a margin without one).
void paintSkyRing(QPainter& painter, const QRectF& rect);
void paintSkyReading(QPainter& painter, const QRectF& rect, const ReadingMargin& margin);

// The picture as an image of `logicalSize` at `devicePixelRatio`, on a transparent ground.
QImage skyImage(const ReadingMargin& margin, const QSizeF& logicalSize, qreal devicePixelRatio);
