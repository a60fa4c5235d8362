#include "engine/Ephemeris.h"

#include "tests/support/AngleCompare.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

BirthData birth(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes, int lonDegrees,
                int lonMinutes, bool east, bool dst = false)
{
    BirthData data;
    data.day = static_cast<std::int16_t>(day);
    data.month = static_cast<std::int16_t>(month);
    data.year = static_cast<std::int16_t>(year);
    data.hour = static_cast<std::int16_t>(hour);
    data.minute = static_cast<std::int16_t>(minute);
    data.zoneHours = static_cast<std::int16_t>(zoneHours);
    data.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    data.longitudeDegrees = static_cast<std::int16_t>(lonDegrees);
    data.longitudeMinutes = static_cast<std::int16_t>(lonMinutes);
    data.isEast = east;
    data.daylightSaving = dst;
    return data;
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
    void centuriesFromTheLocalDate();
    void moonLongitudeAtPublishedMoments_data();
    void moonLongitudeAtPublishedMoments();
    void normalizationMatchesOneTurnAtATime();
    void exactlyFullCircleStaysFullCircle();
    void birthStarOfPublishedBirths_data();
    void birthStarOfPublishedBirths();
    void boundaryBelongsToTheStarThatBeginsThere_data();
    void boundaryBelongsToTheStarThatBeginsThere();
    void smallTropicalLongitudeWrapsBelowZero();
    void offeredYearsGiveThePlainStepsBitForBit();
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

void EphemerisTest::centuriesFromTheLocalDate()
{
    const BirthData noon = birth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true);
    QVERIFY(std::fabs(centuriesSinceJ2000(noon) - (-0.2291666666666667 / 36525.0)) < 1e-17);
    QVERIFY(std::fabs(centuriesSinceJ2000(noon) - (-6.274241387177732e-06)) < 1e-18);
    const BirthData midnight = birth(1, 1, 2000, 0, 0, 5, 30, 77, 12, true);
    QVERIFY(std::fabs(centuriesSinceJ2000(midnight) - (-0.7291666666666667 / 36525.0)) < 1e-17);
    QCOMPARE(dayNumber(7, 20, 1969), 2440423.0);
}

void EphemerisTest::moonLongitudeAtPublishedMoments_data()
{
    QTest::addColumn<double>("centuries");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 January 2000, 06:30 UT") << -6.274241387177732e-06 << 220.5565136;
    QTest::newRow("21 March 1950, 06:30 UT") << -0.4978296828656172 << 28.995502;
    QTest::newRow("31 December 2050, 11:59 UT") << 0.5099794471062439 << 138.6318499;
}

void EphemerisTest::moonLongitudeAtPublishedMoments()
{
    QFETCH(double, centuries);
    QFETCH(double, expected);
    const double longitude = moonLongitude(centuries);
    COMPARE_ANGLE(longitude, expected, 1e-6);
    QVERIFY(longitude >= 0.0 && longitude <= 360.0);
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

void EphemerisTest::birthStarOfPublishedBirths_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("tropical");
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("2000-01-01 12:00, 77E12")
        << birth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true) << -23.8537178 << 220.5565136 << 196.7027958 << 14 << "Swati";
    QTest::newRow("2000-01-01 00:00, 77E12")
        << birth(1, 1, 2000, 0, 0, 5, 30, 77, 12, true) << -23.8537005 << 214.5051068 << 190.6514063 << 14 << "Swati";
    QTest::newRow("1950-03-21 06:30, Greenwich")
        << birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false) << -23.1617498 << 28.9955020 << 5.8337523 << 0 << "Ashwini";
    QTest::newRow("2050-12-31 23:59, 175E") << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << -24.5726526
                                            << 138.6318499 << 114.0591973 << 8 << "Ashlesha";
    QTest::newRow("1901-01-01 00:00, Greenwich")
        << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << -22.4800431 << 48.3100380 << 25.8299949 << 1 << "Bharani";
}

void EphemerisTest::birthStarOfPublishedBirths()
{
    QFETCH(BirthData, data);
    QFETCH(double, offset);
    QFETCH(double, tropical);
    QFETCH(double, sidereal);
    QFETCH(int, number);
    QFETCH(QString, name);
    const double t = centuriesSinceJ2000(data);
    QVERIFY2(std::fabs(ayanamsaOffset(t) - offset) < 2e-7, qPrintable(QString::number(ayanamsaOffset(t), 'g', 12)));
    COMPARE_ANGLE(moonLongitude(t), tropical, 2e-7);
    const BirthStarReading reading = findBirthStar(data);
    COMPARE_ANGLE(reading.siderealLongitude, sidereal, 2e-7);
    QCOMPARE(reading.nakshatraNumber, number);
    QCOMPARE(QString::fromUtf8(reading.nakshatraName.data(), qsizetype(reading.nakshatraName.size())), name);
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

void EphemerisTest::smallTropicalLongitudeWrapsBelowZero()
{
    // Find a birth whose tropical longitude is below the size of the correction, so the sum wraps.
    for (int day = 1; day <= 28; ++day) {
        const BirthData data = birth(day, 4, 1985, 12, 0, 0, 0, 0, 0, false);
        const double t = centuriesSinceJ2000(data);
        const double sum = moonLongitude(t) + ayanamsaOffset(t);
        if (sum < 0) {
            const BirthStarReading reading = findBirthStar(data);
            COMPARE_ANGLE(reading.siderealLongitude, sum + 360.0, 0.0);
            QVERIFY(reading.nakshatraNumber >= 24);
            return;
        }
    }
    QFAIL("no birth in April 1985 had the Moon within the correction of 0 degrees");
}

void EphemerisTest::offeredYearsGiveThePlainStepsBitForBit()
{
    for (int year = 1901; year <= 2050; year += 7) {
        for (int month = 1; month <= 12; month += 5) {
            for (int hour = 0; hour < 24; hour += 11) {
                const BirthData data = birth(1 + (year % 28), month, year, hour, year % 60, 5, 30, 77, 12, year % 2);
                const double t = centuriesSinceJ2000(data);
                double sum = moonLongitude(t) + ayanamsaOffset(t);
                if (sum < 0) {
                    sum += 360.0;
                }
                const BirthStarReading reading = findBirthStar(data);
                QCOMPARE(reading.siderealLongitude, sum);
                QCOMPARE(reading.nakshatraNumber, static_cast<int>(std::floor(sum * 60.0 / 800.0)));
            }
        }
    }
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
