#include "engine/Vimshottari.h"

#include "engine/Ephemeris.h"
#include "engine/StarPeriod.h"
#include "tests/support/SampleBirths.h"

#include <QTest>

#include <cmath>

namespace {

constexpr double daysPerYear = 365.25;
constexpr double dayTolerance = 1e-6; // days; sums of a dozen spans of up to 20 years differ by rounding only
constexpr double starDegrees = 40.0 / 3.0;
// The Moon moves between about 11.8 and 15.4 degrees a day, so between 0.49 and 0.65 arc minutes a minute: this
// share of a star's 800 arc minutes.
constexpr double leastMotionPerMinute = 0.49 / 800.0;
constexpr double mostMotionPerMinute = 0.65 / 800.0;

BirthData minutesLater(const BirthData& data, int minutes)
{
    BirthData later = data;
    later.minute = static_cast<std::int16_t>(data.minute + minutes);
    return later;
}

int yearsOf(int lord)
{
    return dashaLords[static_cast<std::size_t>(lord)].years;
}

QString planetOf(int lord)
{
    const std::string_view planet = dashaLords[static_cast<std::size_t>(lord)].planet;
    return QString::fromUtf8(planet.data(), static_cast<qsizetype>(planet.size()));
}

QString days(double value)
{
    return QString::number(value, 'f', 9);
}

// Whole spans laid end to end from `first`, and shown spans end to end from the first's shown start.
void verifyEndToEnd(const DashaPeriod* begin, const DashaPeriod* end)
{
    for (const DashaPeriod* period = begin + 1; period != end; ++period) {
        QCOMPARE(period->lord, (period[-1].lord + 1) % dashaLordCount);
        QCOMPARE(days(period->wholeStartDay), days(period[-1].wholeEndDay));
        QCOMPARE(days(period->startDay), days(period[-1].endDay));
    }
}

} // namespace

// What QCOMPARE prints for a failed comparison.
char* toString(const YearsMonthsDays& parts)
{
    return qstrdup(qPrintable(QStringLiteral("%1 y %2 m %3 d").arg(parts.years).arg(parts.months).arg(parts.days)));
}

Q_DECLARE_METATYPE(BirthData)
Q_DECLARE_METATYPE(YearsMonthsDays)

class VimshottariTest : public QObject
{
    Q_OBJECT

private slots:
    void planetsRuleTheStarsInTurn_data();
    void planetsRuleTheStarsInTurn();
    void balanceAtAStarsStartIsItsPlanetsFullYears_data();
    void balanceAtAStarsStartIsItsPlanetsFullYears();
    void aMinuteIntoTheStarLeavesSlightlyLess_data();
    void aMinuteIntoTheStarLeavesSlightlyLess();
    void periodsRunEndToEndForOneHundredTwentyYears_data();
    void periodsRunEndToEndForOneHundredTwentyYears();
    void subPeriodsTileTheirPeriod_data();
    void subPeriodsTileTheirPeriod();
    void workedExamples_data();
    void workedExamples();
    void subPeriodsOutsideTheYearsAreEmpty();
    void yearsMonthsDaysTruncateEachPart_data();
    void yearsMonthsDaysTruncateEachPart();
};

void VimshottariTest::planetsRuleTheStarsInTurn_data()
{
    QTest::addColumn<int>("star");
    QTest::addColumn<QString>("planet");
    QTest::newRow("Ashwini") << 0 << "Ketu";
    QTest::newRow("Bharani") << 1 << "Venus";
    QTest::newRow("Krittika") << 2 << "Sun";
    QTest::newRow("Ashlesha") << 8 << "Mercury";
    QTest::newRow("Magha") << 9 << "Ketu";
    QTest::newRow("Swati") << 14 << "Rahu";
    QTest::newRow("Moola") << 18 << "Ketu";
    QTest::newRow("Shravana") << 21 << "Moon";
    QTest::newRow("Revati") << 26 << "Mercury";
}

void VimshottariTest::planetsRuleTheStarsInTurn()
{
    QFETCH(int, star);
    QFETCH(QString, planet);
    QCOMPARE(planetOf(dashaLordOfNakshatra(star)), planet);
}

void VimshottariTest::balanceAtAStarsStartIsItsPlanetsFullYears_data()
{
    // Star boundaries that are exact doubles, and the planet that opens each star.
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<int>("years");
    QTest::newRow("0, Ashwini, Ketu") << 0.0 << 7;
    QTest::newRow("40, Rohini, Moon") << 40.0 << 10;
    QTest::newRow("80, Punarvasu, Jupiter") << 80.0 << 16;
    QTest::newRow("120, Magha, Ketu") << 120.0 << 7;
    QTest::newRow("200, Vishakha, Jupiter") << 200.0 << 16;
    QTest::newRow("320, Poorva Bhadrapada, Jupiter") << 320.0 << 16;
}

void VimshottariTest::balanceAtAStarsStartIsItsPlanetsFullYears()
{
    QFETCH(double, sidereal);
    QFETCH(int, years);
    const double birthDay = 2451545.0;
    const VimshottariDasha dasha = vimshottariDashaAt(birthDay, sidereal);
    QCOMPARE(dasha.fractionCrossed, 0.0);
    QCOMPARE(dasha.balanceYears, double(years));
    QCOMPARE(yearsMonthsDays(dasha.balanceYears), (YearsMonthsDays {years, 0, 0}));
    // Nothing of the birth planet was spent before the birth, so nothing of it returns at the end.
    QCOMPARE(dasha.majorPeriods.size(), std::size_t(dashaLordCount));
    QCOMPARE(days(dasha.majorPeriods.front().wholeStartDay), days(birthDay));
    QCOMPARE(days(dasha.majorPeriods.front().endDay), days(birthDay + years * daysPerYear));
    QCOMPARE(days(dasha.majorPeriods.back().endDay), days(birthDay + 120 * daysPerYear));
}

void VimshottariTest::aMinuteIntoTheStarLeavesSlightlyLess_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::newRow("Swati, 2000, 77E12") << swatiBirth().details;
    QTest::newRow("Ashwini, 1950, Greenwich") << ashwiniBirth().details;
    QTest::newRow("Ashlesha, into 2051, 175E") << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true);
    QTest::newRow("Revati, on into Ashwini, Greenwich") << birth(17, 1, 2024, 12, 0, 0, 0, 0, 0, false);
}

// The first whole clock minute in the birth star, and the one after it, against the last minute of the star before.
void VimshottariTest::aMinuteIntoTheStarLeavesSlightlyLess()
{
    QFETCH(BirthData, data);
    const int star = findBirthStar(data).nakshatraNumber;
    int first = static_cast<int>(std::floor(starPeriod(data).startHours * 60.0)) - 1;
    while (findBirthStar(minutesLater(data, first)).nakshatraNumber != star) {
        ++first;
    }
    const VimshottariDasha before = vimshottariDasha(minutesLater(data, first - 1));
    const VimshottariDasha entered = vimshottariDasha(minutesLater(data, first));
    const VimshottariDasha later = vimshottariDasha(minutesLater(data, first + 1));
    const int years = yearsOf(dashaLordOfNakshatra(star));

    QCOMPARE(entered.birthLord, dashaLordOfNakshatra(star));
    QVERIFY2(entered.balanceYears < years && entered.balanceYears > years * (1.0 - mostMotionPerMinute),
             qPrintable(QString::number(entered.balanceYears, 'g', 12)));
    const double lessAMinuteLater = entered.balanceYears - later.balanceYears;
    QVERIFY2(lessAMinuteLater > years * leastMotionPerMinute && lessAMinuteLater < years * mostMotionPerMinute,
             qPrintable(QString::number(lessAMinuteLater, 'g', 12)));
    // A minute before, the star before is ending: almost nothing of its planet remains.
    QCOMPARE(before.birthLord, dashaLordOfNakshatra((star + nakshatraCount - 1) % nakshatraCount));
    QVERIFY(before.balanceYears > 0.0 && before.balanceYears < yearsOf(before.birthLord) * mostMotionPerMinute);
}

void VimshottariTest::periodsRunEndToEndForOneHundredTwentyYears_data()
{
    QTest::addColumn<double>("birthDay");
    QTest::addColumn<double>("sidereal");
    QTest::newRow("Ashwini, a third in") << 2433361.77 << starDegrees / 3.0;
    QTest::newRow("Swati, three quarters in") << 2451544.77 << 196.7027958;
    QTest::newRow("Revati, last double of the circle") << 2460327.0 << std::nextafter(360.0, 0.0);
    QTest::newRow("Magha, just after its start") << 2415385.5 << 120.000001;
}

void VimshottariTest::periodsRunEndToEndForOneHundredTwentyYears()
{
    QFETCH(double, birthDay);
    QFETCH(double, sidereal);
    const VimshottariDasha dasha = vimshottariDashaAt(birthDay, sidereal);
    const std::vector<DashaPeriod>& periods = dasha.majorPeriods;
    QCOMPARE(periods.size(), std::size_t(dashaLordCount + 1));
    QCOMPARE(periods.front().lord, dashaLordOfNakshatra(nakshatraNumberAt(sidereal)));
    QCOMPARE(periods.back().lord, periods.front().lord);
    verifyEndToEnd(periods.data(), periods.data() + periods.size());

    QCOMPARE(periods.front().startDay, birthDay);
    QCOMPARE(periods.back().endDay, dasha.cycleEndDay);
    QVERIFY(std::fabs(dasha.cycleEndDay - birthDay - 120 * daysPerYear) < dayTolerance);
    const int years = yearsOf(dasha.birthLord);
    QVERIFY(std::fabs(periods.front().endDay - birthDay - dasha.balanceYears * daysPerYear) < dayTolerance);
    QVERIFY(std::fabs(periods.back().endDay - periods.back().startDay - dasha.fractionCrossed * years * daysPerYear)
            < dayTolerance);

    double wholeNine = 0.0;
    for (std::size_t i = 0; i < dashaLordCount; ++i) {
        const DashaPeriod& period = periods[i];
        QVERIFY(std::fabs(period.wholeEndDay - period.wholeStartDay - yearsOf(period.lord) * daysPerYear)
                < dayTolerance);
        if (i > 0) {
            QCOMPARE(period.startDay, period.wholeStartDay);
            QCOMPARE(period.endDay, period.wholeEndDay);
        }
        wholeNine += period.wholeEndDay - period.wholeStartDay;
    }
    QVERIFY2(std::fabs(wholeNine - 120 * daysPerYear) < dayTolerance, qPrintable(days(wholeNine)));
}

void VimshottariTest::subPeriodsTileTheirPeriod_data()
{
    // One birth in each planet's first star, some way in, so every planet's periods come first, in between and last.
    QTest::addColumn<double>("sidereal");
    for (int star = 0; star < dashaLordCount; ++star) {
        QTest::addRow("%s", nakshatraNames[static_cast<std::size_t>(star)].data()) << star * starDegrees + 5.0;
    }
}

void VimshottariTest::subPeriodsTileTheirPeriod()
{
    QFETCH(double, sidereal);
    const VimshottariDasha dasha = vimshottariDashaAt(2451545.0, sidereal);
    for (const DashaPeriod& major : dasha.majorPeriods) {
        const std::array<DashaPeriod, dashaLordCount> subs = subPeriods(major);
        QCOMPARE(subs.front().lord, major.lord);
        verifyEndToEnd(subs.data(), subs.data() + subs.size());
        QCOMPARE(subs.front().wholeStartDay, major.wholeStartDay);
        QCOMPARE(subs.back().wholeEndDay, major.wholeEndDay);
        QCOMPARE(subs.front().startDay, major.startDay);
        QCOMPARE(subs.back().endDay, major.endDay);
        double whole = 0.0;
        for (const DashaPeriod& sub : subs) {
            const double expected = yearsOf(major.lord) * yearsOf(sub.lord) / 120.0 * daysPerYear;
            QVERIFY2(std::fabs(sub.wholeEndDay - sub.wholeStartDay - expected) < dayTolerance,
                     qPrintable(planetOf(major.lord) + QLatin1Char('/') + planetOf(sub.lord)));
            QVERIFY(sub.startDay <= sub.endDay);
            whole += sub.wholeEndDay - sub.wholeStartDay;
        }
        QVERIFY(std::fabs(whole - yearsOf(major.lord) * daysPerYear) < dayTolerance);
    }
}

void VimshottariTest::workedExamples_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<double>("birthDay");
    QTest::addColumn<QString>("planet");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("balance");
    QTest::addColumn<YearsMonthsDays>("parts");
    // By hand from the sidereal longitude published for each birth (see the ephemeris tests): the fraction is
    // (s - the star's start) / 13 1/3, the balance (1 - fraction) x the planet's years, then years, twelfths of the
    // rest, and thirtieths of what is left of that, each cut down to a whole number.
    // Swati (186 2/3 to 200), Rahu 18: (196.7027958 - 186.6666667) / 13.3333333 = 0.7527097; 0.2472903 x 18 =
    // 4.451226 years; 0.451226 x 12 = 5.4147; 0.4147 x 30 = 12.44: 4 years, 5 months, 12 days.
    QTest::newRow("Swati, 2000-01-01 06:30 UT")
        << swatiBirth().details << 2451544.7708333335 << "Rahu" << 0.7527097 << 4.451226 << YearsMonthsDays {4, 5, 12};
    // Ashwini (0 to 13 1/3), Ketu 7: 5.8337523 / 13.3333333 = 0.4375314; 0.5624686 x 7 = 3.937280 years;
    // 0.937280 x 12 = 11.2474; 0.2474 x 30 = 7.42: 3 years, 11 months, 7 days.
    QTest::newRow("Ashwini, 1950-03-21 06:30 UT") << ashwiniBirth().details << 2433361.7708333335 << "Ketu" << 0.4375314
                                                  << 3.937280 << YearsMonthsDays {3, 11, 7};
    // Ashlesha (106 2/3 to 120), Mercury 17: 7.3925306 / 13.3333333 = 0.5544398; 0.4455602 x 17 = 7.574523
    // years; 0.574523 x 12 = 6.8943; 0.8943 x 30 = 26.83: 7 years, 6 months, 26 days.
    QTest::newRow("Ashlesha, 2050-12-31 11:59 UT")
        << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 2470171.9993055556 << "Mercury" << 0.5544398 << 7.574523
        << YearsMonthsDays {7, 6, 26};
    // Bharani (13 1/3 to 26 2/3), Venus 20: 12.4966616 / 13.3333333 = 0.9372496; 0.0627504 x 20 = 1.255008
    // years; 0.255008 x 12 = 3.0601; 0.0601 x 30 = 1.80: 1 year, 3 months, 1 day.
    QTest::newRow("Bharani, 1901-01-01 00:00 UT") << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 2415385.5 << "Venus"
                                                  << 0.9372496 << 1.255008 << YearsMonthsDays {1, 3, 1};
}

void VimshottariTest::workedExamples()
{
    QFETCH(BirthData, data);
    QFETCH(double, birthDay);
    QFETCH(QString, planet);
    QFETCH(double, fraction);
    QFETCH(double, balance);
    QFETCH(YearsMonthsDays, parts);
    const VimshottariDasha dasha = vimshottariDasha(data);
    QVERIFY2(std::fabs(dasha.birthDay - birthDay) < 1e-7, qPrintable(days(dasha.birthDay)));
    QCOMPARE(planetOf(dasha.birthLord), planet);
    QVERIFY2(std::fabs(dasha.fractionCrossed - fraction) < 1e-6, qPrintable(QString::number(dasha.fractionCrossed)));
    QVERIFY2(std::fabs(dasha.balanceYears - balance) < 1e-5, qPrintable(QString::number(dasha.balanceYears)));
    QCOMPARE(yearsMonthsDays(dasha.balanceYears), parts);
    // The birth planet's period ends when its balance has run, and the next planet's begins there.
    QVERIFY(std::fabs(dasha.majorPeriods[0].endDay - birthDay - balance * daysPerYear) < 0.01);
    QCOMPARE(dasha.majorPeriods[1].lord, (dasha.birthLord + 1) % dashaLordCount);
}

// Swati's birth, by hand: Rahu's whole period began 0.7527097 x 18 = 13.548774 years before the birth. Rahu's subs
// last 18 x (18, 16, 19, 17, 7, 20, 6, 10, 7) / 120 = 2.7, 2.4, 2.85, 2.55, 1.05, 3.0, 0.9, 1.5, 1.05 years and end
// 2.7, 5.1, 7.95, 10.5, 11.55, 14.55, ... years in: the first five were over before the birth, and Rahu/Venus runs
// at birth with 14.55 - 13.548774 = 1.001226 years left. The Rahu period that closes the 120 years lasts those
// 13.548774 years, so it stops inside Rahu/Venus and the last three subs fall after the 120 years.
void VimshottariTest::subPeriodsOutsideTheYearsAreEmpty()
{
    const VimshottariDasha dasha = vimshottariDasha(swatiBirth().details);
    const std::array<DashaPeriod, dashaLordCount> first = subPeriods(dasha.majorPeriods.front());
    for (std::size_t i = 0; i < 5; ++i) {
        QCOMPARE(first[i].startDay, dasha.birthDay);
        QCOMPARE(first[i].endDay, dasha.birthDay);
        QVERIFY(first[i].wholeEndDay <= dasha.birthDay);
    }
    QCOMPARE(planetOf(first[5].lord), QStringLiteral("Venus"));
    QCOMPARE(first[5].startDay, dasha.birthDay);
    QVERIFY(first[5].wholeStartDay < dasha.birthDay);
    QVERIFY2(std::fabs(first[5].endDay - dasha.birthDay - 1.001226 * daysPerYear) < 0.01,
             qPrintable(days(first[5].endDay - dasha.birthDay)));

    const std::array<DashaPeriod, dashaLordCount> last = subPeriods(dasha.majorPeriods.back());
    QCOMPARE(planetOf(last[5].lord), QStringLiteral("Venus"));
    QCOMPARE(last[5].endDay, dasha.cycleEndDay);
    QVERIFY(last[5].startDay < dasha.cycleEndDay);
    for (std::size_t i = 6; i < dashaLordCount; ++i) {
        QCOMPARE(last[i].startDay, dasha.cycleEndDay);
        QCOMPARE(last[i].endDay, dasha.cycleEndDay);
        QVERIFY(last[i].wholeStartDay >= dasha.cycleEndDay);
    }
}

void VimshottariTest::yearsMonthsDaysTruncateEachPart_data()
{
    QTest::addColumn<double>("years");
    QTest::addColumn<YearsMonthsDays>("parts");
    QTest::newRow("nothing") << 0.0 << YearsMonthsDays {0, 0, 0};
    QTest::newRow("whole years") << 7.0 << YearsMonthsDays {7, 0, 0};
    QTest::newRow("half a year") << 0.5 << YearsMonthsDays {0, 6, 0};
    QTest::newRow("11 years, 2 months, 9 days and a little")
        << 11.0 + 2.0 / 12 + 9.0 / 360 + 1e-9 << YearsMonthsDays {11, 2, 9};
    QTest::newRow("a little under 11 years, 2 months, 9 days")
        << 11.0 + 2.0 / 12 + 9.0 / 360 - 1e-9 << YearsMonthsDays {11, 2, 8};
    QTest::newRow("just under 7 years") << 6.99995 << YearsMonthsDays {6, 11, 29};
    QTest::newRow("just under a month") << 1.0 / 12 - 1e-9 << YearsMonthsDays {0, 0, 29};
}

void VimshottariTest::yearsMonthsDaysTruncateEachPart()
{
    QFETCH(double, years);
    QFETCH(YearsMonthsDays, parts);
    QCOMPARE(yearsMonthsDays(years), parts);
}

QTEST_GUILESS_MAIN(VimshottariTest)
#include "VimshottariTest.moc"
