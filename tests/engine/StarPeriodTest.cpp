#include "engine/StarPeriod.h"

#include "engine/Ephemeris.h"
#include "tests/support/MinuteSteps.h"
#include "tests/support/SampleBirths.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {

constexpr double hoursPerCentury = 24.0 * 36525.0; // Julian centuries of 36525 days
constexpr double oneMinute = 1.0 / 60.0; // hours
constexpr double oneSecond = 1.0 / 3600.0; // hours
constexpr double roundingHours = 1e-9; // a whole-minute birth and an offset in T differ by rounding only

// The birth star at an offset in hours from the birth, for offsets that are not whole minutes.
int starAtOffset(const BirthData& data, double hours)
{
    return nakshatraNumberAt(siderealLongitudeAt(centuriesSinceJ2000(data) + hours / hoursPerCentury));
}

// The first and last whole minutes around the birth that still give the birth's star, found by asking
// findBirthStar minute by minute.
struct MinuteScan
{
    int firstMinute = 0;
    int lastMinute = 0;
};

MinuteScan scanBirthStar(const BirthData& data)
{
    const int star = birthStarOf(data);
    MinuteScan scan;
    while (scan.firstMinute > -longestScanMinutes && birthStarOf(minutesLater(data, scan.firstMinute - 1)) == star) {
        --scan.firstMinute;
    }
    while (scan.lastMinute < longestScanMinutes && birthStarOf(minutesLater(data, scan.lastMinute + 1)) == star) {
        ++scan.lastMinute;
    }
    return scan;
}

// The true entry lies after the last minute of the star before, the true exit after the last minute of this star;
// each end of the period may lie up to one second after the crossing it marks.
void verifyPeriodAgainstScan(const StarPeriod& period, const MinuteScan& scan)
{
    const double startMinutes = period.startHours * 60.0;
    const double endMinutes = period.endHours * 60.0;
    QVERIFY2(
        startMinutes > scan.firstMinute - 1 && startMinutes <= scan.firstMinute + (oneSecond + roundingHours) * 60,
        qPrintable(QStringLiteral("start %1 min, scan's first minute %2").arg(startMinutes).arg(scan.firstMinute)));
    QVERIFY2(endMinutes > scan.lastMinute && endMinutes <= scan.lastMinute + 1 + (oneSecond + roundingHours) * 60,
             qPrintable(QStringLiteral("end %1 min, scan's last minute %2").arg(endMinutes).arg(scan.lastMinute)));
}

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

} // namespace

Q_DECLARE_METATYPE(BirthData)

class StarPeriodTest : public QObject
{
    Q_OBJECT

private slots:
    void padaOfQuarterBoundaries_data();
    void padaOfQuarterBoundaries();
    void moonSignOfSignBoundaries_data();
    void moonSignOfSignBoundaries();
    void padaOneBeginsWhereTheStarBegins_data();
    void padaOneBeginsWhereTheStarBegins();
    void signBeginsWithItsTraditionalQuarter_data();
    void signBeginsWithItsTraditionalQuarter();
    void publishedBirthsHaveTheirPadaSignAndSpan_data();
    void publishedBirthsHaveTheirPadaSignAndSpan();
    void birthsAMinuteEitherSideOfACrossing_data();
    void birthsAMinuteEitherSideOfACrossing();
    void revatiRunsOnIntoAshwini();
    void periodHoldsTheBirthStarAndNothingElse_data();
    void periodHoldsTheBirthStarAndNothingElse();
};

void StarPeriodTest::padaOfQuarterBoundaries_data()
{
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("pada");
    QTest::newRow("0 begins pada 1") << 0.0 << 1;
    QTest::newRow("3.3 is still pada 1") << 3.3 << 1;
    QTest::newRow("3.34 is pada 2") << 3.34 << 2;
    QTest::newRow("6.66 is pada 2") << 6.66 << 2;
    QTest::newRow("6.67 is pada 3") << 6.67 << 3;
    QTest::newRow("just below 10 is pada 3") << std::nextafter(10.0, 0.0) << 3;
    QTest::newRow("10 exactly begins pada 4") << 10.0 << 4;
    QTest::newRow("13.3333 is Ashwini's pada 4") << 13.3333 << 4;
    QTest::newRow("13.3334 is Bharani's pada 1") << 13.3334 << 1;
    QTest::newRow("20 exactly begins Bharani's pada 3") << 20.0 << 3;
    QTest::newRow("just below 40 is Krittika's pada 4") << std::nextafter(40.0, 0.0) << 4;
    QTest::newRow("40 exactly begins Rohini's pada 1") << 40.0 << 1;
    QTest::newRow("196.7027958, a Swati birth") << 196.7027958 << 4;
    QTest::newRow("346.15 is Uttara Bhadrapada's pada 4") << 346.15 << 4;
    QTest::newRow("350 exactly begins Revati's pada 2") << 350.0 << 2;
    QTest::newRow("just below 360 is Revati's pada 4") << std::nextafter(360.0, 0.0) << 4;
}

void StarPeriodTest::padaOfQuarterBoundaries()
{
    QFETCH(double, sidereal);
    QFETCH(int, pada);
    QCOMPARE(padaAt(sidereal), pada);
}

void StarPeriodTest::moonSignOfSignBoundaries_data()
{
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("name");
    QTest::newRow("0 is Mesha") << 0.0 << 0 << "Mesha (Aries)";
    QTest::newRow("just below 30 is Mesha") << std::nextafter(30.0, 0.0) << 0 << "Mesha (Aries)";
    QTest::newRow("30 exactly is Vrishabha") << 30.0 << 1 << "Vrishabha (Taurus)";
    QTest::newRow("89.999 is Mithuna") << 89.999 << 2 << "Mithuna (Gemini)";
    QTest::newRow("90 exactly is Karka") << 90.0 << 3 << "Karka (Cancer)";
    QTest::newRow("120 exactly is Simha") << 120.0 << 4 << "Simha (Leo)";
    QTest::newRow("150 exactly is Kanya") << 150.0 << 5 << "Kanya (Virgo)";
    QTest::newRow("196.7 is Tula") << 196.7 << 6 << "Tula (Libra)";
    QTest::newRow("just below 240 is Vrishchika") << std::nextafter(240.0, 0.0) << 7 << "Vrishchika (Scorpio)";
    QTest::newRow("240 exactly is Dhanu") << 240.0 << 8 << "Dhanu (Sagittarius)";
    QTest::newRow("270 exactly is Makara") << 270.0 << 9 << "Makara (Capricorn)";
    QTest::newRow("300 exactly is Kumbha") << 300.0 << 10 << "Kumbha (Aquarius)";
    QTest::newRow("330 exactly is Meena") << 330.0 << 11 << "Meena (Pisces)";
    QTest::newRow("just below 360 is Meena") << std::nextafter(360.0, 0.0) << 11 << "Meena (Pisces)";
}

void StarPeriodTest::moonSignOfSignBoundaries()
{
    QFETCH(double, sidereal);
    QFETCH(int, sign);
    QFETCH(QString, name);
    QCOMPARE(moonSignAt(sidereal), sign);
    QCOMPARE(text(moonSignNames[static_cast<std::size_t>(sign)]), name);
}

void StarPeriodTest::padaOneBeginsWhereTheStarBegins_data()
{
    QTest::addColumn<int>("star");
    for (int star = 0; star < nakshatraCount; ++star) {
        QTest::addRow("%s", nakshatraNames[static_cast<std::size_t>(star)].data()) << star;
    }
}

void StarPeriodTest::padaOneBeginsWhereTheStarBegins()
{
    QFETCH(int, star);
    // The very first double that nakshatraNumberAt gives to this star, found one representable step at a time.
    double first = star * 40.0 / 3.0;
    while (nakshatraNumberAt(first) < star) {
        first = std::nextafter(first, 360.0);
    }
    while (first > 0.0 && nakshatraNumberAt(std::nextafter(first, 0.0)) == star) {
        first = std::nextafter(first, 0.0);
    }
    QCOMPARE(nakshatraNumberAt(first), star);
    QCOMPARE(padaAt(first), 1);
    const double lastOfPrevious = first > 0.0 ? std::nextafter(first, 0.0) : std::nextafter(360.0, 0.0);
    QCOMPARE(padaAt(lastOfPrevious), 4);
}

void StarPeriodTest::signBeginsWithItsTraditionalQuarter_data()
{
    // Each sign is 2 1/4 stars, so the signs begin in turn on padas 1, 2, 3 and 4.
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("star");
    QTest::addColumn<int>("pada");
    QTest::newRow("Mesha at Ashwini 1") << 0 << 0 << 1;
    QTest::newRow("Vrishabha at Krittika 2") << 1 << 2 << 2;
    QTest::newRow("Mithuna at Mrigasira 3") << 2 << 4 << 3;
    QTest::newRow("Karka at Punarvasu 4") << 3 << 6 << 4;
    QTest::newRow("Simha at Magha 1") << 4 << 9 << 1;
    QTest::newRow("Kanya at Uttara Phalguni 2") << 5 << 11 << 2;
    QTest::newRow("Tula at Chitra 3") << 6 << 13 << 3;
    QTest::newRow("Vrishchika at Vishakha 4") << 7 << 15 << 4;
    QTest::newRow("Dhanu at Moola 1") << 8 << 18 << 1;
    QTest::newRow("Makara at Uttara Ashadha 2") << 9 << 20 << 2;
    QTest::newRow("Kumbha at Dhanistha 3") << 10 << 22 << 3;
    QTest::newRow("Meena at Poorva Bhadrapada 4") << 11 << 24 << 4;
}

void StarPeriodTest::signBeginsWithItsTraditionalQuarter()
{
    QFETCH(int, sign);
    QFETCH(int, star);
    QFETCH(int, pada);
    double first = sign * 30.0;
    while (moonSignAt(first) < sign) {
        first = std::nextafter(first, 360.0);
    }
    while (first > 0.0 && moonSignAt(std::nextafter(first, 0.0)) == sign) {
        first = std::nextafter(first, 0.0);
    }
    QCOMPARE(moonSignAt(first), sign);
    QCOMPARE(nakshatraNumberAt(first), star);
    QCOMPARE(padaAt(first), pada);
    if (first > 0.0) {
        // The sign's boundary is also the quarter's: the double below it is in the quarter before.
        const double below = std::nextafter(first, 0.0);
        QCOMPARE(moonSignAt(below), sign - 1);
        QCOMPARE(padaAt(below), pada == 1 ? 4 : pada - 1);
    }
}

void StarPeriodTest::publishedBirthsHaveTheirPadaSignAndSpan_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("star");
    QTest::addColumn<int>("pada");
    QTest::addColumn<QString>("sign");
    // Star and sidereal longitude as published for these births; the pada and sign follow from the longitude.
    QTest::newRow("2000-01-01 12:00, 77E12, s 196.7027958")
        << birth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true) << 14 << 4 << "Tula (Libra)";
    QTest::newRow("2000-01-01 00:00, 77E12, s 190.6514063")
        << birth(1, 1, 2000, 0, 0, 5, 30, 77, 12, true) << 14 << 2 << "Tula (Libra)";
    QTest::newRow("1950-03-21 06:30, Greenwich, s 5.8337523")
        << birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false) << 0 << 2 << "Mesha (Aries)";
    QTest::newRow("2050-12-31 23:59, 175E, s 114.0591973")
        << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 8 << 3 << "Karka (Cancer)";
    QTest::newRow("1901-01-01 00:00, Greenwich, s 25.8299949")
        << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 1 << 4 << "Mesha (Aries)";
}

void StarPeriodTest::publishedBirthsHaveTheirPadaSignAndSpan()
{
    QFETCH(BirthData, data);
    QFETCH(int, star);
    QFETCH(int, pada);
    QFETCH(QString, sign);
    const BirthStarReading reading = findBirthStar(data);
    QCOMPARE(reading.nakshatraNumber, star);
    QCOMPARE(padaAt(reading.siderealLongitude), pada);
    QCOMPARE(text(moonSignNames[static_cast<std::size_t>(moonSignAt(reading.siderealLongitude))]), sign);

    const StarPeriod period = starPeriod(data);
    const MinuteScan scan = scanBirthStar(data);
    QCOMPARE(period.nakshatraNumber, star);
    QCOMPARE(period.previousNakshatraNumber, birthStarOf(minutesLater(data, scan.firstMinute - 1)));
    QCOMPARE(period.nextNakshatraNumber, birthStarOf(minutesLater(data, scan.lastMinute + 1)));
    verifyPeriodAgainstScan(period, scan);
}

void StarPeriodTest::birthsAMinuteEitherSideOfACrossing_data()
{
    QTest::addColumn<BirthData>("searchFrom");
    QTest::addColumn<int>("fromStar");
    QTest::addColumn<int>("intoStar");
    QTest::newRow("Swati into Vishakha, 77E12") << birth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true) << 14 << 15;
    QTest::newRow("Ashwini into Bharani, Greenwich") << birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false) << 0 << 1;
    QTest::newRow("Ashlesha into Magha, 175E") << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 8 << 9;
    QTest::newRow("Revati into Ashwini, 74W daylight saving")
        << birth(17, 1, 2024, 7, 0, 5, 0, 74, 0, false, true) << 26 << 0;
    QTest::newRow("Bharani into Krittika, 1901") << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 1 << 2;
}

void StarPeriodTest::birthsAMinuteEitherSideOfACrossing()
{
    QFETCH(BirthData, searchFrom);
    QFETCH(int, fromStar);
    QFETCH(int, intoStar);
    QCOMPARE(birthStarOf(searchFrom), fromStar);
    int crossing = 1; // the first whole minute of the next star, by findBirthStar
    while (crossing < longestScanMinutes && birthStarOf(minutesLater(searchFrom, crossing)) == fromStar) {
        ++crossing;
    }
    const BirthData before = minutesLater(searchFrom, crossing - 1);
    const BirthData after = minutesLater(searchFrom, crossing);
    QCOMPARE(birthStarOf(after), intoStar);

    const StarPeriod ending = starPeriod(before);
    QCOMPARE(ending.nakshatraNumber, fromStar);
    QCOMPARE(ending.nextNakshatraNumber, intoStar);
    QVERIFY2(ending.endHours > 0.0 && ending.endHours <= oneMinute + oneSecond + roundingHours,
             qPrintable(QString::number(ending.endHours * 60.0, 'g', 10)));

    const StarPeriod beginning = starPeriod(after);
    QCOMPARE(beginning.nakshatraNumber, intoStar);
    QCOMPARE(beginning.previousNakshatraNumber, fromStar);
    QVERIFY2(beginning.startHours > -oneMinute && beginning.startHours <= 0.0,
             qPrintable(QString::number(beginning.startHours * 60.0, 'g', 10)));

    // Both births see the same crossing, one minute apart on the clock.
    QVERIFY(std::fabs((ending.endHours - oneMinute) - beginning.startHours) <= oneSecond + roundingHours);
}

void StarPeriodTest::revatiRunsOnIntoAshwini()
{
    // A Revati birth whose sidereal longitude runs through 360 into Ashwini: the whole stay, not a stretch that
    // ends at the seam or a month away.
    const BirthData data = birth(17, 1, 2024, 12, 0, 0, 0, 0, 0, false);
    QCOMPARE(birthStarOf(data), 26);
    const StarPeriod period = starPeriod(data);
    QCOMPARE(period.nakshatraNumber, 26);
    QCOMPARE(period.nextNakshatraNumber, 0);
    QCOMPARE(period.previousNakshatraNumber, 25);
    const MinuteScan scan = scanBirthStar(data);
    verifyPeriodAgainstScan(period, scan);
    QCOMPARE(birthStarOf(minutesLater(data, scan.lastMinute + 1)), 0);

    const StarPeriod ashwini = starPeriod(minutesLater(data, scan.lastMinute + 1));
    QCOMPARE(ashwini.nakshatraNumber, 0);
    QCOMPARE(ashwini.previousNakshatraNumber, 26);
    QVERIFY(ashwini.startHours > -oneMinute && ashwini.startHours <= 0.0);
    QVERIFY(ashwini.endHours > 19.0 && ashwini.endHours < 28.0);
}

void StarPeriodTest::periodHoldsTheBirthStarAndNothingElse_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::newRow("1901 to 1950") << 1901 << 1950;
    QTest::newRow("1951 to 2000") << 1951 << 2000;
    QTest::newRow("2001 to 2050") << 2001 << 2050;
}

void StarPeriodTest::periodHoldsTheBirthStarAndNothingElse()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    std::mt19937 random(static_cast<unsigned>(firstYear));
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    for (int i = 0; i < 400; ++i) {
        BirthData data
            = birth(pick(1, 28), pick(1, 12), pick(firstYear, lastYear), pick(0, 23), pick(0, 59), pick(0, 12),
                    15 * pick(0, 3), pick(0, 179), pick(0, 59), pick(0, 1) == 1, pick(0, 1) == 1);
        data.isSouth = pick(0, 1) == 1;
        const QByteArray where = QStringLiteral("%1-%2-%3 %4:%5, zone %6:%7, %8%9%10")
                                     .arg(data.year)
                                     .arg(data.month)
                                     .arg(data.day)
                                     .arg(data.hour)
                                     .arg(data.minute)
                                     .arg(data.zoneHours)
                                     .arg(data.zoneMinutes)
                                     .arg(data.longitudeDegrees)
                                     .arg(data.isEast ? QLatin1String("E") : QLatin1String("W"))
                                     .arg(data.daylightSaving ? QLatin1String(", daylight saving") : QLatin1String())
                                     .toUtf8();
        const int star = birthStarOf(data);
        QCOMPARE(starAtOffset(data, 0.0), star);

        const StarPeriod period = starPeriod(data);
        QVERIFY2(period.nakshatraNumber == star, where.constData());
        QVERIFY2(period.startHours <= 0.0 && period.endHours > 0.0, where.constData());
        const double span = period.endHours - period.startHours;
        QVERIFY2(span > 19.0 && span < 28.0, where.constData());
        QVERIFY2(starAtOffset(data, period.startHours + oneMinute) == star, where.constData());
        QVERIFY2(starAtOffset(data, period.endHours - oneMinute) == star, where.constData());
        QVERIFY2(starAtOffset(data, period.startHours - oneMinute) == period.previousNakshatraNumber,
                 where.constData());
        QVERIFY2(starAtOffset(data, period.endHours + oneMinute) == period.nextNakshatraNumber, where.constData());
        // Each end is the first moment of its star, at most one second late.
        QVERIFY2(starAtOffset(data, period.startHours) == star, where.constData());
        QVERIFY2(starAtOffset(data, period.startHours - oneSecond - roundingHours) == period.previousNakshatraNumber,
                 where.constData());
        QVERIFY2(starAtOffset(data, period.endHours) == period.nextNakshatraNumber, where.constData());
        QVERIFY2(starAtOffset(data, period.endHours - oneSecond - roundingHours) == star, where.constData());
    }
}

QTEST_GUILESS_MAIN(StarPeriodTest)
#include "StarPeriodTest.moc"
