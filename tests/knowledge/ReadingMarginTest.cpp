#include "knowledge/ReadingMargin.h"

#include "engine/Ephemeris.h"
#include "tests/support/MinuteSteps.h"
#include "tests/support/SampleBirths.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTimeZone>

#include <cmath>

namespace {

constexpr double minutesPerCentury = 60.0 * 24.0 * 36525.0; // Julian centuries of 36525 days

QString nameOf(int star)
{
    const std::string_view name = nakshatraNames[static_cast<std::size_t>(star)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The star half a minute after a whole clock minute from the birth, which findBirthStar cannot be asked for.
int starAtHalfMinute(const BirthData& data, int wholeMinutes)
{
    const double minutes = wholeMinutes + 0.5;
    return nakshatraNumberAt(siderealLongitudeAt(centuriesSinceJ2000(data) + minutes / minutesPerCentury));
}

// The clock minute, counted from the birth, nearest to the Moon's crossing out of (direction +1) or into
// (direction -1) the birth star: whole minutes by findBirthStar bracket the crossing, the half minute between
// them says which end is nearer.
int nearestMinuteOfCrossing(const BirthData& data, int direction)
{
    const int star = birthStarOf(data);
    int inside = 0;
    while (std::abs(inside) < longestScanMinutes && birthStarOf(minutesLater(data, inside + direction)) == star) {
        inside += direction;
    }
    const int before = direction > 0 ? inside : inside - 1; // the later of the two minutes belongs to the later star
    const int laterStar = birthStarOf(minutesLater(data, before + 1));
    return starAtHalfMinute(data, before) == laterStar ? before : before + 1;
}

// "d MMMM yyyy, HH:mm" read back as clock minutes from the birth, by plain arithmetic on the date and the time.
int minutesFromBirth(const BirthData& data, const QString& clock)
{
    const QStringList parts = clock.split(QStringLiteral(", "));
    const QDate date = QLocale::c().toDate(parts.value(0), QStringLiteral("d MMMM yyyy"));
    const QTime time = QTime::fromString(parts.value(1), QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid()) {
        qFatal("not a clock time: %s", qPrintable(clock));
    }
    const auto days = QDate(data.year, data.month, data.day).daysTo(date);
    return static_cast<int>(days * 24 * 60) + time.hour() * 60 + time.minute() - (data.hour * 60 + data.minute);
}

} // namespace

Q_DECLARE_METATYPE(BirthData)

class ReadingMarginTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void machineZoneSkipsAnHourOfThatPeriod();

    void publishedBirthsShowTheirPadaAndSign_data();
    void publishedBirthsShowTheirPadaAndSign();
    void periodIsTheMinuteScansCrossingsOnTheBirthClock_data();
    void periodIsTheMinuteScansCrossingsOnTheBirthClock();
    void cautionNamesTheNearerNeighbour_data();
    void cautionNamesTheNearerNeighbour();
    void marginWithoutReadingShowsNothing();
};

// A user locale with other month names, and a machine zone whose clocks jump forward an hour in a period below:
// neither may show in the reading's clock times.
void ReadingMarginTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    qputenv("TZ", "Europe/London");
}

// The gap the period row for 26 March 2000 ends in is real on this machine.
void ReadingMarginTest::machineZoneSkipsAnHourOfThatPeriod()
{
    if (!QTimeZone(QByteArrayLiteral("Europe/London")).isValid()) {
        QSKIP("this machine has no zone data");
    }
    // London's clocks went from 01:00 to 02:00 that morning.
    const QDateTime inTheGap(QDate(2000, 3, 26), QTime(1, 35), Qt::LocalTime);
    QVERIFY(!inTheGap.isValid() || inTheGap.time() != QTime(1, 35));
}

void ReadingMarginTest::publishedBirthsShowTheirPadaAndSign_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("pada");
    QTest::addColumn<QString>("sign");
    // Sidereal longitudes as published for these births; pada and sign follow from them by hand.
    QTest::newRow("Swati, s 196.7027958") << newYear2000(12, 0) << 4 << QStringLiteral("Tula (Libra)");
    QTest::newRow("Swati, s 190.6514063") << newYear2000(0, 0) << 2 << QStringLiteral("Tula (Libra)");
    QTest::newRow("Ashwini, s 5.8337523")
        << birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false) << 2 << QStringLiteral("Mesha (Aries)");
    QTest::newRow("Ashlesha, s 114.0591973")
        << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << 3 << QStringLiteral("Karka (Cancer)");
    QTest::newRow("Bharani, s 25.8299949")
        << birth(1, 1, 1901, 0, 0, 0, 0, 0, 0, false) << 4 << QStringLiteral("Mesha (Aries)");
}

void ReadingMarginTest::publishedBirthsShowTheirPadaAndSign()
{
    QFETCH(BirthData, data);
    QFETCH(int, pada);
    QFETCH(QString, sign);
    const ReadingMargin margin = readingMargin(data);
    QCOMPARE(padaText(margin), QString::number(pada));
    QCOMPARE(moonSignText(margin), sign);
    QCOMPARE(margin.nakshatraName, nameOf(birthStarOf(data)));
}

void ReadingMarginTest::periodIsTheMinuteScansCrossingsOnTheBirthClock_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<QString>("period");
    QTest::newRow("Swati, 2000, 77E12") << newYear2000(12, 0)
                                        << "From 31 December 1999, 16:09 to 1 January 2000, 18:34";
    QTest::newRow("Ashwini, 1950, Greenwich")
        << birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false) << "From 20 March 1950, 18:42 to 21 March 1950, 21:43";
    QTest::newRow("Ashlesha, into 2051, 175E")
        << birth(31, 12, 2050, 23, 59, 12, 0, 175, 0, true) << "From 31 December 2050, 09:44 to 1 January 2051, 11:34";
    QTest::newRow("Revati, on into Ashwini, Greenwich")
        << birth(17, 1, 2024, 12, 0, 0, 0, 0, 0, false) << "From 16 January 2024, 23:09 to 17 January 2024, 22:05";
    QTest::newRow("Anuradha, ends in London's spring gap, 116E23")
        << birth(26, 3, 2000, 0, 30, 8, 0, 116, 23, true) << "From 24 March 2000, 23:13 to 26 March 2000, 01:35";
}

void ReadingMarginTest::periodIsTheMinuteScansCrossingsOnTheBirthClock()
{
    QFETCH(BirthData, data);
    QFETCH(QString, period);
    QCOMPARE(starPeriodText(readingMargin(data)), period);

    const QRegularExpressionMatch ends = QRegularExpression(QStringLiteral("^From (.+) to (.+)$")).match(period);
    QVERIFY(ends.hasMatch());
    QCOMPARE(minutesFromBirth(data, ends.captured(1)), nearestMinuteOfCrossing(data, -1));
    QCOMPARE(minutesFromBirth(data, ends.captured(2)), nearestMinuteOfCrossing(data, +1));
}

void ReadingMarginTest::cautionNamesTheNearerNeighbour_data()
{
    QTest::addColumn<BirthData>("data");
    QTest::addColumn<int>("side"); // +1: before the Moon leaves the star, -1: after it entered, 0: no caution
    QTest::addColumn<int>("wholeMinutes");
    QTest::addColumn<QString>("neighbour");
    QTest::addColumn<QString>("caution");
    const QString before = QStringLiteral("Born %1 before the Moon moved into Vishakha. If the birth time could be "
                                          "off by that much, the birth star may be Vishakha.");
    const QString after = QStringLiteral("Born %1 after the Moon moved into Vishakha from Swati. If the birth time "
                                         "could be off by that much, the birth star may be Swati.");
    // Swati gives way to Vishakha at about 18:34.4 on the birth clock.
    QTest::newRow("18:14, 20.4 min before") << newYear2000(18, 14) << 0 << 0 << "Vishakha" << QString();
    QTest::newRow("18:19, 15.4 min before") << newYear2000(18, 19) << 0 << 0 << "Vishakha" << QString();
    QTest::newRow("18:20, 14.4 min before")
        << newYear2000(18, 20) << +1 << 14 << "Vishakha" << before.arg(QLatin1String("14 minutes"));
    QTest::newRow("18:28, 6.4 min before")
        << newYear2000(18, 28) << +1 << 6 << "Vishakha" << before.arg(QLatin1String("6 minutes"));
    QTest::newRow("18:33, 1.4 min before")
        << newYear2000(18, 33) << +1 << 1 << "Vishakha" << before.arg(QLatin1String("1 minute"));
    QTest::newRow("18:34, 0.4 min before")
        << newYear2000(18, 34) << +1 << 0 << "Vishakha" << before.arg(QLatin1String("less than a minute"));
    QTest::newRow("18:35, 0.6 min after")
        << newYear2000(18, 35) << -1 << 0 << "Swati" << after.arg(QLatin1String("less than a minute"));
    QTest::newRow("18:40, 5.6 min after")
        << newYear2000(18, 40) << -1 << 5 << "Swati" << after.arg(QLatin1String("5 minutes"));
    QTest::newRow("18:49, 14.6 min after")
        << newYear2000(18, 49) << -1 << 14 << "Swati" << after.arg(QLatin1String("14 minutes"));
    QTest::newRow("18:50, 15.6 min after") << newYear2000(18, 50) << 0 << 0 << "Swati" << QString();
    QTest::newRow("18:54, 19.6 min after") << newYear2000(18, 54) << 0 << 0 << "Swati" << QString();
    // Revati, the last star, gives way to Ashwini, the first, just after 22:05.
    QTest::newRow("Revati, 7 min before Ashwini")
        << birth(17, 1, 2024, 21, 58, 0, 0, 0, 0, false) << +1 << 7 << "Ashwini"
        << "Born 7 minutes before the Moon moved into Ashwini. If the birth time could be off by that much, the "
           "birth star may be Ashwini.";
    QTest::newRow("Ashwini, 4 min after Revati")
        << birth(17, 1, 2024, 22, 10, 0, 0, 0, 0, false) << -1 << 4 << "Revati"
        << "Born 4 minutes after the Moon moved into Ashwini from Revati. If the birth time could be off by that "
           "much, the birth star may be Revati.";
}

void ReadingMarginTest::cautionNamesTheNearerNeighbour()
{
    QFETCH(BirthData, data);
    QFETCH(int, side);
    QFETCH(int, wholeMinutes);
    QFETCH(QString, neighbour);
    QFETCH(QString, caution);
    QCOMPARE(starCautionText(readingMargin(data)), caution);

    // What findBirthStar says a whole minute at a time: the star holds for the whole minutes counted, and the
    // neighbour named comes one minute further on; without a caution the star holds for a quarter hour both ways.
    const int star = birthStarOf(data);
    if (side == 0) {
        QCOMPARE(birthStarOf(minutesLater(data, -15)), star);
        QCOMPARE(birthStarOf(minutesLater(data, +15)), star);
        return;
    }
    QVERIFY(wholeMinutes < 15);
    QCOMPARE(birthStarOf(minutesLater(data, side * wholeMinutes)), star);
    QCOMPARE(nameOf(birthStarOf(minutesLater(data, side * (wholeMinutes + 1)))), neighbour);
}

void ReadingMarginTest::marginWithoutReadingShowsNothing()
{
    const ReadingMargin none;
    QCOMPARE(padaText(none), QString());
    QCOMPARE(moonSignText(none), QString());
    QCOMPARE(starPeriodText(none), QString());
    QCOMPARE(starCautionText(none), QString());
}

QTEST_GUILESS_MAIN(ReadingMarginTest)
#include "ReadingMarginTest.moc"
