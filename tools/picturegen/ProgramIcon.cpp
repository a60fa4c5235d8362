#include "ProgramIcon.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QtMath>

#include <array>
#include <cmath>

namespace programIcon {

namespace {

constexpr QPointF discCentre(128, 128);
constexpr qreal discRadius = 122;
constexpr qreal rimWidth = 6;
constexpr QPointF skyLight(100, 90); // centre of the lighter part of the sky
constexpr qreal skyRadius = 170;
constexpr QRgb skyInner = 0xff2f4fa8;
constexpr QRgb skyOuter = 0xff0f1b4d;
constexpr QRgb rimColour = 0xff0a1233;
constexpr QRgb moonColour = 0xffffe08a;
constexpr QRgb starColour = 0xfffff4c2;

struct IconStar
{
    QPointF centre; // design units
    qreal radius; // design units, to the points
    int minimumSize; // px: smaller icons leave this star out, where it would be a grey smudge
};

// Placed in the Moon's hollow and around it, clear of the crescent.
constexpr std::array<IconStar, 5> stars = {{
    {{180, 80}, 28, 0},
    {{214, 140}, 15, 32},
    {{166, 160}, 11, 48},
    {{80, 48}, 10, 48},
    {{138, 34}, 8, 64},
}};

QString number(qreal value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// SVG path data of a painter path made of moves, lines and cubic curves.
QString pathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QString point = number(element.x) + QLatin1Char(' ') + number(element.y);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            data += (i == 0 ? QStringLiteral("M") : QStringLiteral("ZM")) + point;
            break;
        case QPainterPath::LineToElement:
            data += QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            data += QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            data += QLatin1Char(' ') + point;
            break;
        }
    }
    return data + QLatin1Char('Z');
}

QString colourText(QRgb colour)
{
    return QColor(colour).name();
}

// The crescent is the Moon's disc less the disc of its shadow. Its outline is two circular arcs between the points
// where the circles cross, kept as arcs so that the vector icon can use true arcs as well.
constexpr QPointF moonCentre(112, 134);
constexpr qreal moonRadius = 80;
constexpr QPointF shadowCentre(152, 106);
constexpr qreal shadowRadius = 68;

struct Arc
{
    QPointF centre;
    qreal radius;
    qreal startDegrees; // screen angles: 0 at three o'clock, positive clockwise (y grows downwards)
    qreal sweepDegrees;
    QPointF from;
    QPointF to;
};

struct CrescentOutline
{
    Arc moon; // the lit rim, the long way round the Moon's circle
    Arc shadow; // the inner edge, back along the shadow's circle
};

qreal screenAngle(QPointF centre, QPointF point)
{
    return qRadiansToDegrees(qAtan2(point.y() - centre.y(), point.x() - centre.x()));
}

// The arc of a circle from one point to another that passes the given direction (a screen angle) on its way.
Arc arcThrough(QPointF centre, qreal radius, QPointF from, QPointF to, qreal viaDegrees)
{
    const qreal start = screenAngle(centre, from);
    const qreal clockwise = std::fmod(screenAngle(centre, to) - start + 720.0, 360.0);
    const qreal via = std::fmod(viaDegrees - start + 720.0, 360.0);
    const qreal sweep = via < clockwise ? clockwise : clockwise - 360.0;
    return {centre, radius, start, sweep, from, to};
}

CrescentOutline crescentOutline()
{
    const QPointF between = shadowCentre - moonCentre;
    const qreal distance = std::hypot(between.x(), between.y());
    const QPointF along = between / distance;
    const QPointF across(-along.y(), along.x());
    const qreal toChord
        = (moonRadius * moonRadius - shadowRadius * shadowRadius + distance * distance) / (2 * distance);
    const qreal halfChord = std::sqrt(moonRadius * moonRadius - toChord * toChord);
    const QPointF first = moonCentre + along * toChord + across * halfChord;
    const QPointF second = moonCentre + along * toChord - across * halfChord;
    const qreal awayFromShadow = screenAngle(moonCentre, moonCentre - along);
    return {arcThrough(moonCentre, moonRadius, first, second, awayFromShadow),
            arcThrough(shadowCentre, shadowRadius, second, first, awayFromShadow)};
}

QString svgArc(const Arc& arc)
{
    return QStringLiteral("A%1 %1 0 %2 %3 %4 %5")
        .arg(number(arc.radius))
        .arg(std::abs(arc.sweepDegrees) > 180 ? 1 : 0)
        .arg(arc.sweepDegrees > 0 ? 1 : 0)
        .arg(number(arc.to.x()), number(arc.to.y()));
}

} // namespace

QPainterPath crescent()
{
    const CrescentOutline outline = crescentOutline();
    QPainterPath path(outline.moon.from);
    for (const Arc& arc : {outline.moon, outline.shadow}) {
        const QRectF box(arc.centre - QPointF(arc.radius, arc.radius), QSizeF(2 * arc.radius, 2 * arc.radius));
        path.arcTo(box, -arc.startDegrees, -arc.sweepDegrees); // Qt counts angles anticlockwise on screen
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outerRadius)
{
    constexpr qreal innerRatio = 0.42;
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outerRadius : outerRadius * innerRatio;
        const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
        points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QImage draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);

    QRadialGradient sky(skyLight, skyRadius);
    sky.setColorAt(0, QColor(skyInner));
    sky.setColorAt(1, QColor(skyOuter));
    painter.setPen(QPen(QColor(rimColour), rimWidth));
    painter.setBrush(sky);
    painter.drawEllipse(discCentre, discRadius, discRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(moonColour));
    painter.drawPath(crescent());
    painter.setBrush(QColor(starColour));
    for (const IconStar& iconStar : stars) {
        if (size >= iconStar.minimumSize) {
            painter.drawPath(star(iconStar.centre, iconStar.radius));
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString svg()
{
    QString text;
    text += QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
    text += QStringLiteral("  <title>Ondara</title>\n");
    text += QStringLiteral(
                "  <defs>\n    <radialGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%2\" "
                "r=\"%3\">\n")
                .arg(number(skyLight.x()), number(skyLight.y()), number(skyRadius));
    text += QStringLiteral(
                "      <stop offset=\"0\" stop-color=\"%1\"/>\n      <stop offset=\"1\" stop-color=\"%2\"/>\n")
                .arg(colourText(skyInner), colourText(skyOuter));
    text += QStringLiteral("    </radialGradient>\n  </defs>\n");
    text += QStringLiteral(
                "  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#sky)\" stroke=\"%4\" stroke-width=\"%5\"/>\n")
                .arg(number(discCentre.x()), number(discCentre.y()), number(discRadius), colourText(rimColour),
                     number(rimWidth));
    const CrescentOutline outline = crescentOutline();
    const QString moon = QStringLiteral("M%1 %2").arg(number(outline.moon.from.x()), number(outline.moon.from.y()))
        + svgArc(outline.moon) + svgArc(outline.shadow) + QLatin1Char('Z');
    text += QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>\n").arg(colourText(moonColour), moon);
    for (const IconStar& iconStar : stars) {
        text += QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>\n")
                    .arg(colourText(starColour), pathData(star(iconStar.centre, iconStar.radius)));
    }
    text += QStringLiteral("</svg>\n");
    return text;
}

} // namespace programIcon
