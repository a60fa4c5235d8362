#include "knowledge/ReadingDescription.h"

#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfiles.h"
#include "tests/support/SampleBirths.h"

#include <QLocale>
#include <QTest>

namespace {

NakshatraProfile profileOf(const QString& name)
{
    NakshatraProfile profile;
    profile.nakshatraName = name;
    findNakshatraProfile(name, profile);
    return profile;
}

} // namespace

class ReadingDescriptionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void typedZoneIsStatedAsTheRecordHoldsIt_data();
    void typedZoneIsStatedAsTheRecordHoldsIt();
    void atlasPlaceGivesItsNoteAndCredit();
    void describesTheMarginInTheWindowsWords();
    void withoutAReadingTheStarIsUnsaid();
    void currentReadingIsDescribedFromTheProgramWideRecords();
};

void ReadingDescriptionTest::typedZoneIsStatedAsTheRecordHoldsIt_data()
{
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<QString>("zone");
    QTest::newRow("India, east") << swatiBirth().details
                                 << QStringLiteral("5 h 30 min East, no daylight saving (UTC+05:30)");
    QTest::newRow("Madrid as the atlas writes it")
        << madridBirth().details << QStringLiteral("-1 h 0 min West, with daylight saving (UTC+02:00)");
    QTest::newRow("New York in summer") << birth(4, 7, 1990, 9, 0, 5, 0, 74, 0, false, true)
                                        << QStringLiteral("5 h 0 min West, with daylight saving (UTC-04:00)");
    // 0 degrees 0 minutes East counts as west, and so does its zone.
    QTest::newRow("0° 0′ East") << birth(1, 1, 2000, 12, 0, 1, 0, 0, 0, true)
                                << QStringLiteral("1 h 0 min West, no daylight saving (UTC-01:00)");
}

void ReadingDescriptionTest::typedZoneIsStatedAsTheRecordHoldsIt()
{
    QFETCH(BirthData, birth);
    QFETCH(QString, zone);
    QCOMPARE(typedZoneText(birth), zone);
    const ReadingDescription reading = describeReading(birth, BirthPlace(), readingMargin(birth), NakshatraProfile());
    QCOMPARE(reading.zone, QStringLiteral("Typed by hand: ") + zone);
    QCOMPARE(reading.place, QString());
    QCOMPARE(reading.placeCredit, QString());
}

void ReadingDescriptionTest::atlasPlaceGivesItsNoteAndCredit()
{
    const BirthPlace madrid {QStringLiteral("Madrid"), QStringLiteral(" Community of Madrid "), QStringLiteral("Spain"),
                             QStringLiteral("Europe/Madrid, UTC+02:00 on that date"), true};
    const BirthData birth = madridBirth().details;
    const ReadingDescription reading = describeReading(birth, madrid, readingMargin(birth), profileOf("Ashwini"));
    QCOMPARE(reading.name, QStringLiteral("Asha Rao"));
    QCOMPARE(reading.born, QStringLiteral("15 July 1990, 14:54"));
    QCOMPARE(reading.place, QStringLiteral("Madrid, Community of Madrid, Spain"));
    QCOMPARE(reading.zone, QStringLiteral("Europe/Madrid, UTC+02:00 on that date"));
    QCOMPARE(reading.coordinates, QStringLiteral("40\u00b0 25\u2032 North, 3\u00b0 42\u2032 West"));
    QCOMPARE(reading.placeCredit, QString::fromLatin1(BirthPlace::atlasCredit));
    QCOMPARE(reading.title(), QStringLiteral("Asha Rao: Ashwini"));
}

void ReadingDescriptionTest::describesTheMarginInTheWindowsWords()
{
    const BirthData birth = madridBirth().details;
    const ReadingMargin margin = readingMargin(birth);
    const ReadingDescription reading = describeReading(birth, BirthPlace(), margin, profileOf("Ashwini"));
    QCOMPARE(reading.pada, padaText(margin));
    QCOMPARE(reading.moonSign, moonSignText(margin));
    QCOMPARE(reading.starPeriod, starPeriodText(margin));
    QCOMPARE(reading.caution, starCautionText(margin));
    QCOMPARE(reading.moonPosition, QStringLiteral("0\u00b0 2\u2032 sidereal, 0\u00b0 2\u2032 into Ashwini"));
    QCOMPARE(reading.skyText,
             QStringLiteral("Moon at 0\u00b0 2\u2032 sidereal in Ashwini, pada 1, at its edge with Revati"));
    QCOMPARE(reading.margin, margin);
}

void ReadingDescriptionTest::withoutAReadingTheStarIsUnsaid()
{
    const ReadingDescription reading = describeReading(BirthData(), BirthPlace(), ReadingMargin(), NakshatraProfile());
    QCOMPARE(reading.born, QString());
    QCOMPARE(reading.pada, QString());
    QCOMPARE(reading.moonPosition, QString());
    QCOMPARE(reading.caution, QString());
    QCOMPARE(reading.title(), QString());
}

void ReadingDescriptionTest::currentReadingIsDescribedFromTheProgramWideRecords()
{
    currentBirthData = madridBirth().details;
    currentBirthPlace = {QStringLiteral("Madrid"), QString(), QStringLiteral("Spain"), QString(), true};
    currentMargin = readingMargin(currentBirthData);
    currentProfile = profileOf(currentMargin.nakshatraName);
    const ReadingDescription reading = describeCurrentReading();
    currentBirthData = BirthData();
    currentBirthPlace = BirthPlace();
    currentMargin = ReadingMargin();
    currentProfile = NakshatraProfile();
    QCOMPARE(reading.title(), QStringLiteral("Asha Rao: Ashwini"));
    QCOMPARE(reading.place, QStringLiteral("Madrid, Spain"));
    QVERIFY(reading.zone.startsWith(QLatin1String("Typed by hand: -1 h 0 min West")));
    QCOMPARE(reading.placeCredit, QString::fromLatin1(BirthPlace::atlasCredit));
    QCOMPARE(reading.profile.symbol, QStringLiteral("Head of a Horse"));
}

QTEST_GUILESS_MAIN(ReadingDescriptionTest)
#include "ReadingDescriptionTest.moc"
