#include "knowledge/window/SkyPicture.h"

#include "knowledge/ReadingDescription.h"
#include "report/SkyPainter.h"
#include "tests/support/WidgetImages.h"

#include <QTest>

namespace {

// Rohini, pada 1, four minutes after the Moon entered it: the caution's edge and label are drawn too.
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

    const QImage shown = renderedWidget(sky, devicePixelRatio, Qt::transparent);
    const QImage expected = skyImage(reading.margin, QSizeF(shownSide, shownSide), devicePixelRatio);
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE_LE(largestChannelDifference(shown, expected), 2);
}

QTEST_MAIN(SkyPictureTest)
#include "SkyPictureTest.moc"
