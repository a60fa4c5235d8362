#include "tests/support/WidgetImages.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

QImage renderedWidget(QWidget& widget, qreal devicePixelRatio, const QColor& ground)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(ground);
    QPainter painter(&image); // scaled by the image's pixel ratio, as a screen's backing store is
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

int largestChannelDifference(const QImage& shown, const QImage& expected)
{
    int largest = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return largest;
}
