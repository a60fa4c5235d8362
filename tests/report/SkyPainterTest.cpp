#include "report/SkyPainter.h"

#include "knowledge/ReadingMargin.h"
#include "tests/support/AngleCompare.h"
#include "tests/support/SampleBirths.h"

#include <QImage>
#include <QTest>

namespace {

constexpr double starSpan = 40.0 / 3.0; // 13° 20′, written out here rather than taken from the code
constexpr double pictureSide = 300.0;

// A margin as the reading of a Moon at `longitude` in pada `pada` of star `star` would give it, far from a change.
ReadingMargin margin(double longitude, int star, int pada)
{
    ReadingMargin margin;
    margin.siderealLongitude = longitude;
    margin.nakshatraNumber = star;
    margin.pada = pada;
    margin.minutesSinceStarBegan = 600.0;
    margin.minutesUntilStarEnds = 600.0;
    margin.nakshatraName = QStringLiteral("Star");
    return margin;
}

QRectF pictureRect()
{
    return {0, 0, pictureSide, pictureSide};
}

QRgb pixelAt(const QImage& image, const QPointF& logical)
{
    const QPointF device = logical * image.devicePixelRatio();
    return image.pixel(static_cast<int>(device.x()), static_cast<int>(device.y())) | 0xff000000;
}

// A point of the star ring, inside its inner edge and clear of the Moon and of the star's number.
QPointF insideStarRing(double longitude)
{
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(pictureRect());
    return SkyGeometry::pointAt(rings.centre, rings.starsInner + (rings.moon - rings.starsInner) * 0.25, longitude);
}

// Blocks of 2 x 2 pixels whose four pixels are not all alike: none in a picture drawn at 1x and scaled up.
int detailedBlocks(const QImage& image)
{
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            if (image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first
                || image.pixel(x + 1, y + 1) != first) {
                ++blocks;
            }
        }
    }
    return blocks;
}

// Pixels that differ from their right-hand neighbour: the edges the picture draws.
int edgePixels(const QImage& image)
{
    int edges = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            edges += image.pixel(x, y) != image.pixel(x + 1, y) ? 1 : 0;
        }
    }
    return edges;
}

} // namespace

class SkyPainterTest : public QObject
{
    Q_OBJECT

private slots:
    void moonAngleFollowsTheLongitude_data();
    void moonAngleFollowsTheLongitude();
    void moonPointLiesInTheLongitudesDirection_data();
    void moonPointLiesInTheLongitudesDirection();
    void sectorsTileTheRingFromAshwini();
    void paintsTheBirthStarWithTheMoonsPada();
    void paintsTheMoonAtItsLongitude_data();
    void paintsTheMoonAtItsLongitude();
    void marksTheNearEdgeOnlyWithTheCaution_data();
    void marksTheNearEdgeOnlyWithTheCaution();
    void madridBirthFourMinutesIntoAStarStandsAtItsEdge();
    void drawsEveryDevicePixelAtTwiceThePixelRatio();
};

void SkyPainterTest::moonAngleFollowsTheLongitude_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("angle"); // counterclockwise from three o'clock
    QTest::newRow("0°: twelve o'clock") << 0.0 << 90.0;
    QTest::newRow("359.99°: just clockwise of twelve") << 359.99 << 89.99;
    QTest::newRow("90°: nine o'clock") << 90.0 << 180.0;
    QTest::newRow("46.5°, in Rohini") << 46.5 << 136.5;
    QTest::newRow("180°: six o'clock") << 180.0 << 270.0;
    QTest::newRow("270°: three o'clock") << 270.0 << 0.0;
}

void SkyPainterTest::moonAngleFollowsTheLongitude()
{
    QFETCH(double, longitude);
    QFETCH(double, angle);
    const double shown = SkyGeometry::angleOf(longitude);
    COMPARE_ANGLE(shown, angle, 1e-9);
    QVERIFY2(shown >= 0.0 && shown < 360.0, qPrintable(QString::number(shown, 'g', 17)));
}

void SkyPainterTest::moonPointLiesInTheLongitudesDirection_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QPointF>("direction"); // from the centre, y downwards
    QTest::newRow("0°: straight up") << 0.0 << QPointF(0, -1);
    QTest::newRow("90°: to the left") << 90.0 << QPointF(-1, 0);
    QTest::newRow("180°: straight down") << 180.0 << QPointF(0, 1);
    QTest::newRow("359.9°: up, a hair to the right") << 359.9 << QPointF(0.0017453, -0.9999985);
}

void SkyPainterTest::moonPointLiesInTheLongitudesDirection()
{
    QFETCH(double, longitude);
    QFETCH(QPointF, direction);
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(pictureRect());
    const QPointF offset = SkyGeometry::moonPoint(pictureRect(), longitude) - rings.centre;
    QVERIFY2(rings.moon > rings.starsInner && rings.moon < rings.signsInner, "the Moon stands in the ring of stars");
    const QPointF expected = direction * rings.moon;
    QVERIFY2(std::abs(offset.x() - expected.x()) < 1e-3 && std::abs(offset.y() - expected.y()) < 1e-3,
             qPrintable(QStringLiteral("offset (%1, %2), expected (%3, %4)")
                            .arg(offset.x())
                            .arg(offset.y())
                            .arg(expected.x())
                            .arg(expected.y())));
}

void SkyPainterTest::sectorsTileTheRingFromAshwini()
{
    COMPARE_ANGLE(SkyGeometry::starSector(0).startAngle, 90.0, 1e-9);
    for (int star = 0; star < 27; ++star) {
        const SkyGeometry::Arc sector = SkyGeometry::starSector(star);
        const SkyGeometry::Arc next = SkyGeometry::starSector((star + 1) % 27);
        COMPARE_ANGLE(sector.spanAngle, starSpan, 1e-9);
        COMPARE_ANGLE(sector.startAngle + sector.spanAngle, next.startAngle, 1e-9);
        COMPARE_ANGLE(SkyGeometry::padaSector(star, 1).startAngle, sector.startAngle, 1e-9);
        const SkyGeometry::Arc lastPada = SkyGeometry::padaSector(star, 4);
        COMPARE_ANGLE(lastPada.startAngle + lastPada.spanAngle, next.startAngle, 1e-9);
        COMPARE_ANGLE(lastPada.spanAngle, starSpan / 4, 1e-9);
    }
    // Revati, the last, closes the ring at Ashwini's start.
    COMPARE_ANGLE(SkyGeometry::starSector(26).startAngle, 90.0 - starSpan, 1e-9);
}

// Rohini (star 3) runs from 40° to 53° 20′; its pada 2 from 43° 20′ to 46° 40′.
void SkyPainterTest::paintsTheBirthStarWithTheMoonsPada()
{
    const QImage picture = skyImage(margin(46.4, 3, 2), pictureRect().size(), 1.0);
    QCOMPARE(pixelAt(picture, insideStarRing(41.7)), SkyColours::birthStar); // pada 1
    QCOMPARE(pixelAt(picture, insideStarRing(45.0)), SkyColours::moonsPada); // pada 2, the Moon's
    QCOMPARE(pixelAt(picture, insideStarRing(51.7)), SkyColours::birthStar); // pada 4
    for (const double elsewhere : {36.0, 56.0, 200.0}) { // Krittika, Mrigasira, Vishakha
        const QRgb shown = pixelAt(picture, insideStarRing(elsewhere));
        QVERIFY2(shown != SkyColours::birthStar && shown != SkyColours::moonsPada,
                 qPrintable(QString::number(elsewhere)));
    }
}

void SkyPainterTest::paintsTheMoonAtItsLongitude_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("star");
    QTest::addColumn<int>("pada");
    QTest::newRow("0°, the start of Ashwini") << 0.0 << 0 << 1;
    QTest::newRow("46.5°, Rohini") << 46.5 << 3 << 2;
    QTest::newRow("359.9°, the end of Revati") << 359.9 << 26 << 4;
}

void SkyPainterTest::paintsTheMoonAtItsLongitude()
{
    QFETCH(double, longitude);
    QFETCH(int, star);
    QFETCH(int, pada);
    const QImage picture = skyImage(margin(longitude, star, pada), pictureRect().size(), 1.0);
    QCOMPARE(pixelAt(picture, SkyGeometry::moonPoint(pictureRect(), longitude)), SkyColours::moon);
    // Half a star away, the ring shows no Moon.
    const QPointF away = SkyGeometry::moonPoint(pictureRect(), longitude + starSpan / 2);
    QVERIFY(pixelAt(picture, away) != SkyColours::moon);
}

void SkyPainterTest::marksTheNearEdgeOnlyWithTheCaution_data()
{
    QTest::addColumn<double>("minutesSinceStarBegan");
    QTest::addColumn<double>("minutesUntilStarEnds");
    QTest::addColumn<double>("edge"); // the longitude of the edge marked, or -1 for none
    QTest::newRow("4 minutes after entering Rohini") << 4.0 << 1400.0 << 40.0;
    QTest::newRow("6 minutes before leaving Rohini") << 1400.0 << 6.0 << 40.0 + starSpan;
    QTest::newRow("far from both edges") << 600.0 << 600.0 << -1.0;
}

void SkyPainterTest::marksTheNearEdgeOnlyWithTheCaution()
{
    QFETCH(double, minutesSinceStarBegan);
    QFETCH(double, minutesUntilStarEnds);
    QFETCH(double, edge);
    ReadingMargin shown = margin(46.0, 3, 2);
    shown.minutesSinceStarBegan = minutesSinceStarBegan;
    shown.minutesUntilStarEnds = minutesUntilStarEnds;
    shown.previousNakshatraName = QStringLiteral("Krittika");
    shown.nextNakshatraName = QStringLiteral("Mrigasira");
    QCOMPARE(starCautionText(shown).isEmpty(), edge < 0);

    const QImage picture = skyImage(shown, pictureRect().size(), 1.0);
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(pictureRect());
    const double signsMiddle = (rings.signsInner + rings.outer) / 2;
    for (const double boundary : {40.0, 40.0 + starSpan}) {
        const bool marked
            = pixelAt(picture, SkyGeometry::pointAt(rings.centre, signsMiddle, boundary)) == SkyColours::caution;
        QVERIFY2(marked == (boundary == edge), qPrintable(QStringLiteral("edge at %1°").arg(boundary)));
    }
}

// A Madrid birth four minutes after the Moon entered Ashwini: the Moon stands at the very start of Ashwini's sector,
// within the four minutes' motion of the Moon (about 0.04°), and the caution marks that edge.
void SkyPainterTest::madridBirthFourMinutesIntoAStarStandsAtItsEdge()
{
    const ReadingMargin reading = readingMargin(madridBirth().details);
    QCOMPARE(reading.nakshatraName, QString::fromLatin1(madridBirth().star));
    QVERIFY2(reading.minutesSinceStarBegan >= 3.0 && reading.minutesSinceStarBegan < 5.0,
             qPrintable(QString::number(reading.minutesSinceStarBegan)));
    QCOMPARE(cautionEdge(reading), StarEdge::Start);

    const double intoSector = SkyGeometry::angleOf(reading.siderealLongitude) - SkyGeometry::starSector(0).startAngle;
    QVERIFY2(intoSector > 0.0 && intoSector < 0.1, qPrintable(QString::number(intoSector, 'g', 6)));

    const QImage picture = skyImage(reading, pictureRect().size(), 1.0);
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(pictureRect());
    QCOMPARE(pixelAt(picture, SkyGeometry::pointAt(rings.centre, (rings.signsInner + rings.outer) / 2, 0.0)),
             SkyColours::caution);
}

void SkyPainterTest::drawsEveryDevicePixelAtTwiceThePixelRatio()
{
    const ReadingMargin shown = readingMargin(madridBirth().details);
    const QImage single = skyImage(shown, QSizeF(200, 200), 1.0);
    const QImage doubled = skyImage(shown, QSizeF(200, 200), 2.0);
    QCOMPARE(single.size(), QSize(200, 200));
    QCOMPARE(doubled.size(), QSize(400, 400));
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    // Drawn anew at 2x, not scaled up: detail inside the 2 x 2 blocks along every line and letter.
    const int detailed = detailedBlocks(doubled);
    const int edges = edgePixels(single);
    QVERIFY2(detailed > edges / 2,
             qPrintable(QStringLiteral("%1 detailed blocks, %2 edges at 1x").arg(detailed).arg(edges)));
}

QTEST_MAIN(SkyPainterTest)
#include "SkyPainterTest.moc"
