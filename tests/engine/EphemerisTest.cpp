#include "engine/Ephemeris.h"

#include "tests/support/AngleCompare.h"
#include "tests/support/SampleBirths.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

// A moment in Universal Time, as a birth at Greenwich.
BirthData atGreenwich(QDate date, int hour, int minute)
{
    return birth(date.day(), date.month(), date.year(), hour, minute, 0, 0, 0, 0, false);
}

// The Sun's geometric longitude, mean equinox of date, in degrees: the low-accuracy solar theory of Meeus,
// Astronomical Algorithms, chapter 25 (good to 0.01 degree). The engine has no Sun of its own, so this is an
// outside yardstick for the Moon.
double sunLongitude(double t)
{
    const double toRadians = 3.14159265358979323846 / 180.0;
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double meanAnomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * toRadians;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomaly)
        + (0.019993 - 0.000101 * t) * std::sin(2.0 * meanAnomaly) + 0.000289 * std::sin(3.0 * meanAnomaly);
    return std::fmod(meanLongitude + centre, 360.0);
}

QString nameOf(const BirthStarReading& reading)
{
    return QString::fromUtf8(reading.nakshatraName.data(), qsizetype(reading.nakshatraName.size()));
}

// The normalisation as plainly written, one turn at a time.
double normalizeOneTurnAtATime(double longitude)
{
    while (longitude < 0) {
        longitude += 360.0;
    }
    while (longitude > 360.0) {
        longitude -= 360.0;
    }
    return longitude;
}

} // namespace

Q_DECLARE_METATYPE(BirthData)

class EphemerisTest : public QObject
{
    Q_OBJECT

private slots:
    void dayNumberOfCivilDates_data();
    void dayNumberOfCivilDates();
    void calendarChangeSkipsTenDays();
    void universalTimeFollowsTheSideOfGreenwich_data();
    void universalTimeFollowsTheSideOfGreenwich();
    void workedExamplesStepByStep_data();
    void workedExamplesStepByStep();
    void truncatedSeriesStaysCloseToTheFullOne();
    void moonStandsOppositeTheSunAtTotalLunarEclipses_data();
    void moonStandsOppositeTheSunAtTotalLunarEclipses();
    void normalizationMatchesOneTurnAtATime();
    void exactlyFullCircleStaysFullCircle();
    void boundaryBelongsToTheStarThatBeginsThere_data();
    void boundaryBelongsToTheStarThatBeginsThere();
    void moonPassesThroughTheStarsInOrder_data();
    void moonPassesThroughTheStarsInOrder();
    void extremeYearsStayInsideTheTable_data();
    void extremeYearsStayInsideTheTable();
};

void EphemerisTest::dayNumberOfCivilDates_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 January 2000") << 1 << 1 << 2000 << 2451545.0;
    QTest::newRow("29 February 2000") << 2 << 29 << 2000 << 2451604.0;
    QTest::newRow("1 March 1900") << 3 << 1 << 1900 << 2415080.0;
    QTest::newRow("15 October 1582, first Gregorian day") << 10 << 15 << 1582 << 2299161.0;
    QTest::newRow("4 October 1582, last Julian day") << 10 << 4 << 1582 << 2299160.0;
    QTest::newRow("31 April runs on into 1 May") << 4 << 31 << 2000 << 2451666.0;
    QTest::newRow("1 May 2000") << 5 << 1 << 2000 << 2451666.0;
    QTest::newRow("20 July 1969") << 7 << 20 << 1969 << 2440423.0;
    QTest::newRow("1 January 4713 BC (year -4712)") << 1 << 1 << -4712 << 0.0;
}

void EphemerisTest::dayNumberOfCivilDates()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(double, expected);
    QCOMPARE(dayNumber(month, day, year), expected);
}

void EphemerisTest::calendarChangeSkipsTenDays()
{
    QCOMPARE(dayNumber(10, 15, 1582) - dayNumber(10, 4, 1582), 1.0);
    QCOMPARE(dayNumber(3, 1, 1500) - dayNumber(2, 28, 1500), 2.0); // 1500 is a Julian leap year
    QCOMPARE(dayNumber(3, 1, 1900) - dayNumber(2, 28, 1900), 1.0); // 1900 is no Gregorian leap year
}

void EphemerisTest::universalTimeFollowsTheSideOfGreenwich_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<double>("expected");
    QTest::newRow("noon, 5 h 30 min east") << birth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true) << 6.5;
    QTest::newRow("midnight east goes below zero") << birth(1, 1, 2000, 0, 0, 5, 30, 77, 12, true) << -5.5;
    QTest::newRow("west with daylight saving")
        << birth(20, 7, 1969, 16, 17, 5, 0, 74, 0, false, true) << 16.0 + 17.0 / 60.0 + 4.0;
    QTest::newRow("east with daylight saving") << birth(1, 6, 1990, 10, 0, 1, 0, 13, 0, true, true) << 8.0;
    QTest::newRow("0 deg 0 min East counts as west") << birth(1, 6, 1990, 10, 0, 1, 0, 0, 0, true) << 11.0;
    QTest::newRow("0 deg 0 min East with daylight saving") << birth(1, 6, 1990, 10, 0, 1, 0, 0, 0, true, true) << 10.0;
    QTest::newRow("east by minutes alone") << birth(1, 6, 1990, 10, 0, 1, 0, 0, 1, true) << 9.0;
    QTest::newRow("02:00 at 5 h 30 min east") << birth(1, 6, 1990, 2, 0, 5, 30, 77, 0, true) << -3.5;
    QTest::newRow("zone minutes past 60 add on") << birth(1, 6, 1990, 2, 0, 0, 90, 10, 0, false) << 3.5;
}

void EphemerisTest::universalTimeFollowsTheSideOfGreenwich()
{
    QFETCH(BirthData, data);
    QFETCH(double, expected);
    QCOMPARE(universalHours(data), expected);
}

void EphemerisTest::normalizationMatchesOneTurnAtATime()
{
    const double edgeCases[] = {-239371.120283 + 0.115785,
                                -0.0,
                                -1e-300,
                                -1e-13,
                                -360.0,
                                -360.00000000000006,
                                -720.0,
                                0.0,
                                359.99999999999994,
                                360.0,
                                360.00000000000006,
                                720.0,
                                1e6 + 0.123,
                                -1.67e8 + 0.77,
                                1.5e8 - 0.31};
    for (const double value : edgeCases) {
        const double expected = normalizeOneTurnAtATime(value);
        const double actual = normalizeTropicalLongitude(value);
        QVERIFY2(actual == expected && std::signbit(actual) == std::signbit(expected),
                 qPrintable(QStringLiteral("%1: %2 != %3")
                                .arg(value, 0, 'g', 17)
                                .arg(actual, 0, 'g', 17)
                                .arg(expected, 0, 'g', 17)));
    }
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> spread(-3.0e5, 3.0e5);
    for (int i = 0; i < 20000; ++i) {
        const double value = spread(random);
        QCOMPARE(normalizeTropicalLongitude(value), normalizeOneTurnAtATime(value));
    }
}

void EphemerisTest::exactlyFullCircleStaysFullCircle()
{
    QCOMPARE(normalizeTropicalLongitude(360.0), 360.0);
    QVERIFY(normalizeTropicalLongitude(360.0 + 1e-12) < 1e-11);
    QCOMPARE(normalizeTropicalLongitude(-360.0), 0.0);
}

// The worked examples of the method, each step against the values it gives: T, the sidereal correction, the
// Moon's tropical longitude, its sidereal longitude and the star. The Moon's longitude is taken of the listed T, so
// a wrong time argument and a wrong series each show in their own column.
void EphemerisTest::workedExamplesStepByStep_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<double>("centuries");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("tropical");
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    // T = (day number - 2451545 + universal hours / 24 - 0.5) / 36525, worked out by hand for the first two.
    QTest::newRow("2000-01-01 12:00, 77E12") << swatiBirth().details << -0.2291666666666667 / 36525.0 << -23.8537178
                                             << 220.5565136 << 196.7027958 << 14 << "Swati";
    QTest::newRow("2000-01-01 00:00, 77E12")
        << birth(1, 1, 2000, 0, 0, 5, 30, 77, 12, true) << -0.7291666666666667 / 36525.0 << -23.8537005 << 214.5051068
        << 190.6514063 << 14 << "Swati";
    QTest::newRow("1950-03-21 06:30, Greenwich")
        << ashwiniBirth().details << -0.4978296828656172 << -23.1617498 << 28.9955020 << 5.8337523 << 0 << "Ashwini";
    QTest::newRow("2050-12-31 23:59, 175E") << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 0.5099794471062439
                                            << -24.5726526 << 138.6318499 << 114.0591973 << 8 << "Ashlesha";
    QTest::newRow("1901-01-01 00:00, Greenwich")
        << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << (2415386.0 - 2451545.5) / 36525.0 << -22.4800431 << 48.3100380
        << 25.8299949 << 1 << "Bharani";
}

void EphemerisTest::workedExamplesStepByStep()
{
    QFETCH(BirthData, data);
    QFETCH(double, centuries);
    QFETCH(double, offset);
    QFETCH(double, tropical);
    QFETCH(double, sidereal);
    QFETCH(int, number);
    QFETCH(QString, name);
    const double t = centuriesSinceJ2000(data);
    QVERIFY2(std::fabs(t - centuries) <= 1e-12 * std::fabs(centuries),
             qPrintable(QStringLiteral("T %1, expected %2").arg(t, 0, 'g', 17).arg(centuries, 0, 'g', 17)));
    QVERIFY2(std::fabs(ayanamsaOffset(centuries) - offset) < 2e-7,
             qPrintable(QString::number(ayanamsaOffset(centuries), 'g', 12)));
    const double longitude = moonLongitude(centuries);
    COMPARE_ANGLE(longitude, tropical, 2e-7);
    QVERIFY(longitude >= 0.0 && longitude <= 360.0);
    const BirthStarReading reading = findBirthStar(data);
    COMPARE_ANGLE(reading.siderealLongitude, sidereal, 2e-7);
    QCOMPARE(reading.nakshatraNumber, number);
    QCOMPARE(nameOf(reading), name);
}

// Meeus, Astronomical Algorithms, example 47.a: 1992 April 12 at 0h, T = -0.077221081451, where the whole series
// gives lambda = 133.162655 degrees. The 35 smaller rows and the three additive terms the engine leaves out are
// together less than 0.05 degree in size, so 25 rows must land within that of the published value.
void EphemerisTest::truncatedSeriesStaysCloseToTheFullOne()
{
    const BirthData moment = atGreenwich(QDate(1992, 4, 12), 0, 0);
    const double t = centuriesSinceJ2000(moment);
    QVERIFY2(std::fabs(t - -0.077221081451) < 1e-12, qPrintable(QString::number(t, 'g', 14)));
    COMPARE_ANGLE(moonLongitude(t), 133.162655, 0.05);
}

void EphemerisTest::moonStandsOppositeTheSunAtTotalLunarEclipses_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("star");
    // Greatest eclipse in Universal Time, from the published eclipse tables. The stars are the ones the Moon's place
    // opposite the Sun falls in, each more than 3 degrees from its edges; the two near the equinox lie below the
    // size of the sidereal correction and wrap round to the end of the zodiac.
    QTest::newRow("2014-10-08, wraps") << QDate(2014, 10, 8) << 10 << 55 << "Revati";
    QTest::newRow("2015-09-28, wraps") << QDate(2015, 9, 28) << 2 << 48 << "Uttara Bhadrapada";
    QTest::newRow("2000-01-21") << QDate(2000, 1, 21) << 4 << 44 << "Pushya";
    QTest::newRow("1950-04-02") << QDate(1950, 4, 2) << 20 << 44 << "Hasta";
    QTest::newRow("1982-07-06") << QDate(1982, 7, 6) << 7 << 31 << "Purva Ashadha";
}

// At the greatest phase of a total lunar eclipse the Moon stands opposite the Sun, to within what the Moon moves in
// the minutes between the two instants. The tolerance holds that and the rows the engine leaves out of its series.
void EphemerisTest::moonStandsOppositeTheSunAtTotalLunarEclipses()
{
    QFETCH(QDate, date);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, star);
    const BirthData moment = atGreenwich(date, hour, minute);
    const double t = centuriesSinceJ2000(moment);
    COMPARE_ANGLE(moonLongitude(t), sunLongitude(t) + 180.0, 0.1);
    QCOMPARE(nameOf(findBirthStar(moment)), star);
}

void EphemerisTest::boundaryBelongsToTheStarThatBeginsThere_data()
{
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("number");
    QTest::newRow("0 is Ashwini") << 0.0 << 0;
    QTest::newRow("just below 360 is Revati") << std::nextafter(360.0, 0.0) << 26;
    QTest::newRow("40 exactly is Rohini") << 40.0 << 3;
    QTest::newRow("39.9999 is Krittika") << 39.9999 << 2;
    QTest::newRow("just below 40 is Krittika") << std::nextafter(40.0, 0.0) << 2;
    QTest::newRow("80 exactly is Pushya") << 80.0 << 6;
    QTest::newRow("120 exactly is Magha") << 120.0 << 9;
    QTest::newRow("just below 120 is Ashlesha") << std::nextafter(120.0, 0.0) << 8;
    QTest::newRow("240 exactly is Moola") << 240.0 << 18;
    QTest::newRow("320 exactly is Poorva Bhadrapada") << 320.0 << 24;
    QTest::newRow("346.15 is Uttara Bhadrapada") << 346.15 << 25;
}

void EphemerisTest::boundaryBelongsToTheStarThatBeginsThere()
{
    QFETCH(double, sidereal);
    QFETCH(int, number);
    QCOMPARE(nakshatraNumberAt(sidereal), number);
}

void EphemerisTest::moonPassesThroughTheStarsInOrder_data()
{
    QTest::addColumn<QDate>("start");
    for (const QDate start : {QDate(1901, 1, 1), QDate(1937, 6, 15), QDate(1969, 7, 1), QDate(2000, 1, 1),
                              QDate(2024, 10, 1), QDate(2050, 12, 1)}) {
        QTest::newRow(qPrintable(start.toString(Qt::ISODate))) << start;
    }
}

// Hour by hour through a little more than a sidereal month: the Moon moves on by 11.8 to 15.4 degrees a day, so the
// star changes only to the next one, wraps from Revati to Ashwini, and each star lasts between 20.8 and 27.1 hours
// (29 and 19 with the hour of sampling on either side).
void EphemerisTest::moonPassesThroughTheStarsInOrder()
{
    QFETCH(QDate, start);
    constexpr int hours = 28 * 24;
    int previous = -1;
    int changes = 0;
    int wraps = 0;
    int lastChange = -1;
    for (int hour = 0; hour <= hours; ++hour) {
        const int number = findBirthStar(atGreenwich(start.addDays(hour / 24), hour % 24, 0)).nakshatraNumber;
        if (previous >= 0 && number != previous) {
            QVERIFY2(number == (previous + 1) % nakshatraCount,
                     qPrintable(QStringLiteral("hour %1: star %2 after star %3").arg(hour).arg(number).arg(previous)));
            wraps += number == 0 ? 1 : 0;
            if (lastChange >= 0) {
                const int lasted = hour - lastChange;
                QVERIFY2(lasted >= 19 && lasted <= 29,
                         qPrintable(QStringLiteral("star %1 lasted %2 hours").arg(previous).arg(lasted)));
            }
            lastChange = hour;
            ++changes;
        }
        previous = number;
    }
    // 28 days carry the Moon a little over one turn: 27 or 28 changes, give or take the month's uneven pace.
    QVERIFY2(changes >= 26 && changes <= 29, qPrintable(QString::number(changes)));
    QCOMPARE(wraps, 1);
}

void EphemerisTest::extremeYearsStayInsideTheTable_data()
{
    QTest::addColumn<int>("year");
    for (const int year : {-32768, -20000, -4712, 0, 100, 284, 285, 1582, 24900, 24901, 30000, 32767}) {
        QTest::addRow("year %d", year) << year;
    }
}

void EphemerisTest::extremeYearsStayInsideTheTable()
{
    QFETCH(int, year);
    for (int month = 1; month <= 12; ++month) {
        for (int hour = 0; hour < 24; hour += 3) {
            const BirthStarReading reading = findBirthStar(birth(15, month, year, hour, 0, 0, 0, 0, 0, false));
            QVERIFY2(reading.nakshatraNumber >= 0 && reading.nakshatraNumber <= 26,
                     qPrintable(QString::number(reading.nakshatraNumber)));
            QVERIFY(reading.siderealLongitude >= 0.0 && reading.siderealLongitude < 360.0);
            QCOMPARE(reading.nakshatraNumber, nakshatraNumberAt(reading.siderealLongitude));
            QCOMPARE(reading.nakshatraName, nakshatraNames[static_cast<std::size_t>(reading.nakshatraNumber)]);
        }
    }
}

QTEST_GUILESS_MAIN(EphemerisTest)
#include "EphemerisTest.moc"
