#include "knowledge/window/SkyPicture.h"

#include "desktop/SharedWidgets.h"
#include "knowledge/ReadingDescription.h"
#include "report/SkyPainter.h"

#include <QPainter>

namespace {

// Large enough for the numbers of the 27 stars to stay readable, small enough for the window to fit 1024 x 768.
constexpr int preferredSide = 200;

} // namespace

SkyPicture::SkyPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picSky"));
    setAccessibleName(QStringLiteral("The Moon among the nakshatras"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    showReading(ReadingDescription());
}

void SkyPicture::showReading(const ReadingDescription& reading)
{
    m_margin = reading.margin;
    const QString words = reading.skyText.isEmpty() ? QStringLiteral("No reading") : reading.skyText;
    setAccessibleDescription(words);
    setToolTip(words);
    update();
}

QSize SkyPicture::sizeHint() const
{
    return {preferredSide, preferredSide};
}

void SkyPicture::prepareRing()
{
    // Not laid out yet, it will be as large as it asks to be: its size is fixed.
    ring(testAttribute(Qt::WA_Resized) ? size() : sizeHint(), devicePixelRatioF());
}

// For the size painted and the device painted on: a window's backing store, or an image of another pixel ratio.
const QPixmap& SkyPicture::ring(const QSize& side, qreal ratio)
{
    if (m_ring.isNull() || m_ring.deviceIndependentSize() != QSizeF(side) || m_ring.devicePixelRatio() != ratio) {
        m_ring = QPixmap::fromImage(skyImage(ReadingMargin(), side, ratio));
    }
    return m_ring;
}

void SkyPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(QPointF(0, 0), ring(size(), paintedPixelRatio(painter)));
    paintSkyReading(painter, QRectF(rect()), m_margin);
}
