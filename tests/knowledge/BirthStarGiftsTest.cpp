#include "knowledge/BirthStarGifts.h"

#include "engine/Ephemeris.h"
#include "engine/Vimshottari.h"
#include "knowledge/NakshatraProfiles.h"
#include "knowledge/NameSyllables.h"
#include "tests/support/SampleBirths.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// "1 January 2000 - 14 June 2004" for a row, so a failed comparison shows both ends.
QString spanText(const PeriodRow& row)
{
    return row.planet + QLatin1Char(' ') + periodDateText(row.start) + QStringLiteral(" - ") + periodDateText(row.end);
}

// The Universal Time of a Julian day, by the Unix epoch's day number: a path to the clock that shares nothing with
// the program's own.
QDateTime universalTimeOf(double julianDay)
{
    const double unixEpochDay = 2440587.5;
    return QDateTime::fromMSecsSinceEpoch(std::llround((julianDay - unixEpochDay) * 86400000.0), Qt::UTC);
}

} // namespace

Q_DECLARE_METATYPE(BirthData)

class BirthStarGiftsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void syllableOfEachPada_data();
    void syllableOfEachPada();
    void eachStarsFourSyllablesDiffer();
    void periodsOpenWithTheProfilesRulingPlanet();

    void workedBirths_data();
    void workedBirths();
    void subPeriodsOfTheFirstPeriodShowWhatWasOverBeforeTheBirth();
    void datesKeepTheBirthsZoneAndDaylightSaving_data();
    void datesKeepTheBirthsZoneAndDaylightSaving();
    void runningOnADate_data();
    void runningOnADate();
    void runningAtBirth_data();
    void runningAtBirth();
    void noReadingGivesNothing();
};

// A user locale with other month names and a machine zone with daylight saving: neither may show in the dates.
void BirthStarGiftsTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    qputenv("TZ", "Europe/London");
}

void BirthStarGiftsTest::syllableOfEachPada_data()
{
    QTest::addColumn<int>("star");
    QTest::addColumn<int>("pada");
    QTest::addColumn<QString>("latin");
    QTest::addColumn<QString>("devanagari");
    const struct
    {
        int star;
        const char* latin[4];
        const char* devanagari[4];
    } stars[] = {
        {0, {"Chu", "Che", "Cho", "La"}, {"चू", "चे", "चो", "ला"}},
        {9, {"Ma", "Mi", "Mu", "Me"}, {"मा", "मी", "मू", "मे"}},
        {21, {"Khi", "Khu", "Khe", "Kho"}, {"खी", "खू", "खे", "खो"}},
        {26, {"De", "Do", "Cha", "Chi"}, {"दे", "दो", "चा", "ची"}},
    };
    for (const auto& row : stars) {
        for (int pada = 1; pada <= 4; ++pada) {
            QTest::addRow("%s pada %d", nakshatraNames[static_cast<std::size_t>(row.star)].data(), pada)
                << row.star << pada << QString::fromUtf8(row.latin[pada - 1])
                << QString::fromUtf8(row.devanagari[pada - 1]);
        }
    }
    QTest::newRow("pada 0") << 0 << 0 << QString() << QString();
    QTest::newRow("pada 5") << 0 << 5 << QString() << QString();
    QTest::newRow("star 27") << 27 << 1 << QString() << QString();
    QTest::newRow("star -1") << -1 << 1 << QString() << QString();
}

void BirthStarGiftsTest::syllableOfEachPada()
{
    QFETCH(int, star);
    QFETCH(int, pada);
    QFETCH(QString, latin);
    QFETCH(QString, devanagari);
    const NameSyllable syllable = nameSyllable(star, pada);
    QCOMPARE(syllable.latin, latin);
    QCOMPARE(syllable.devanagari, devanagari);
    QCOMPARE(syllableText(syllable), latin.isEmpty() ? QString() : latin + " (" + devanagari + ")");
    if (!latin.isEmpty()) {
        QCOMPARE(nakshatraSyllables(star).value(pada - 1), syllable);
    }
}

// Latin writes some syllables of one star alike (Purva Ashadha's Dha and Dha); Devanagari never does.
void BirthStarGiftsTest::eachStarsFourSyllablesDiffer()
{
    QSet<QString> all;
    for (int star = 0; star < nakshatraCount; ++star) {
        const QList<NameSyllable> four = nakshatraSyllables(star);
        QCOMPARE(four.size(), 4);
        QSet<QString> devanagari;
        for (const NameSyllable& syllable : four) {
            QVERIFY(!syllable.latin.isEmpty());
            devanagari.insert(syllable.devanagari);
            all.insert(syllable.devanagari);
        }
        QVERIFY2(devanagari.size() == 4, nakshatraNames[static_cast<std::size_t>(star)].data());
    }
    QCOMPARE(nakshatraSyllables(nakshatraCount).size(), 0);
    // No syllable opens two padas: what Latin writes alike in two stars (Ti of Poorva Phalguni and of Vishakha) is
    // two syllables in Devanagari (टी, ती).
    QCOMPARE(all.size(), 108);
}

void BirthStarGiftsTest::periodsOpenWithTheProfilesRulingPlanet()
{
    for (int star = 0; star < nakshatraCount; ++star) {
        const auto index = static_cast<std::size_t>(star);
        QCOMPARE(text(dashaLords[static_cast<std::size_t>(dashaLordOfNakshatra(star))].planet),
                 text(nakshatraProfiles[index].rulingPlanet));
    }
}

void BirthStarGiftsTest::workedBirths_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("pada");
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    // From the published sidereal longitudes as in the engine's worked examples: the balance in days is
    // balance years x 365.25, added to the birth on its own clock by hand; the last period ends 120 x 365.25 = 43830
    // days after the birth, which is not always the birthday (2000 to 2120 has only 29 leap days).
    // Swati, s 196.7027958, pada 4 (from 196 2/3): Rahu 4.451226 years = 1625.8102 days after 1 January 2000 12:00.
    QTest::newRow("Swati") << swatiBirth().details << 4 << "Ta"
                           << "Rahu: 4 years, 5 months, 12 days"
                           << "Rahu 1 January 2000 - 14 June 2004"
                           << "Jupiter 14 June 2004 - 14 June 2020"
                           << "Rahu 15 June 2106 - 2 January 2120";
    // Ashwini, s 5.8337523, pada 2: Ketu 3.937280 years = 1438.0915 days after 21 March 1950 06:30.
    QTest::newRow("Ashwini") << ashwiniBirth().details << 2 << "Che"
                             << "Ketu: 3 years, 11 months, 7 days"
                             << "Ketu 21 March 1950 - 26 February 1954"
                             << "Venus 26 February 1954 - 26 February 1974"
                             << "Ketu 26 February 2067 - 21 March 2070";
    // Ashlesha, s 114.0591973, pada 3: Mercury 7.574523 years = 2766.5947 days after 31 December 2050 23:59.
    QTest::newRow("Ashlesha") << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 3 << "De"
                              << "Mercury: 7 years, 6 months, 26 days"
                              << "Mercury 31 December 2050 - 29 July 2058"
                              << "Ketu 29 July 2058 - 29 July 2065"
                              << "Mercury 30 July 2161 - 1 January 2171";
    // Bharani, s 25.8299949, pada 4: Venus 1.255008 years = 458.3915 days after 1 January 1901 00:00.
    QTest::newRow("Bharani") << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 4 << "Lo"
                             << "Venus: 1 year, 3 months, 1 day"
                             << "Venus 1 January 1901 - 4 April 1902"
                             << "Sun 4 April 1902 - 3 April 1908"
                             << "Venus 4 April 2002 - 1 January 2021";
}

void BirthStarGiftsTest::workedBirths()
{
    QFETCH(BirthData, data);
    QFETCH(int, pada);
    QFETCH(QString, syllable);
    QFETCH(QString, balance);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    const BirthStarGifts gifts = birthStarGifts(data);
    const int star = findBirthStar(data).nakshatraNumber;
    QCOMPARE(gifts.nakshatraName, text(nakshatraNames[static_cast<std::size_t>(star)]));
    QCOMPARE(gifts.birthPada, pada);
    QCOMPARE(gifts.syllable.latin, syllable);
    QCOMPARE(gifts.starSyllables, nakshatraSyllables(star));
    QCOMPARE(gifts.starSyllables.value(pada - 1), gifts.syllable);
    QCOMPARE(gifts.balanceText, balance);
    QCOMPARE(gifts.majorPeriods.size(), 10);
    QCOMPARE(gifts.subPeriods.size(), 10);
    QCOMPARE(gifts.majorPeriods.constFirst().start, gifts.birth);
    QCOMPARE(spanText(gifts.majorPeriods[0]), first);
    QCOMPARE(spanText(gifts.majorPeriods[1]), second);
    QCOMPARE(spanText(gifts.majorPeriods.constLast()), last);
    for (qsizetype i = 0; i < gifts.majorPeriods.size(); ++i) {
        const PeriodRow& major = gifts.majorPeriods[i];
        QCOMPARE(major.place, PeriodPlace::Within);
        if (i > 0) {
            QCOMPARE(major.start, gifts.majorPeriods[i - 1].end);
        }
        const QList<PeriodRow>& subs = gifts.subPeriods[i];
        QCOMPARE(subs.size(), 9);
        QCOMPARE(subs.constFirst().planet, major.planet);
    }
}

// Swati's birth: Rahu's whole period began 13.548774 years before it, on 14 June 1986, and Rahu/Venus held the
// birth (the engine's worked example); by hand its end lies 1.001226 years = 365.6977 days after the birth, at
// 04:44:39 on 1 January 2001, 04:45 to the nearest minute.
void BirthStarGiftsTest::subPeriodsOfTheFirstPeriodShowWhatWasOverBeforeTheBirth()
{
    const BirthStarGifts gifts = birthStarGifts(swatiBirth().details);
    const QList<PeriodRow>& subs = gifts.subPeriods.constFirst();
    QCOMPARE(spanText(subs[0]), QStringLiteral("Rahu 14 June 1986 - 24 February 1989"));
    QCOMPARE(spanText(subs[4]), QStringLiteral("Ketu 13 December 1996 - 1 January 1998"));
    for (qsizetype i = 0; i < 5; ++i) {
        QCOMPARE(subs[i].place, PeriodPlace::BeforeBirth);
    }
    QCOMPARE(subs[5].place, PeriodPlace::Within);
    QCOMPARE(subs[5].start, gifts.birth);
    QCOMPARE(subs[5].end, QDateTime(QDate(2001, 1, 1), QTime(4, 45), Qt::UTC));
    QCOMPARE(spanText(subs[8]), QStringLiteral("Mars 27 May 2003 - 14 June 2004"));
    QCOMPARE(subs[8].end, gifts.majorPeriods[0].end);

    // The closing Rahu period stops at 120 years, inside Rahu/Venus; Sun, Moon and Mars would follow after them.
    const QList<PeriodRow>& closing = gifts.subPeriods.constLast();
    QCOMPARE(spanText(closing[5]), QStringLiteral("Venus 2 January 2118 - 2 January 2120"));
    QCOMPARE(closing[5].place, PeriodPlace::Within);
    QCOMPARE(spanText(closing[6]), QStringLiteral("Sun 2 January 2121 - 26 November 2121"));
    for (qsizetype i = 6; i < 9; ++i) {
        QCOMPARE(closing[i].place, PeriodPlace::AfterCycle);
    }
}

void BirthStarGiftsTest::datesKeepTheBirthsZoneAndDaylightSaving_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("clockAheadMinutes"); // of Universal Time, at the birth and so for every date
    QTest::newRow("southern summer, 10 h and daylight saving") << southernGoldenBirth() << 11 * 60;
    QTest::newRow("east, 1 h and daylight saving") << birth(1, 6, 1990, 10, 0, 1, 0, 13, 0, true, true) << 2 * 60;
    QTest::newRow("west, 5 h with daylight saving") << birth(15, 7, 1975, 22, 10, 5, 0, 74, 0, false, true) << -4 * 60;
    QTest::newRow("India, 5 h 30 min") << swatiBirth().details << 5 * 60 + 30;
}

void BirthStarGiftsTest::datesKeepTheBirthsZoneAndDaylightSaving()
{
    QFETCH(BirthData, data);
    QFETCH(int, clockAheadMinutes);
    const BirthStarGifts gifts = birthStarGifts(data);
    QCOMPARE(gifts.birth, QDateTime(QDate(data.year, data.month, data.day), QTime(data.hour, data.minute), Qt::UTC));
    const VimshottariDasha dasha = vimshottariDasha(data);
    QCOMPARE(gifts.majorPeriods.size(), qsizetype(dasha.majorPeriods.size()));
    for (std::size_t i = 0; i < dasha.majorPeriods.size(); ++i) {
        // The clock's minute is the nearest one, so it may lie half a minute either side of the instant.
        const QDateTime universal = universalTimeOf(dasha.majorPeriods[i].endDay);
        const qint64 seconds = universal.secsTo(gifts.majorPeriods[qsizetype(i)].end) - qint64(60) * clockAheadMinutes;
        QVERIFY2(std::abs(seconds) <= 30, qPrintable(QStringLiteral("row %1 off by %2 s").arg(i).arg(seconds)));
    }
}

void BirthStarGiftsTest::runningOnADate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("sub");
    // Swati's birth (see above): Rahu/Venus from the birth to 1 January 2001 04:45, Saturn from 14 June 2020, whose
    // Saturn/Ketu runs 25 February 2026 to 6 April 2027, and the closing Rahu/Venus to 2 January 2120.
    QTest::newRow("the day before the birth") << QDate(1999, 12, 31) << -1 << -1;
    QTest::newRow("the birth's day") << QDate(2000, 1, 1) << 0 << 5;
    QTest::newRow("the day Rahu/Venus ends is Rahu/Sun's") << QDate(2001, 1, 1) << 0 << 6;
    QTest::newRow("the day Jupiter begins") << QDate(2004, 6, 14) << 1 << 0;
    QTest::newRow("in Saturn/Ketu") << QDate(2026, 12, 9) << 2 << 2;
    QTest::newRow("the last day before the 120 years' end") << QDate(2120, 1, 1) << 9 << 5;
    QTest::newRow("the day the 120 years end") << QDate(2120, 1, 2) << -1 << -1;
    QTest::newRow("no date") << QDate() << -1 << -1;
}

void BirthStarGiftsTest::runningOnADate()
{
    QFETCH(QDate, date);
    QFETCH(int, major);
    QFETCH(int, sub);
    const RunningPeriods running = runningOn(birthStarGifts(swatiBirth().details), date);
    QCOMPARE(running.major, qsizetype(major));
    QCOMPARE(running.sub, qsizetype(sub));
}

void BirthStarGiftsTest::runningAtBirth_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("planet");
    // By hand: the part of the birth planet's period spent before the birth (fraction x years) against the ends of its
    // sub-periods, major years x sub years / 120 one after the other.
    // Swati: 13.5488 of Rahu's 18 years falls in Rahu/Venus (11.55 to 14.55).
    QTest::newRow("Swati") << swatiBirth().details << 5 << "Venus";
    // Bharani: 0.9372496 x 20 = 18.745 of Venus's years falls in Venus/Mercury (16 to 18.8333).
    QTest::newRow("Bharani") << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 7 << "Mercury";
    // Ashwini: 0.4375314 x 7 = 3.0627 of Ketu's years falls in Ketu/Rahu (2.9167 to 3.9667).
    QTest::newRow("Ashwini") << ashwiniBirth().details << 5 << "Rahu";
}

void BirthStarGiftsTest::runningAtBirth()
{
    QFETCH(BirthData, data);
    QFETCH(int, sub);
    QFETCH(QString, planet);
    const BirthStarGifts gifts = birthStarGifts(data);
    const RunningPeriods running = ::runningAtBirth(gifts);
    QCOMPARE(running.major, qsizetype(0));
    QCOMPARE(running.sub, qsizetype(sub));
    QCOMPARE(gifts.subPeriods[0][sub].planet, planet);
    QCOMPARE(gifts.subPeriods[0][sub].start, gifts.birth);
    QCOMPARE(gifts.subPeriods[0][sub - 1].place, PeriodPlace::BeforeBirth);
}

void BirthStarGiftsTest::noReadingGivesNothing()
{
    const BirthStarGifts none;
    QCOMPARE(::runningAtBirth(none), RunningPeriods());
    QCOMPARE(runningOn(none, QDate(2026, 12, 9)), RunningPeriods());
    QCOMPARE(syllableText(none.syllable), QString());
}

QTEST_GUILESS_MAIN(BirthStarGiftsTest)
#include "BirthStarGiftsTest.moc"
