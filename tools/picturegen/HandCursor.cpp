#include "HandCursor.h"

#include <QPainter>
#include <QPainterPath>

namespace handCursor {

namespace {

// The outline in pixel units; edges lie on half pixels so the 1 px black edge stays sharp.
QPainterPath handOutline()
{
    QPainterPath hand;
    hand.moveTo(3.5, 3);
    hand.arcTo(QRectF(3.5, 0.5, 5, 5), 180, -180); // tip of the index finger, top at (6, 0)
    hand.lineTo(8.5, 10);
    hand.arcTo(QRectF(8.5, 8.5, 5, 4), 180, -180); // middle finger
    hand.lineTo(13.5, 11);
    hand.arcTo(QRectF(13.5, 9.5, 5, 4), 180, -180); // ring finger
    hand.lineTo(18.5, 12.5);
    hand.arcTo(QRectF(18.5, 11.5, 4, 4), 180, -180); // little finger
    hand.lineTo(22.5, 22);
    hand.quadTo(22.5, 26, 19.5, 28.5); // heel of the hand
    hand.lineTo(19.5, 30.5);
    hand.lineTo(8.5, 30.5); // wrist
    hand.lineTo(8.5, 28.5);
    hand.quadTo(3.5, 24, 0.5, 17.5); // thumb, out to the left
    hand.quadTo(0.5, 14.5, 2.5, 14.5);
    hand.quadTo(3.5, 14.5, 3.5, 16);
    hand.closeSubpath();
    return hand;
}

QPainterPath knuckleLines()
{
    QPainterPath lines;
    lines.moveTo(8.5, 12);
    lines.lineTo(8.5, 16);
    lines.moveTo(13.5, 12.5);
    lines.lineTo(13.5, 16);
    lines.moveTo(18.5, 14);
    lines.lineTo(18.5, 17);
    lines.moveTo(3.5, 18); // the crease between thumb and palm
    lines.lineTo(6.5, 22);
    return lines;
}

} // namespace

QImage draw()
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(knuckleLines());
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace handCursor
