#include "engine/Ephemeris.h"
#include "entry/window/EntryForm.h"
#include "entry/window/FrmMain.h"
#include "knowledge/CurrentReading.h"
#include "report/BirFile.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmMainDriver.h"
#include "tests/support/FrmTimeZoneDriver.h"
#include "tests/support/RequireChild.h"
#include "tests/support/SeamFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>

// The birth-place atlas in the entry window: typing a town offers places, choosing one fills the place, its
// coordinates and the zone in force on the birth date, and the reading comes out at the true Universal Time.
class PlaceEntryTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void typingOffersPlacesAndEnterChoosesOne();
    void choosingAPlaceFillsItsCoordinates_data();
    void choosingAPlaceFillsItsCoordinates();
    void theZoneIsTheOneInForceOnTheBirthDate_data();
    void theZoneIsTheOneInForceOnTheBirthDate();
    void aMadridReadingIsAtTheTrueUniversalTime_data();
    void aMadridReadingIsAtTheTrueUniversalTime();
    void theZoneFollowsALaterChangeOfDate();
    void aTypedZoneIsNeverOverwritten();
    void aPickedZoneIsNeverOverwritten();
    void aZoneOnLocalMeanTimeGivesTheBirthplacesOwn();
    void aClockTimeThatHappenedTwiceOrNeverIsTold_data();
    void aClockTimeThatHappenedTwiceOrNeverIsTold();
    void aCityThatKeptItsOwnClockOffersIt();
    void theCityComesStraightAfterTheTime();
    void zeroDegreesZeroMinutesIsNotEast_data();
    void zeroDegreesZeroMinutesIsNotEast();
    void theReadingKeepsThePlaceAndItsClock();

private:
    void setUp() override;
    void tearDown() override;
    template <typename T>
    T* control(const char* name, CallSite where = CallSite()) const
    {
        return requireChild<T>(m_window.data(), name, where);
    }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    void setBirth(int month, int day, int year, int hour, int minute);
    void choose(const QString& typed, const QString& city, const QString& country);

    QPointer<FrmMain> m_window;
};

void PlaceEntryTest::setUp()
{
    m_window = new FrmMain;
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window, Deadline::eventMs));
    currentBirthData = BirthData();
}

void PlaceEntryTest::tearDown()
{
    delete m_window;
}

void PlaceEntryTest::setBirth(int month, int day, int year, int hour, int minute)
{
    m_window->form()->setMonthPosition(month - 1);
    m_window->form()->selectDay(QString::number(day));
    m_window->form()->selectYear(QString::number(year));
    m_window->form()->selectHour(QString::number(hour));
    m_window->form()->selectMinute(QString::number(minute));
}

// Types into the city box as a user does and takes the offered row that shows `city` and `country`.
void PlaceEntryTest::choose(const QString& typed, const QString& city, const QString& country)
{
    auto* box = control<QLineEdit>("txtMCity");
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, typed);
    QCompleter* completer = box->completer();
    QVERIFY(completer != nullptr);
    QAbstractItemView* popup = completer->popup();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), Deadline::eventMs);
    int row = 0;
    while (row < popup->model()->rowCount()) {
        const QString shown = popup->model()->index(row, 0).data().toString();
        // "City, …" or, found by an other name, "City (Other), …"
        const bool cityShown
            = shown.startsWith(city + QStringLiteral(", ")) || shown.startsWith(city + QStringLiteral(" ("));
        if (cityShown && shown.endsWith(QStringLiteral(", ") + country)) {
            break;
        }
        ++row;
    }
    QVERIFY2(row < popup->model()->rowCount(), qPrintable(typed + QStringLiteral(" does not offer ") + city));
    // Down until the row is current: the popup may open with none or with the first row current.
    for (int down = 0; down <= row + 1 && popup->currentIndex().row() != row; ++down) {
        QTest::keyClick(popup, Qt::Key_Down);
    }
    QCOMPARE(popup->currentIndex().row(), row);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), Deadline::eventMs);
    QTRY_COMPARE_WITH_TIMEOUT(text("txtMCity"), city,
                              Deadline::eventMs); // the place fills the fields once the box has taken the chosen row
}

void PlaceEntryTest::typingOffersPlacesAndEnterChoosesOne()
{
    setBirth(1, 15, 1990, 12, 0);
    auto* box = control<QLineEdit>("txtMCity");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("M"));
    QVERIFY(!box->completer()->popup()->isVisible()); // one letter offers nothing yet
    QTest::keyClicks(box, QStringLiteral("adri"));
    QAbstractItemView* popup = box->completer()->popup();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), Deadline::eventMs);
    QVERIFY(popup->model()->rowCount() <= 12);
    QCOMPARE(popup->model()->index(0, 0).data().toString(), QStringLiteral("Madrid, Madrid, Spain"));

    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(text("txtMCity"), QStringLiteral("Madrid"), Deadline::eventMs);
    QCOMPARE(text("txtMState"), QStringLiteral("Madrid"));
    QCOMPARE(text("txtMCountry"), QStringLiteral("Spain"));
    QCOMPARE(control<QLabel>("lblZoneNote")->text(), QStringLiteral("Europe/Madrid, UTC+01:00 on that date"));
}

void PlaceEntryTest::choosingAPlaceFillsItsCoordinates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QStringList>("longitude"); // degrees, minutes, "East" or "West"
    QTest::addColumn<QStringList>("latitude"); // degrees, minutes, "South" or "North"
    // Published coordinates of each town, to the nearest minute.
    QTest::newRow("east and north") << "Pune"
                                    << "Pune"
                                    << "India" << QStringList {"73", "51", "East"} << QStringList {"18", "31", "North"};
    QTest::newRow("west and north") << "madr"
                                    << "Madrid"
                                    << "Spain" << QStringList {"3", "42", "West"} << QStringList {"40", "25", "North"};
    QTest::newRow("west and south, typed without accents")
        << "sao paulo" << QStringLiteral("S\u00e3o Paulo") << "Brazil" << QStringList {"46", "38", "West"}
        << QStringList {"23", "33", "South"};
    QTest::newRow("east and south") << "Sydn"
                                    << "Sydney"
                                    << "Australia" << QStringList {"151", "12", "East"}
                                    << QStringList {"33", "52", "South"};
}

void PlaceEntryTest::choosingAPlaceFillsItsCoordinates()
{
    QFETCH(QString, typed);
    QFETCH(QString, city);
    QFETCH(QString, country);
    QFETCH(QStringList, longitude);
    QFETCH(QStringList, latitude);
    choose(typed, city, country);
    QCOMPARE(text("txtMCity"), city);
    QCOMPARE(text("txtMCountry"), country);
    QCOMPARE(QStringList({text("txtLonD"), text("txtLonM"),
                          control<QRadioButton>("optLongEast")->isChecked() ? "East" : "West"}),
             longitude);
    QCOMPARE(QStringList({text("txtLatD"), text("txtLatM"),
                          control<QRadioButton>("optLatSouth")->isChecked() ? "South" : "North"}),
             latitude);
}

void PlaceEntryTest::theZoneIsTheOneInForceOnTheBirthDate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("zone"); // hours, minutes, DST "1" or "0"
    QTest::addColumn<QString>("note");
    // West of Greenwich but ahead of UTC: the zone counts away from the longitude's side, so it is negative.
    QTest::newRow("Madrid in winter") << "Madrid"
                                      << "Madrid"
                                      << "Spain" << QDate(1990, 1, 15) << QStringList {"-1", "0", "0"}
                                      << "Europe/Madrid, UTC+01:00 on that date";
    QTest::newRow("Madrid in summer") << "Madrid"
                                      << "Madrid"
                                      << "Spain" << QDate(1990, 7, 15) << QStringList {"-1", "0", "1"}
                                      << "Europe/Madrid, UTC+02:00 on that date";
    QTest::newRow("New York in summer") << "New York"
                                        << "New York City"
                                        << "United States" << QDate(1990, 7, 15) << QStringList {"5", "0", "1"}
                                        << "America/New_York, UTC-04:00 on that date";
    QTest::newRow("Kolkata in war time") << "Kolkata"
                                         << "Kolkata"
                                         << "India" << QDate(1943, 6, 15) << QStringList {"5", "30", "1"}
                                         << "Asia/Kolkata, UTC+06:30 on that date. Calcutta kept its own clock then: "
                                            "Calcutta Time, UTC+05:53:20.";
    // Double summer time: two hours of saving, which the DST box cannot hold.
    QTest::newRow("London in June 1944") << "London"
                                         << "London"
                                         << "United Kingdom" << QDate(1944, 6, 15) << QStringList {"-2", "0", "0"}
                                         << "Europe/London, UTC+02:00 on that date";
    QTest::newRow("Kathmandu, a quarter-hour zone")
        << "Kathm"
        << "Kathmandu"
        << "Nepal" << QDate(1990, 6, 15) << QStringList {"5", "45", "0"} << "Asia/Kathmandu, UTC+05:45 on that date";
}

void PlaceEntryTest::theZoneIsTheOneInForceOnTheBirthDate()
{
    QFETCH(QString, typed);
    QFETCH(QString, city);
    QFETCH(QString, country);
    QFETCH(QDate, date);
    QFETCH(QStringList, zone);
    QFETCH(QString, note);
    setBirth(date.month(), date.day(), date.year(), 12, 0);
    choose(typed, city, country);
    QCOMPARE(QStringList(
                 {text("txtZoneHour"), text("txtZoneMinute"), control<QCheckBox>("chkDST")->isChecked() ? "1" : "0"}),
             zone);
    QCOMPARE(control<QLabel>("lblZoneNote")->text(), note);
}

void PlaceEntryTest::aMadridReadingIsAtTheTrueUniversalTime_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("universalHour"); // Madrid's clock shows 12:00
    QTest::newRow("winter, UTC+1") << QDate(1990, 1, 15) << 11;
    QTest::newRow("summer, UTC+2") << QDate(1990, 7, 15) << 10;
}

// The same moment at Greenwich, with no zone, is the yardstick; the reading must agree after a save and reopening.
void PlaceEntryTest::aMadridReadingIsAtTheTrueUniversalTime()
{
    QFETCH(QDate, date);
    QFETCH(int, universalHour);
    BirthData greenwich;
    greenwich.month = static_cast<std::int16_t>(date.month());
    greenwich.day = static_cast<std::int16_t>(date.day());
    greenwich.year = static_cast<std::int16_t>(date.year());
    greenwich.hour = static_cast<std::int16_t>(universalHour);
    const double expected = centuriesSinceJ2000(greenwich);

    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    setBirth(date.month(), date.day(), date.year(), 12, 0);
    choose(QStringLiteral("Madr"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(centuriesSinceJ2000(currentBirthData), expected);
    const BirthData computed = currentBirthData;

    QBuffer file;
    file.open(QIODevice::ReadWrite);
    QString reason;
    QVERIFY(BirFile::write(&file, computed, &reason));
    file.seek(0);
    const std::optional<QStringList> lines = BirFile::read(&file, &reason);
    QVERIFY(lines.has_value());
    delete m_window;
    currentBirthData = BirthData();
    m_window = new FrmMain;
    m_window->applySavedLines(*lines);
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(centuriesSinceJ2000(currentBirthData), expected);
    QCOMPARE(currentBirthData, computed);
    QVERIFY(control<QLabel>("lblZoneNote")->text().isEmpty()); // a saved zone is not the atlas's
}

void PlaceEntryTest::theZoneFollowsALaterChangeOfDate()
{
    setBirth(1, 15, 1990, 12, 0);
    choose(QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());
    m_window->form()->setMonthPosition(6); // July
    QVERIFY(control<QCheckBox>("chkDST")->isChecked());
    QCOMPARE(control<QLabel>("lblZoneNote")->text(), QStringLiteral("Europe/Madrid, UTC+02:00 on that date"));
}

void PlaceEntryTest::aTypedZoneIsNeverOverwritten()
{
    setBirth(1, 15, 1990, 12, 0);
    choose(QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    auto* hours = control<QLineEdit>("txtZoneHour");
    hours->selectAll();
    QTest::keyClicks(hours, QStringLiteral("3"));
    QVERIFY(control<QLabel>("lblZoneNote")->text().isEmpty());
    m_window->form()->setMonthPosition(6);
    QCOMPARE(hours->text(), QStringLiteral("3"));
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());
}

void PlaceEntryTest::aPickedZoneIsNeverOverwritten()
{
    setBirth(1, 15, 1990, 12, 0);
    choose(QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    // "Indian Time,IST,+5.3" (row 34) through the real picker, which writes "-5" and "-30" for a zone ahead of UTC.
    QString problem;
    const bool picked
        = FrmMainDriver(m_window.data())
              .withTimeZonePicker([](FrmTimeZoneDriver& picker) { picker.chooseWithEnter(34); }, &problem);
    QVERIFY2(picked, qPrintable(problem));
    QCOMPARE(text("txtZoneHour"), QStringLiteral("-5"));
    QVERIFY(control<QLabel>("lblZoneNote")->text().isEmpty());
    m_window->form()->setMonthPosition(6);
    QCOMPARE(text("txtZoneHour"), QStringLiteral("-5"));
    QCOMPARE(text("txtZoneMinute"), QStringLiteral("-30"));
    // The picker's minus gives only the size: the side is the longitude's (West for Madrid).
    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(currentBirthData.zoneHours, 5);
    QCOMPARE(currentBirthData.zoneMinutes, 30);
}

namespace {

// Julian centuries of a moment given in Universal Time, through a birth at Greenwich with no zone.
double universalCenturies(QDate date, int hour, int minute)
{
    BirthData greenwich;
    greenwich.month = static_cast<std::int16_t>(date.month());
    greenwich.day = static_cast<std::int16_t>(date.day());
    greenwich.year = static_cast<std::int16_t>(date.year());
    greenwich.hour = static_cast<std::int16_t>(hour);
    greenwich.minute = static_cast<std::int16_t>(minute);
    return centuriesSinceJ2000(greenwich);
}

QString starAtUniversal(QDate date, int hour, int minute, const BirthData& place)
{
    BirthData birth = place;
    birth.month = static_cast<std::int16_t>(date.month());
    birth.day = static_cast<std::int16_t>(date.day());
    birth.year = static_cast<std::int16_t>(date.year());
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.zoneHours = 0;
    birth.zoneMinutes = 0;
    birth.daylightSaving = false;
    const std::string_view name = findBirthStar(birth).nakshatraName;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

// Riyadh's zone kept the mean time of Riyadh until 1947; Jeddah, nine degrees further west, kept its own.
void PlaceEntryTest::aZoneOnLocalMeanTimeGivesTheBirthplacesOwn()
{
    const QDate date(1930, 6, 15);
    setBirth(date.month(), date.day(), date.year(), 12, 0);
    choose(QStringLiteral("Jeddah"), QStringLiteral("Jeddah"), QStringLiteral("Saudi Arabia"));
    QCOMPARE(control<QLabel>("lblZoneNote")->text(),
             QStringLiteral("Local mean time at Jeddah, UTC+02:37 on that date"));
    QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}), QStringList({"2", "37"}));
    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(centuriesSinceJ2000(currentBirthData), universalCenturies(date, 9, 23));
}

void PlaceEntryTest::aClockTimeThatHappenedTwiceOrNeverIsTold_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("zone"); // hour, minute, DST of the offset used
    QTest::addColumn<QTime>("otherUniversal"); // the same clock time read at the other offset

    // Spain's summer time of 1990 ended on 30 September at 03:00 and began on 25 March at 02:00.
    QTest::newRow("happened twice") << QDate(1990, 9, 30)
                                    << QStringList {"02:30 happened twice that night", "first at UTC+02:00",
                                                    "then at UTC+01:00", "UTC+02:00 is used"}
                                    << QStringList {"-1", "0", "1"} << QTime(1, 30);
    QTest::newRow("never showed") << QDate(1990, 3, 25)
                                  << QStringList {"02:30 never showed that night",
                                                  "went forward from UTC+01:00 to UTC+02:00", "UTC+01:00 is used"}
                                  << QStringList {"-1", "0", "0"} << QTime(0, 30);
}

void PlaceEntryTest::aClockTimeThatHappenedTwiceOrNeverIsTold()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, said);
    QFETCH(QStringList, zone);
    QFETCH(QTime, otherUniversal);
    setBirth(date.month(), date.day(), date.year(), 2, 30);
    choose(QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    const QString note = control<QLabel>("lblZoneNote")->text();
    for (const QString& part : std::as_const(said)) {
        QVERIFY2(note.contains(part), qPrintable(note));
    }
    QCOMPARE(QStringList(
                 {text("txtZoneHour"), text("txtZoneMinute"), control<QCheckBox>("chkDST")->isChecked() ? "1" : "0"}),
             zone);

    // The note names the star of the reading and, where the other offset gives another, that one too.
    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    const QString used = currentProfile.nakshatraName;
    const QString other = starAtUniversal(date, otherUniversal.hour(), otherUniversal.minute(), currentBirthData);
    QVERIFY2(note.contains(used == other ? QStringLiteral("Both give %1.").arg(used)
                                         : QStringLiteral("the star is %1, not %2.").arg(other, used)),
             qPrintable(note));
}

void PlaceEntryTest::aCityThatKeptItsOwnClockOffersIt()
{
    const QDate date(1950, 6, 15);
    setBirth(date.month(), date.day(), date.year(), 12, 0);
    choose(QStringLiteral("Bombay"), QStringLiteral("Mumbai"), QStringLiteral("India"));
    QCOMPARE(control<QLabel>("lblZoneNote")->text(),
             QStringLiteral("Asia/Kolkata, UTC+05:30 on that date. Bombay kept its own clock then: Bombay Time, "
                            "UTC+04:51."));
    QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}), QStringList({"5", "30"})); // the default
    auto* offer = control<QPushButton>("cmdCityClock");
    QVERIFY(offer->isVisible());
    QCOMPARE(offer->text(), QStringLiteral("&Use Bombay Time"));

    offer->setFocus();
    QTest::keyClick(offer, Qt::Key_Space);
    QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}), QStringList({"4", "51"}));
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());
    QVERIFY(!offer->isVisible());
    QVERIFY(control<QLabel>("lblZoneNote")->text().startsWith(QStringLiteral("Bombay Time, UTC+04:51")));
    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(centuriesSinceJ2000(currentBirthData), universalCenturies(date, 7, 9));

    // After 1955 the city's clock is gone and nothing is offered.
    m_window->form()->selectYear(QStringLiteral("1960"));
    choose(QStringLiteral("Bombay"), QStringLiteral("Mumbai"), QStringLiteral("India"));
    QCOMPARE(control<QLabel>("lblZoneNote")->text(), QStringLiteral("Asia/Kolkata, UTC+05:30 on that date"));
    QVERIFY(!offer->isVisible());
}

void PlaceEntryTest::theCityComesStraightAfterTheTime()
{
    const QStringList expected = {"txtMCity", "txtMState", "txtMCountry", "cmdBrowser", "txtZoneHour"};
    control<QComboBox>("cboSS")->setFocus();
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QVERIFY(!control<QLineEdit>("txtMCity")->placeholderText().isEmpty());
}

void PlaceEntryTest::zeroDegreesZeroMinutesIsNotEast_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("east");
    QTest::newRow("a few metres east of Greenwich") << 0.004 << false; // 0 degrees 0 minutes
    QTest::newRow("a minute east") << 0.01 << true;
    QTest::newRow("west") << -0.2 << false;
}

void PlaceEntryTest::zeroDegreesZeroMinutesIsNotEast()
{
    QFETCH(double, longitude);
    QFETCH(bool, east);
    m_window->form()->setEast(!east);
    m_window->form()->setCoordinates(51.48, longitude);
    QCOMPARE(control<QRadioButton>("optLongEast")->isChecked(), east);
}

// The reading sheet says where and by which clock: the place from the atlas with its note, until the user types.
void PlaceEntryTest::theReadingKeepsThePlaceAndItsClock()
{
    setBirth(7, 15, 1990, 12, 0);
    m_window->form()->setNameText(QStringLiteral("Asha Rao"));
    choose(QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(currentBirthPlace,
             (BirthPlace {"Madrid", "Madrid", "Spain", "Europe/Madrid, UTC+02:00 on that date", true}));

    auto* hours = control<QLineEdit>("txtZoneHour");
    hours->selectAll();
    QTest::keyClicks(hours, QStringLiteral("2"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(currentBirthPlace, (BirthPlace {"Madrid", "Madrid", "Spain", QString(), true})); // the zone typed

    auto* state = control<QLineEdit>("txtMState");
    state->setFocus();
    QTest::keyClicks(state, QStringLiteral(" Province"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(currentBirthPlace, (BirthPlace {"Madrid", "Madrid Province", "Spain", QString(), false}));
}

QTEST_MAIN(PlaceEntryTest)
#include "PlaceEntryTest.moc"
