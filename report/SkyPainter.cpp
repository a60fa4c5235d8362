#include "report/SkyPainter.h"

#include "engine/Ephemeris.h"
#include "engine/StarPeriod.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double signSpanDegrees = 360.0 / moonSignCount;
static_assert(nakshatraCount == 27, "the sectors are 360 / 27 degrees wide");

// Sizes as fractions of the outer radius.
constexpr double signsInnerShare = 0.80;
constexpr double starsInnerShare = 0.50;
constexpr double numbersShare = 0.71;
constexpr double moonShare = 0.585;
constexpr double moonDiscShare = 0.055;
constexpr double lineShare = 0.008;
static_assert(starsInnerShare < moonShare && moonShare < numbersShare && numbersShare < signsInnerShare);

constexpr QRgb ringLine = 0xff8f8a80;
constexpr QRgb padaLine = 0xffb88a1c;
constexpr QRgb writing = 0xff2a2a2a;
constexpr QRgb starFills[] = {0xffffffff, 0xfff2efe6};
constexpr QRgb signFills[] = {0xffe4ebf5, 0xffd5dfee};

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

QRectF circle(const QPointF& centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

QPointF towards(const QPointF& centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(radians(angle)), -radius * std::sin(radians(angle)));
}

QPainterPath annularSector(const QPointF& centre, double inner, double outer, const SkyGeometry::Arc& arc)
{
    QPainterPath path;
    path.arcMoveTo(circle(centre, outer), arc.startAngle);
    path.arcTo(circle(centre, outer), arc.startAngle, arc.spanAngle);
    path.arcTo(circle(centre, inner), arc.startAngle + arc.spanAngle, -arc.spanAngle);
    path.closeSubpath();
    return path;
}

QFont fontOfSize(const QFont& base, double pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

QPen linePen(QRgb colour, double width)
{
    QPen pen {QColor::fromRgba(colour)};
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The largest font up to `pixels` in which `label` is no wider than `width`, never below `smallest`.
QFont fittedFont(const QFont& base, double pixels, double smallest, const QString& label, double width, bool bold)
{
    QFont font = fontOfSize(base, pixels, bold);
    const double natural = QFontMetricsF(font).horizontalAdvance(label);
    if (natural > width && natural > 0) {
        font = fontOfSize(base, std::max(smallest, pixels * width / natural), bold);
    }
    return font;
}

// Text centred on a point of the ring, along the ring, never upside down.
void drawAlongRing(QPainter& painter, const QPointF& centre, double radius, double angle, const QString& label)
{
    painter.save();
    painter.translate(towards(centre, radius, angle));
    const bool lowerHalf = angle > 180.0;
    painter.rotate(lowerHalf ? 270.0 - angle : 90.0 - angle);
    const QFontMetricsF metrics(painter.font());
    const QRectF box(-metrics.horizontalAdvance(label), -metrics.height(), 2 * metrics.horizontalAdvance(label),
                     2 * metrics.height());
    painter.drawText(box, Qt::AlignCenter, label);
    painter.restore();
}

void drawCentred(QPainter& painter, const QPointF& at, const QString& label)
{
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(label) + metrics.height();
    painter.drawText(QRectF(at.x() - width / 2, at.y() - metrics.height() / 2, width, metrics.height()),
                     Qt::AlignCenter, label);
}

// The sign's own name: "Vrishabha" of "Vrishabha (Taurus)".
QString signName(int sign)
{
    return text(moonSignNames[static_cast<std::size_t>(sign)]).section(QLatin1Char(' '), 0, 0);
}

// The sectors are filled without a pen and their edges drawn afterwards in one go, so each edge shared by two sectors
// is stroked once rather than twice.
void paintRingEdges(QPainter& painter, const SkyGeometry::Rings& rings, double inner, double outer, int sectors,
                    double lineWidth)
{
    QList<QLineF> edges;
    edges.reserve(sectors);
    for (int sector = 0; sector < sectors; ++sector) {
        const double angle = SkyGeometry::angleOf(sector * 360.0 / sectors);
        edges.append(QLineF(towards(rings.centre, inner, angle), towards(rings.centre, outer, angle)));
    }
    painter.setPen(linePen(ringLine, lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawLines(edges);
    painter.drawEllipse(circle(rings.centre, inner));
    painter.drawEllipse(circle(rings.centre, outer));
}

void paintStarNumber(QPainter& painter, const SkyGeometry::Rings& rings, int star, bool bold)
{
    const double band = rings.signsInner - rings.starsInner;
    painter.setFont(fontOfSize(painter.font(), band * 0.30, bold));
    painter.setPen(QColor::fromRgba(writing));
    const SkyGeometry::Arc arc = SkyGeometry::starSector(star);
    drawCentred(painter, towards(rings.centre, rings.numbers, arc.startAngle + arc.spanAngle / 2),
                QString::number(star + 1));
}

void paintSigns(QPainter& painter, const SkyGeometry::Rings& rings, double lineWidth)
{
    const double middle = (rings.outer + rings.signsInner) / 2;
    const double letters = (rings.outer - rings.signsInner) * 0.5;
    const double room = radians(signSpanDegrees) * middle * 0.92;
    painter.setPen(Qt::NoPen);
    for (int sign = 0; sign < moonSignCount; ++sign) {
        const SkyGeometry::Arc arc {SkyGeometry::angleOf(sign * signSpanDegrees), signSpanDegrees};
        painter.setBrush(QColor::fromRgba(signFills[sign % 2]));
        painter.drawPath(annularSector(rings.centre, rings.signsInner, rings.outer, arc));
    }
    paintRingEdges(painter, rings, rings.signsInner, rings.outer, moonSignCount, lineWidth);
    painter.setPen(QColor::fromRgba(writing));
    for (int sign = 0; sign < moonSignCount; ++sign) {
        const SkyGeometry::Arc arc {SkyGeometry::angleOf(sign * signSpanDegrees), signSpanDegrees};
        const QString name = signName(sign);
        painter.setFont(fittedFont(painter.font(), letters, letters * 0.6, name, room, false));
        drawAlongRing(painter, rings.centre, middle, arc.startAngle + arc.spanAngle / 2, name);
    }
}

void paintStars(QPainter& painter, const SkyGeometry::Rings& rings, double lineWidth)
{
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < nakshatraCount; ++star) {
        painter.setBrush(QColor::fromRgba(starFills[star % 2]));
        painter.drawPath(
            annularSector(rings.centre, rings.starsInner, rings.signsInner, SkyGeometry::starSector(star)));
    }
    paintRingEdges(painter, rings, rings.starsInner, rings.signsInner, nakshatraCount, lineWidth);
    for (int star = 0; star < nakshatraCount; ++star) {
        paintStarNumber(painter, rings, star, false);
    }
}

// The birth star over the ring: its sector filled, the Moon's pada filled within it, the four padas parted, the
// sector outlined wider than the ring's lines, so that it covers them, and its number in bold.
void paintBirthStar(QPainter& painter, const SkyGeometry::Rings& rings, const ReadingMargin& margin, double lineWidth)
{
    const int star = margin.nakshatraNumber;
    const SkyGeometry::Arc sector = SkyGeometry::starSector(star);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(SkyColours::birthStar));
    painter.drawPath(annularSector(rings.centre, rings.starsInner, rings.signsInner, sector));
    painter.setBrush(QColor::fromRgba(SkyColours::moonsPada));
    painter.drawPath(
        annularSector(rings.centre, rings.starsInner, rings.signsInner, SkyGeometry::padaSector(star, margin.pada)));
    painter.setPen(linePen(padaLine, lineWidth));
    for (int pada = 2; pada <= 4; ++pada) {
        const double angle = SkyGeometry::padaSector(star, pada).startAngle;
        painter.drawLine(towards(rings.centre, rings.starsInner, angle),
                         towards(rings.centre, rings.signsInner, angle));
    }
    painter.setPen(linePen(ringLine, lineWidth * 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(annularSector(rings.centre, rings.starsInner, rings.signsInner, sector));
    paintStarNumber(painter, rings, star, true);
}

void paintMoon(QPainter& painter, const SkyGeometry::Rings& rings, const ReadingMargin& margin, double lineWidth)
{
    const double angle = SkyGeometry::angleOf(margin.siderealLongitude);
    painter.setPen(linePen(SkyColours::moon, lineWidth * 1.5));
    painter.drawLine(towards(rings.centre, rings.starsInner, angle), towards(rings.centre, rings.signsInner, angle));
    painter.setPen(linePen(SkyColours::disc, lineWidth));
    painter.setBrush(QColor::fromRgba(SkyColours::moon));
    const double disc = rings.outer * moonDiscShare;
    painter.drawEllipse(circle(towards(rings.centre, rings.moon, angle), disc));
}

// The edge of the birth star the birth lies near, drawn across the star and the sign; returns the point at its inner
// end, where the label's leader line meets it.
QPointF paintCautionEdge(QPainter& painter, const SkyGeometry::Rings& rings, const ReadingMargin& margin,
                         double lineWidth)
{
    const SkyGeometry::Arc arc = SkyGeometry::starSector(margin.nakshatraNumber);
    const double edge = cautionEdge(margin) == StarEdge::Start ? arc.startAngle : arc.startAngle + arc.spanAngle;
    painter.setPen(linePen(SkyColours::caution, lineWidth * 3));
    painter.drawLine(towards(rings.centre, rings.starsInner * 0.92, edge), towards(rings.centre, rings.outer, edge));
    return towards(rings.centre, rings.starsInner * 0.92, edge);
}

// The star's name and its pada in the middle; with a caution, the star across the near edge above or below them,
// on the side of the edge, with a leader line to it.
void paintMiddle(QPainter& painter, const SkyGeometry::Rings& rings, const ReadingMargin& margin, double lineWidth)
{
    const double room = rings.starsInner * 1.6;
    const double nameSize = rings.outer * 0.13;
    const QFont nameFont = fittedFont(painter.font(), nameSize, nameSize * 0.45, margin.nakshatraName, room, true);
    const QFont padaFont = fontOfSize(painter.font(), rings.outer * 0.095);
    const double nameHeight = QFontMetricsF(nameFont).height();
    const double padaHeight = QFontMetricsF(padaFont).height();
    const QString across = starAcrossEdge(margin);

    double shift = 0.0;
    QPointF labelAt;
    QPointF edgePoint;
    if (!across.isEmpty()) {
        edgePoint = paintCautionEdge(painter, rings, margin, lineWidth);
        const bool edgeAbove = edgePoint.y() <= rings.centre.y();
        const double offset = (nameHeight + padaHeight) / 2 + padaHeight * 0.6;
        shift = edgeAbove ? padaHeight * 0.55 : -padaHeight * 0.55;
        labelAt = rings.centre + QPointF(0, edgeAbove ? -offset + shift : offset + shift);
    }
    const QPointF nameAt = rings.centre + QPointF(0, shift - padaHeight / 2);
    painter.setPen(QColor::fromRgba(writing));
    painter.setFont(nameFont);
    drawCentred(painter, nameAt, margin.nakshatraName);
    painter.setFont(padaFont);
    drawCentred(painter, nameAt + QPointF(0, (nameHeight + padaHeight) / 2),
                QStringLiteral("pada %1").arg(margin.pada));

    if (!across.isEmpty()) {
        const QString label = QStringLiteral("near %1").arg(across);
        const QFont labelFont = fittedFont(painter.font(), rings.outer * 0.095, rings.outer * 0.05, label, room, true);
        painter.setFont(labelFont);
        painter.setPen(QColor::fromRgba(SkyColours::caution));
        drawCentred(painter, labelAt, label);
        const double halfWidth = QFontMetricsF(labelFont).horizontalAdvance(label) / 2;
        const QPointF from = labelAt + QPointF(edgePoint.x() < labelAt.x() ? -halfWidth : halfWidth, 0);
        painter.setPen(linePen(SkyColours::caution, lineWidth));
        painter.drawLine(from, edgePoint);
    }
}

} // namespace

namespace SkyGeometry {

double angleOf(double siderealLongitude)
{
    const double angle = std::fmod(90.0 + siderealLongitude, 360.0);
    return angle < 0.0 ? angle + 360.0 : angle;
}

QPointF pointAt(const QPointF& centre, double radius, double siderealLongitude)
{
    return towards(centre, radius, angleOf(siderealLongitude));
}

Arc starSector(int nakshatraNumber)
{
    return {angleOf(nakshatraNumber * starSpanDegrees), starSpanDegrees};
}

Arc padaSector(int nakshatraNumber, int pada)
{
    return {angleOf(nakshatraNumber * starSpanDegrees + (pada - 1) * padaSpanDegrees), padaSpanDegrees};
}

Rings ringsIn(const QRectF& rect)
{
    const double side = std::min(rect.width(), rect.height());
    Rings rings;
    rings.centre = rect.center();
    rings.outer = side / 2 * (1.0 - lineShare * 2);
    rings.signsInner = rings.outer * signsInnerShare;
    rings.starsInner = rings.outer * starsInnerShare;
    rings.moon = rings.outer * moonShare;
    rings.numbers = rings.outer * numbersShare;
    return rings;
}

QPointF moonPoint(const QRectF& rect, double siderealLongitude)
{
    const Rings rings = ringsIn(rect);
    return pointAt(rings.centre, rings.moon, siderealLongitude);
}

} // namespace SkyGeometry

namespace {

// The picture's lines and letters take their sizes from the rings; both layers draw antialiased.
template <typename Paint>
void paintLayer(QPainter& painter, const QRectF& rect, Paint paint)
{
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(rect);
    if (rings.outer <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paint(rings, rings.outer * lineShare);
    painter.restore();
}

} // namespace

void paintSkyRing(QPainter& painter, const QRectF& rect)
{
    paintLayer(painter, rect, [&painter](const SkyGeometry::Rings& rings, double lineWidth) {
        painter.setPen(linePen(ringLine, lineWidth));
        painter.setBrush(QColor::fromRgba(SkyColours::disc));
        painter.drawEllipse(circle(rings.centre, rings.outer));
        paintSigns(painter, rings, lineWidth);
        paintStars(painter, rings, lineWidth);
    });
}

void paintSkyReading(QPainter& painter, const QRectF& rect, const ReadingMargin& margin)
{
    if (margin.pada <= 0) {
        return;
    }
    paintLayer(painter, rect, [&painter, &margin](const SkyGeometry::Rings& rings, double lineWidth) {
        paintBirthStar(painter, rings, margin, lineWidth);
        paintMiddle(painter, rings, margin, lineWidth);
        paintMoon(painter, rings, margin, lineWidth);
    });
}

void paintSky(QPainter& painter, const QRectF& rect, const ReadingMargin& margin)
{
    paintSkyRing(painter, rect);
    paintSkyReading(painter, rect, margin);
}

QImage skyImage(const ReadingMargin& margin, const QSizeF& logicalSize, qreal devicePixelRatio)
{
    QImage image((logicalSize * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintSky(painter, QRectF(QPointF(0, 0), logicalSize), margin);
    return image;
}
