#include "knowledge/window/SkyPicture.h"

#include "knowledge/ReadingDescription.h"
#include "report/SkyPainter.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

// Rohini, pada 2, four minutes after the Moon entered it: the caution's edge and label are drawn too.
ReadingDescription rohiniNearItsStart()
{
    ReadingDescription reading;
    reading.margin.siderealLongitude = 40.03;
    reading.margin.nakshatraNumber = 3;
    reading.margin.pada = 1;
    reading.margin.nakshatraName = QStringLiteral("Rohini");
    reading.margin.previousNakshatraName = QStringLiteral("Krittika");
    reading.margin.nextNakshatraName = QStringLiteral("Mrigashira");
    reading.margin.minutesSinceStarBegan = 4.0;
    reading.margin.minutesUntilStarEnds = 1400.0;
    return reading;
}

QImage rendered(QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& shown, const QImage& expected)
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

} // namespace

// The widget keeps the ring it drew and paints each reading over it; what it shows must stay the painter's own
// picture of the reading, whatever size and pixel ratio it was prepared at and is drawn at.
class SkyPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void showsThePaintersPicture_data();
    void showsThePaintersPicture();
};

void SkyPictureTest::showsThePaintersPicture_data()
{
    QTest::addColumn<int>("preparedSide");
    QTest::addColumn<int>("shownSide");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::newRow("as prepared") << 200 << 200 << 1.0;
    QTest::newRow("drawn at twice the pixels") << 200 << 200 << 2.0;
    QTest::newRow("made smaller after it was prepared") << 200 << 150 << 1.0;
}

void SkyPictureTest::showsThePaintersPicture()
{
    QFETCH(int, preparedSide);
    QFETCH(int, shownSide);
    QFETCH(qreal, devicePixelRatio);
    const ReadingDescription reading = rohiniNearItsStart();
    SkyPicture sky;
    sky.resize(preparedSide, preparedSide);
    sky.prepareRing();
    sky.showReading(reading);
    sky.resize(shownSide, shownSide);

    const QImage shown = rendered(sky, devicePixelRatio);
    const QImage expected = skyImage(reading.margin, QSizeF(shownSide, shownSide), devicePixelRatio);
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE_LE(largestDifference(shown, expected), 2);
}

QTEST_MAIN(SkyPictureTest)
#include "SkyPictureTest.moc"
