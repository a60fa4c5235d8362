#include "DrawingStyle.h"

#include <QPainter>

namespace style {

namespace {

QPen inkPen(qreal width, QColor colour = QColor(ink))
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void fillOutlined(QPainter& painter, const QPainterPath& shape, QColor fill)
{
    painter.setPen(inkPen(outlineWidth));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void strokeDetail(QPainter& painter, const QPainterPath& line, QColor colour)
{
    painter.setPen(inkPen(detailWidth, colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}

void tube(QPainter& painter, const QPainterPath& line, qreal width, QColor fill)
{
    tubes(painter, {{line, width}}, fill);
}

void tubes(QPainter& painter, const QList<QPair<QPainterPath, qreal>>& lines, QColor fill)
{
    painter.setBrush(Qt::NoBrush);
    for (const auto& [line, width] : lines) {
        painter.setPen(inkPen(width + outlineWidth));
        painter.drawPath(line);
    }
    for (const auto& [line, width] : lines) {
        painter.setPen(inkPen(width - outlineWidth, fill));
        painter.drawPath(line);
    }
}

void spot(QPainter& painter, QPointF centre, qreal radius, QColor fill)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

QPainterPath circlePath(QPointF centre, qreal radius)
{
    return ellipsePath(centre, radius, radius);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath linePath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

} // namespace style
