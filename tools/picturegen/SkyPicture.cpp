#include "SkyPicture.h"

#include "ProgramIcon.h"
#include "engine/Ephemeris.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QtMath>

namespace skyPicture {

namespace {

constexpr QPointF ringCentre(80, 98);
constexpr qreal ringRadius = 64;
constexpr int ringPoints = nakshatraCount;
constexpr int backgroundStars = 70;
constexpr quint32 starSeed = 27; // fixed, so the picture comes out the same every time
constexpr QRgb skyTop = 0xff070d2b;
constexpr QRgb skyBottom = 0xff1f3a8a;
constexpr QRgb hills = 0xff060a1c;
constexpr QRgb moonColour = 0xffffe08a;
constexpr QRgb starColour = 0xfffff4c2;

void paintBackgroundStars(QPainter& painter)
{
    QRandomGenerator random(starSeed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < backgroundStars; ++i) {
        const QPointF at(random.bounded(double(width)), random.bounded(double(height) * 0.8));
        const qreal radius = 0.35 + random.bounded(0.6);
        QColor colour(starColour);
        colour.setAlphaF(0.45 + random.bounded(0.5));
        painter.setBrush(colour);
        painter.drawEllipse(at, radius, radius);
    }
}

void paintRing(QPainter& painter)
{
    QColor line(starColour);
    line.setAlphaF(0.25);
    painter.setPen(QPen(line, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ringCentre, ringRadius, ringRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(starColour));
    for (int i = 0; i < ringPoints; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + i * 360.0 / ringPoints);
        const QPointF at = ringCentre + QPointF(ringRadius * qCos(angle), ringRadius * qSin(angle));
        painter.drawPath(programIcon::star(at, i == 0 ? 5.5 : 3.6));
    }
}

void paintMoon(QPainter& painter)
{
    constexpr qreal moonScale = 0.42;
    painter.save();
    painter.translate(ringCentre);
    painter.scale(moonScale, moonScale);
    painter.translate(-programIcon::designSize / 2, -programIcon::designSize / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(moonColour));
    painter.drawPath(programIcon::crescent());
    painter.restore();
}

void paintHills(QPainter& painter)
{
    QPainterPath ground;
    ground.moveTo(0, 196);
    ground.cubicTo(30, 182, 56, 186, 80, 198);
    ground.cubicTo(104, 188, 132, 180, 160, 192);
    ground.lineTo(160, 220);
    ground.lineTo(0, 220);
    ground.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(hills));
    painter.drawPath(ground);
}

} // namespace

QImage draw()
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(skyTop));
    sky.setColorAt(1, QColor(skyBottom));
    painter.fillRect(image.rect(), sky);
    paintBackgroundStars(painter);
    paintRing(painter);
    paintMoon(painter);
    paintHills(painter);
    return image;
}

} // namespace skyPicture
