#include "knowledge/window/SkyPicture.h"

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

void SkyPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintSky(painter, QRectF(rect()), m_margin);
}
