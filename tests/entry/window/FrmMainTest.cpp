#include "entry/window/FrmMain.h"

#include "desktop/WebAddresses.h"
#include "entry/window/EntryForm.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfile.h"
#include "report/BirFile.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmMainDriver.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SampleBirths.h"
#include "tests/support/SavedReadings.h"
#include "tests/support/SeamFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// The details of the Swati sample birth as the user types them, under the name "Asha Rao".
TypedEntry swatiEntry()
{
    return TypedEntry::of(swatiBirth().details);
}

// A record no reading produces, so a test sees whether the command wrote anything.
BirthData untouchedRecord()
{
    BirthData birth;
    birth.name = "untouched";
    birth.year = -1;
    return birth;
}

} // namespace

class FrmMainTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void startsWithTheInitialValues();
    void controlsCarryTheirCaptions_data();
    void controlsCarryTheirCaptions();
    void menusHoldTheirEntriesInOrder();

    void numericBoxesRefuseEveryOtherCharacter_data();
    void numericBoxesRefuseEveryOtherCharacter();
    void editingKeysKeepWorking();
    void pasteShortcutIsRefused();
    void zoneBoxesTakeNoLongerText_data();
    void zoneBoxesTakeNoLongerText();
    void nameBoxHasNoFilter();

    void computesTheReadingFromTheFields();
    void calculateMenuRunsTheCommand();
    void pickerSignsAreStoredAsMagnitudes();
    void secondsDoNotChangeTheReading();
    void refusedEntryComputesNothing_data();
    void refusedEntryComputesNothing();

    void lookupChecksThePlaceBoxesInOrder_data();
    void lookupChecksThePlaceBoxesInOrder();
    void lookupSearchesForThePlace_data();
    void lookupSearchesForThePlace();

    void openCancelledChangesNothing();
    void openRefusesWhatIsNotASavedReading_data();
    void openRefusesWhatIsNotASavedReading();
    void openPutsASavedReadingIntoTheFieldsAndComputesIt();
    void openLeavesListsAtValuesTheyDoNotOffer();

    void helpMenuOpensItsPages_data();
    void helpMenuOpensItsPages();
    void aboutMenuAsksForTheAboutBox();
    void closingSaysSo();

private:
    void setUp() override;
    void tearDown() override;

    QPointer<FrmMain> m_window;
    std::unique_ptr<FrmMainDriver> m_entry;
};

void FrmMainTest::setUp()
{
    currentBirthData = untouchedRecord();
    currentProfile = NakshatraProfile();
    m_window = new FrmMain;
    m_entry = std::make_unique<FrmMainDriver>(m_window);
    QVERIFY(m_entry->showActive());
}

void FrmMainTest::tearDown()
{
    m_entry.reset();
    delete m_window;
}

void FrmMainTest::startsWithTheInitialValues()
{
    struct ListContent
    {
        const char* name;
        int count;
        const char* first;
        const char* last;
    };
    for (const ListContent& expected :
         {ListContent {"cboMonth", 12, "January", "December"}, ListContent {"cboDate", 31, "1", "31"},
          ListContent {"cboYear", 150, "1901", "2050"}, ListContent {"cboHH", 24, "0", "23"},
          ListContent {"cboMM", 60, "0", "59"}, ListContent {"cboSS", 60, "0", "59"}}) {
        QComboBox* combo = m_entry->list(expected.name);
        QCOMPARE(combo->count(), expected.count);
        QCOMPARE(combo->itemText(0), QLatin1String(expected.first));
        QCOMPARE(combo->itemText(combo->count() - 1), QLatin1String(expected.last));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEditable());
    }
    QCOMPARE(m_entry->list("cboMonth")->itemText(8), QStringLiteral("September"));
    QCOMPARE(m_entry->list("cboHH")->itemText(9), QStringLiteral("9")); // no leading zero

    for (const QString& name : FrmMainDriver::textBoxes) {
        QVERIFY2(m_entry->box(qPrintable(name))->text().isEmpty(), qPrintable(name));
    }
    QVERIFY(m_entry->option("optLongWest")->isChecked());
    QVERIFY(m_entry->option("optLatNorth")->isChecked());
    QVERIFY(!m_entry->dstBox()->isChecked());
    // The option pairs keep their element numbers: East and South are element 0.
    QCOMPARE(m_entry->child<QButtonGroup>("optLong")->id(m_entry->option("optLongEast")), 0);
    QCOMPARE(m_entry->child<QButtonGroup>("optLong")->id(m_entry->option("optLongWest")), 1);
    QCOMPARE(m_entry->child<QButtonGroup>("optLat")->id(m_entry->option("optLatSouth")), 0);
    QCOMPARE(m_entry->child<QButtonGroup>("optLat")->id(m_entry->option("optLatNorth")), 1);

    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_entry->child<QLabel>("picMain")->pixmap().isNull());
    QVERIFY(m_window->offerFrame());
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
}

void FrmMainTest::controlsCarryTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // as the control holds it: "&&" for "&", "&" before the access key
    QTest::addColumn<QString>("shown"); // what the user reads, and a screen reader reads out
    QTest::addColumn<QString>("accessKey"); // empty: none

    QTest::newRow("cmdBrowser") << "cmdBrowser"
                                << "Click Here To Find Latitude && Longitude"
                                << "Click Here To Find Latitude & Longitude"
                                << "";
    QTest::newRow("cmdRashi") << "cmdRashi"
                              << "Find My Birth Star"
                              << "Find My Birth Star"
                              << "";
    QTest::newRow("cmdOpen") << "cmdOpen"
                             << "&Open Previously Saved Reading"
                             << "Open Previously Saved Reading"
                             << "Alt+O";
    QTest::newRow("chkDST") << "chkDST"
                            << "DST"
                            << "DST"
                            << "";
    QTest::newRow("optLongEast") << "optLongEast"
                                 << "East"
                                 << "East"
                                 << "";
    QTest::newRow("optLongWest") << "optLongWest"
                                 << "West"
                                 << "West"
                                 << "";
    QTest::newRow("optLatSouth") << "optLatSouth"
                                 << "South"
                                 << "South"
                                 << "";
    QTest::newRow("optLatNorth") << "optLatNorth"
                                 << "North"
                                 << "North"
                                 << "";
    QTest::newRow("lblTZHelp") << "lblTZHelp"
                               << "TZ Help"
                               << "TZ Help"
                               << "";
}

void FrmMainTest::controlsCarryTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(QString, accessKey);

    QWidget* control = m_entry->child<QWidget>(qPrintable(name));
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->shortcut().toString(QKeySequence::PortableText), accessKey);
    } else {
        QCOMPARE(qobject_cast<QLabel*>(control)->text(), shown);
        QVERIFY(accessKey.isEmpty());
    }
    // The window's own account of the control, as assistive technology reads it: the caption as drawn.
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(control);
    QVERIFY(reading != nullptr);
    QCOMPARE(reading->text(QAccessible::Name), shown);
}

void FrmMainTest::menusHoldTheirEntriesInOrder()
{
    QCOMPARE(m_entry->menuBarTitles(), QStringList({"&File", "&Help"}));

    QCOMPARE(m_entry->menuEntries("mnuFile", true), QStringList({"mnuCalculate &Calculate"}));
    QCOMPARE(m_entry->menuEntries("mnuHelp", true),
             QStringList({"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "-",
                          "mnuUpdate Check for Software &Update", "-", "mnuAbout &About Software"}));

    // "Make Money &Online" can never be chosen, so it is not on the bar, where it would still claim Alt+O.
    QAction* makeMoney = m_entry->action("mnuMakeMoney");
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!m_window->menuBar()->actions().contains(makeMoney));
    QVERIFY(!makeMoney->isEnabled());
    makeMoney->trigger();
    QVERIFY(seams().urls.opened.isEmpty());
}

void FrmMainTest::numericBoxesRefuseEveryOtherCharacter_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("key");

    for (const QString& name : FrmMainDriver::numericBoxes) {
        QTest::addRow("%s minus", qPrintable(name)) << name << int(Qt::Key_Minus);
        QTest::addRow("%s point", qPrintable(name)) << name << int(Qt::Key_Period);
    }
    QTest::newRow("blank") << "txtLonD" << int(Qt::Key_Space);
    QTest::newRow("letter") << "txtLatM" << int(Qt::Key_E);
    QTest::newRow("enter") << "txtZoneHour" << int(Qt::Key_Return);
    QTest::newRow("escape") << "txtZoneMinute" << int(Qt::Key_Escape);
}

void FrmMainTest::numericBoxesRefuseEveryOtherCharacter()
{
    QFETCH(QString, boxName);
    QFETCH(int, key);

    QLineEdit* numeric = m_entry->box(qPrintable(boxName));
    numeric->setFocus();
    QTest::keyClicks(numeric, QStringLiteral("1"));
    QTest::keyClick(numeric, Qt::Key(key));
    QTest::keyClick(numeric, Qt::Key_2); // the box goes on taking digits

    QCOMPARE(numeric->text(), QStringLiteral("12"));
    QCOMPARE(seams().messages.shown.size(), 1);
    QCOMPARE(seams().messages.shown.constFirst().text, QStringLiteral("Only Numbers Are Accepted"));
    QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(seams().messages.shown.constFirst().title, QStringLiteral("Ondara"));
}

void FrmMainTest::editingKeysKeepWorking()
{
    QLineEdit* degrees = m_entry->box("txtLonD");
    degrees->setFocus();
    QTest::keyClicks(degrees, QStringLiteral("1234"));
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QCOMPARE(degrees->text(), QStringLiteral("123"));
    QTest::keyClick(degrees, Qt::Key_Home);
    QTest::keyClick(degrees, Qt::Key_Delete);
    QTest::keyClick(degrees, Qt::Key_Right);
    QTest::keyClicks(degrees, QStringLiteral("9"));
    QCOMPARE(degrees->text(), QStringLiteral("293"));
    QTest::keyClick(degrees, Qt::Key_End);
    QTest::keyClick(degrees, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(degrees, QStringLiteral("5"));
    QCOMPARE(degrees->text(), QStringLiteral("295"));
    QTest::keyClick(degrees, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_entry->box("txtLonM"));
    QVERIFY(seams().messages.shown.isEmpty());
}

void FrmMainTest::pasteShortcutIsRefused()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    QLineEdit* minutes = m_entry->box("txtLatM");
    minutes->setFocus();
    QTest::keyClicks(minutes, QStringLiteral("4"));
    QTest::keyClick(minutes, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(minutes->text(), QStringLiteral("4"));
    QCOMPARE(seams().messages.texts(), QStringList({"Only Numbers Are Accepted"}));
}

void FrmMainTest::zoneBoxesTakeNoLongerText_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("zone hour") << "txtZoneHour"
                               << "1234"
                               << "123";
    QTest::newRow("zone minute") << "txtZoneMinute"
                                 << "123"
                                 << "12";
    QTest::newRow("longitude degrees") << "txtLonD"
                                       << "123456"
                                       << "123456";
    QTest::newRow("latitude minutes") << "txtLatM"
                                      << "123456"
                                      << "123456";
}

void FrmMainTest::zoneBoxesTakeNoLongerText()
{
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    QLineEdit* numeric = m_entry->box(qPrintable(boxName));
    numeric->setFocus();
    QTest::keyClicks(numeric, typed);
    QCOMPARE(numeric->text(), kept);
    QVERIFY(seams().messages.shown.isEmpty());

    // The limit also holds for pasted text (through the context menu, which the key filter never sees).
    numeric->clear();
    QGuiApplication::clipboard()->setText(typed);
    numeric->paste();
    QVERIFY(numeric->text().size() <= kept.size());
}

void FrmMainTest::nameBoxHasNoFilter()
{
    QTest::keyClicks(m_entry->box("txtName"), QStringLiteral("-. 1a"));
    QCOMPARE(m_entry->box("txtName")->text(), QStringLiteral("-. 1a"));
    QVERIFY(seams().messages.shown.isEmpty());
}

void FrmMainTest::computesTheReadingFromTheFields()
{
    TypedEntry details = swatiEntry();
    details.name = QStringLiteral("  Asha Rao  ");
    m_entry->fill(details);
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    m_entry->click("cmdRashi");

    QCOMPARE(computed.size(), 1);
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(currentBirthData, swatiBirth().details);
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("Swati"));
    QCOMPARE(currentProfile, profileNamed(QStringLiteral("Swati")));
    QVERIFY(!currentProfile.rulingPlanet.isEmpty());
}

void FrmMainTest::calculateMenuRunsTheCommand()
{
    TypedEntry details = swatiEntry();
    details.east = false;
    details.south = true;
    details.dst = true;
    details.monthPosition = 6;
    details.day = QStringLiteral("20");
    details.year = QStringLiteral("1969");
    details.hour = QStringLiteral("16");
    details.minute = QStringLiteral("17");
    details.zoneMinute = QStringLiteral("0");
    details.name.clear();
    m_entry->fill(details);
    m_window->form()->setNameText(QStringLiteral("Zo\u00eb")); // key clicks carry Latin-1 only
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    m_entry->action("mnuCalculate")->trigger();

    QCOMPARE(computed.size(), 1);
    QCOMPARE(currentBirthData.name, std::string("Zo\xc3\xab")); // UTF-8
    QCOMPARE(currentBirthData.month, std::int16_t(7));
    QCOMPARE(currentBirthData.day, std::int16_t(20));
    QCOMPARE(currentBirthData.year, std::int16_t(1969));
    QCOMPARE(currentBirthData.hour, std::int16_t(16));
    QCOMPARE(currentBirthData.minute, std::int16_t(17));
    QVERIFY(!currentBirthData.isEast);
    QVERIFY(currentBirthData.isSouth);
    QVERIFY(currentBirthData.daylightSaving);
    // 20:17 Universal Time (zone 5 h less the hour of daylight saving, west): the Moon in Hasta, worked out
    // separately from the method's formulas.
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("Hasta"));
    QCOMPARE(currentProfile.rulingDeva, QStringLiteral("Aditya"));
}

void FrmMainTest::pickerSignsAreStoredAsMagnitudes()
{
    TypedEntry details = swatiEntry();
    details.zoneHour.clear();
    details.zoneMinute.clear();
    m_entry->fill(details);
    m_window->form()->setZoneHourText(QStringLiteral("-5"));
    m_window->form()->setZoneMinuteText(QStringLiteral("-30"));
    QCOMPARE(m_entry->box("txtZoneMinute")->text(), QStringLiteral("-30"));

    m_window->cmdRashi_Click();

    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(currentBirthData.zoneHours, std::int16_t(5));
    QCOMPARE(currentBirthData.zoneMinutes, std::int16_t(30));
    QCOMPARE(currentBirthData, swatiBirth().details);
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("Swati"));
}

void FrmMainTest::secondsDoNotChangeTheReading()
{
    m_entry->fill(swatiEntry());
    m_window->cmdRashi_Click();
    const BirthData withoutSeconds = currentBirthData;
    const NakshatraProfile profileWithoutSeconds = currentProfile;

    currentBirthData = untouchedRecord();
    currentProfile = NakshatraProfile();
    m_entry->list("cboSS")->setCurrentText(QStringLiteral("59"));
    QCOMPARE(m_entry->list("cboSS")->currentIndex(), 59);
    m_window->cmdRashi_Click();

    QCOMPARE(currentBirthData, withoutSeconds);
    QCOMPARE(currentProfile, profileWithoutSeconds);
}

void FrmMainTest::refusedEntryComputesNothing_data()
{
    QTest::addColumn<QString>("boxName"); // the box given `text`
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus"); // empty: the focus stays where it was

    const int error = QMessageBox::Critical;
    QTest::newRow("name of blanks") << "txtName"
                                    << "   " << 0 << "Please Enter Name" << error << "txtName";
    QTest::newRow("zone minute empty") << "txtZoneMinute"
                                       << "" << 0 << "Please Enter Degree and Minute of Time Zone" << error
                                       << "txtZoneHour";
    QTest::newRow("latitude minutes empty") << "txtLatM"
                                            << "" << 0 << "Please Enter Minute of Latitude" << error << "txtLatM";
    QTest::newRow("31 April") << "txtName"
                              << "Asha" << 3 << "Please Enter Correct Date Or Month !" << int(QMessageBox::Information)
                              << "";
    QTest::newRow("long run of digits") << "txtLonD"
                                        << "99999" << 0
                                        << "The degree of longitude must be a whole number from 0 to 32767." << error
                                        << "txtLonD";
    QTest::newRow("pasted letter") << "txtLatM"
                                   << "1a" << 0 << "The minute of latitude must be a whole number from 0 to 32767."
                                   << error << "txtLatM";
    QTest::newRow("pasted blank") << "txtZoneHour"
                                  << "5 5" << 0 << "The hours of the time zone must be a whole number from 0 to 32767."
                                  << error << "txtZoneHour";
}

void FrmMainTest::refusedEntryComputesNothing()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(int, monthPosition);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);

    TypedEntry details = swatiEntry();
    details.day = QStringLiteral("31");
    details.monthPosition = monthPosition;
    m_entry->fill(details);
    m_entry->box(qPrintable(boxName))->setText(text); // as if pasted past the key filter
    m_entry->list("cboSS")->setFocus();
    const QStringList before = m_entry->fieldTexts();
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    m_window->cmdRashi_Click();

    QCOMPARE(seams().messages.texts(), QStringList({message}));
    QCOMPARE(int(seams().messages.shown.constFirst().icon), icon);
    QCOMPARE(m_window->focusWidget(),
             focus.isEmpty() ? m_entry->list("cboSS") : m_entry->child<QWidget>(qPrintable(focus)));
    QCOMPARE(computed.size(), 0);
    QCOMPARE(currentBirthData, untouchedRecord());
    QVERIFY(currentProfile.nakshatraName.isEmpty());
    QCOMPARE(m_entry->fieldTexts(), before);
}

void FrmMainTest::lookupChecksThePlaceBoxesInOrder_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "Please Enter City"
                               << "txtMCity";
    QTest::newRow("state missing") << "Pune"
                                   << ""
                                   << "India"
                                   << "Please Enter State"
                                   << "txtMState";
    QTest::newRow("country missing") << "Pune"
                                     << "Maharashtra"
                                     << ""
                                     << "Please Enter Country"
                                     << "txtMCountry";
}

void FrmMainTest::lookupChecksThePlaceBoxesInOrder()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    m_entry->box("txtMCity")->setText(city);
    m_entry->box("txtMState")->setText(state);
    m_entry->box("txtMCountry")->setText(country);
    m_entry->click("cmdBrowser");

    QCOMPARE(seams().messages.texts(), QStringList({message}));
    QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Information);
    QCOMPARE(m_window->focusWidget(), m_entry->child<QWidget>(qPrintable(focus)));
    QVERIFY(seams().urls.opened.isEmpty());
}

void FrmMainTest::lookupSearchesForThePlace_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<QString>("address");

    QTest::newRow("Pune") << "Pune"
                          << "Maharashtra"
                          << "India"
                          << "Pune Maharashtra India Latitude Longitude"
                          << "https://duckduckgo.com/?q=Pune%20Maharashtra%20India%20Latitude%20Longitude";
    QTest::newRow("city of one blank") << " "
                                       << "Goa"
                                       << "India"
                                       << "  Goa India Latitude Longitude"
                                       << "https://duckduckgo.com/?q=%20%20Goa%20India%20Latitude%20Longitude";
    QTest::newRow("signs stay in the text") << "A+B"
                                            << "S&T"
                                            << "C=D"
                                            << "A+B S&T C=D Latitude Longitude"
                                            << "https://duckduckgo.com/?q=A%2BB%20S%26T%20C%3DD%20Latitude%20Longitude";
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("M\u00fcnchen") << "Bayern"
        << "Deutschland" << QStringLiteral("M\u00fcnchen Bayern Deutschland Latitude Longitude")
        << "https://duckduckgo.com/?"
           "q=M%C3%BCnchen%20Bayern%20Deutschland%20Latitude%20Longitude";
}

void FrmMainTest::lookupSearchesForThePlace()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, searchText);
    QFETCH(QString, address);

    m_entry->box("txtMCity")->setText(city);
    m_entry->box("txtMState")->setText(state);
    m_entry->box("txtMCountry")->setText(country);
    const QStringList before = m_entry->fieldTexts();
    m_entry->click("cmdBrowser");

    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(seams().urls.openedStrings(), QStringList({address}));
    const QUrl opened = seams().urls.opened.constFirst();
    QCOMPARE(QUrlQuery(opened).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), searchText);
    QCOMPARE(opened.adjusted(QUrl::RemoveQuery), QUrl(QString::fromLatin1(WebAddresses::webSearch)));
    QCOMPARE(m_entry->fieldTexts(), before);
    QCOMPARE(currentBirthData, untouchedRecord());
}

void FrmMainTest::openCancelledChangesNothing()
{
    const QStringList before = m_entry->fieldTexts();
    QSignalSpy opened(m_window.data(), &FrmMain::savedReadingOpened);

    m_entry->click("cmdOpen");

    QCOMPARE(seams().files.openRequests.size(), 1);
    const FileDialogRequest request = seams().files.openRequests.constFirst();
    QCOMPARE(request.caption, QStringLiteral("Select the source file"));
    QCOMPARE(request.filter, QStringLiteral("Ondara Astrology (*.bir)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("bir"));
    QVERIFY(request.options.testFlag(QFileDialog::HideNameFilterDetails)); // the type box shows the description
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(m_entry->fieldTexts(), before);
    QCOMPARE(opened.size(), 0);
    QCOMPARE(currentBirthData, untouchedRecord());
}

void FrmMainTest::openRefusesWhatIsNotASavedReading_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // null: no file at all

    QTest::newRow("ending in capitals") << "reading.BIR"
                                        << BirFile::linesOf(swatiBirth().details).join("\r\n").toLatin1();
    QTest::newRow("other ending") << "reading.txt" << QByteArray("\x86\r\n");
    QTest::newRow("plain text") << "notes.bir" << QByteArray("1\r\n2\r\n3\r\n");
    QTest::newRow("line without end") << "long.bir" << QByteArray(10000, '\x90');
    QTest::newRow("missing file") << "missing.bir" << QByteArray();
}

void FrmMainTest::openRefusesWhatIsNotASavedReading()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);

    const QString path = seams().pathInDir(fileName);
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    m_entry->fill(swatiEntry());
    const QStringList before = m_entry->fieldTexts();
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);
    QSignalSpy opened(m_window.data(), &FrmMain::savedReadingOpened);
    seams().files.nextFileName = path;

    m_window->cmdOpen_Click();

    QCOMPARE(seams().messages.texts(), QStringList({"Please Check The File."}));
    QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(m_entry->fieldTexts(), before);
    QCOMPARE(computed.size(), 0);
    QCOMPARE(opened.size(), 0);
    QCOMPARE(currentBirthData, untouchedRecord());
}

void FrmMainTest::openPutsASavedReadingIntoTheFieldsAndComputesIt()
{
    BirthData saved;
    saved.name = "Ravi Kumar";
    saved.month = 3;
    saved.day = 15;
    saved.year = 1985;
    saved.hour = 6;
    saved.minute = 45;
    saved.zoneHours = 10;
    saved.zoneMinutes = 30;
    saved.longitudeDegrees = 138;
    saved.longitudeMinutes = 36;
    saved.latitudeDegrees = 34;
    saved.latitudeMinutes = 55;
    saved.isEast = true;
    saved.isSouth = true;
    saved.daylightSaving = true;
    const QString path = seams().pathInDir(QStringLiteral("ravi.bir"));
    QString errorText;
    QVERIFY2(writeSavedReading(path, saved, &errorText), qPrintable(errorText));
    seams().files.nextFileName = path;
    QStringList order;
    connect(m_window, &FrmMain::readingComputed, this, [&order] { order << QStringLiteral("computed"); });
    connect(m_window, &FrmMain::savedReadingOpened, this, [&order] { order << QStringLiteral("opened"); });

    m_entry->click("cmdOpen");

    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(order, QStringList({"computed", "opened"}));
    QCOMPARE(m_entry->fieldTexts(),
             QStringList({"Ravi Kumar", "10", "30", "138", "36", "34", "55", "", "", "", "March", "15", "1985", "6",
                          "45", "0", "1", "1", "1"}));
    QCOMPARE(currentBirthData, saved);
    // 19:15 Universal Time the day before (zone 10 h 30 min and the hour of daylight saving, east): the Moon in
    // Purva Ashadha, worked out separately from the method's formulas.
    QCOMPARE(currentProfile, profileNamed(QStringLiteral("Purva Ashadha")));
}

void FrmMainTest::openLeavesListsAtValuesTheyDoNotOffer()
{
    // Lines a list does not offer (month 13, day 32, a year outside the list, hour 24, minute "x") leave those
    // lists as they were; a file of 14 lines ticks no DST box; the flags take only "1" as true.
    QStringList lines = BirFile::linesOf(swatiBirth().details);
    lines[1] = QStringLiteral("13");
    lines[2] = QStringLiteral("32");
    lines[3] = QStringLiteral("1900");
    lines[4] = QStringLiteral("24");
    lines[5] = QStringLiteral("x");
    lines[12] = QStringLiteral("1 ");
    lines.removeLast();
    m_entry->list("cboMonth")->setCurrentIndex(4);
    m_entry->list("cboDate")->setCurrentText(QStringLiteral("9"));
    m_entry->list("cboYear")->setCurrentText(QStringLiteral("1950"));
    m_entry->list("cboHH")->setCurrentText(QStringLiteral("7"));
    m_entry->list("cboMM")->setCurrentText(QStringLiteral("8"));
    m_entry->click("chkDST");
    m_entry->click("optLongEast");

    m_window->applySavedLines(lines);

    QCOMPARE(m_entry->list("cboMonth")->currentText(), QStringLiteral("May"));
    QCOMPARE(m_entry->list("cboDate")->currentText(), QStringLiteral("9"));
    QCOMPARE(m_entry->list("cboYear")->currentText(), QStringLiteral("1950"));
    QCOMPARE(m_entry->list("cboHH")->currentText(), QStringLiteral("7"));
    QCOMPARE(m_entry->list("cboMM")->currentText(), QStringLiteral("8"));
    QVERIFY(m_entry->option("optLongWest")->isChecked());
    QVERIFY(!m_entry->dstBox()->isChecked());
    QCOMPARE(m_entry->box("txtName")->text(), QStringLiteral("Asha Rao"));
}

void FrmMainTest::helpMenuOpensItsPages_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("address");

    QTest::newRow("mnuOnline") << "mnuOnline" << QString::fromLatin1(WebAddresses::helpPage);
    QTest::newRow("mnuVisit") << "mnuVisit" << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("mnuUpdate") << "mnuUpdate" << QString::fromLatin1(WebAddresses::updatePage);
}

void FrmMainTest::helpMenuOpensItsPages()
{
    QFETCH(QString, actionName);
    QFETCH(QString, address);

    m_entry->action(qPrintable(actionName))->trigger();

    QCOMPARE(seams().urls.opened, QList<QUrl>({QUrl(address)}));
}

void FrmMainTest::aboutMenuAsksForTheAboutBox()
{
    QSignalSpy about(m_window.data(), &FrmMain::aboutRequested);
    m_entry->action("mnuAbout")->trigger();
    QCOMPARE(about.size(), 1);
    QVERIFY(seams().urls.opened.isEmpty());
}

void FrmMainTest::closingSaysSo()
{
    QSignalSpy closed(m_window.data(), &FrmMain::closed);
    QVERIFY(m_window->close());
    QCOMPARE(closed.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_window.isNull(), Deadline::eventMs); // deleted on close
}

QTEST_MAIN(FrmMainTest)
#include "FrmMainTest.moc"
