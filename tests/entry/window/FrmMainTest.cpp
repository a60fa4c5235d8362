#include "entry/window/FrmMain.h"

#include "desktop/WebAddresses.h"
#include "engine/Ephemeris.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfile.h"
#include "report/BirFile.h"
#include "tests/support/TestSeams.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// The details of one reading as the user types them.
struct Details
{
    QString name = QStringLiteral("Asha Rao");
    int monthPosition = 0;
    QString day = QStringLiteral("1");
    QString year = QStringLiteral("2000");
    QString hour = QStringLiteral("12");
    QString minute = QStringLiteral("0");
    QString zoneHour = QStringLiteral("5");
    QString zoneMinute = QStringLiteral("30");
    QString lonD = QStringLiteral("77");
    QString lonM = QStringLiteral("12");
    QString latD = QStringLiteral("28");
    QString latM = QStringLiteral("36");
    bool east = true;
    bool south = false;
    bool dst = false;
};

// The record those default details give: 1 January 2000, 12:00, zone 5 h 30 min, 77° 12′ East, 28° 36′ North.
BirthData defaultRecord()
{
    BirthData birth;
    birth.name = "Asha Rao";
    birth.month = 1;
    birth.day = 1;
    birth.year = 2000;
    birth.hour = 12;
    birth.minute = 0;
    birth.zoneHours = 5;
    birth.zoneMinutes = 30;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 12;
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 36;
    birth.isEast = true;
    return birth;
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

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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
    template <typename T>
    T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }
    QAction* action(const char* name) const { return control<QAction>(name); }
    void fill(const Details& details) const;
    void clickButton(const char* name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void writeSavedReading(const QString& path, const BirthData& birth) const;
    QStringList fieldTexts() const;

    std::unique_ptr<TestSeams> m_seams;
    QPointer<FrmMain> m_window;
};

void FrmMainTest::init()
{
    QLocale::setDefault(QLocale::c());
    m_seams = std::make_unique<TestSeams>();
    currentBirthData = untouchedRecord();
    currentProfile = NakshatraProfile();
    m_window = new FrmMain;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void FrmMainTest::cleanup()
{
    QVERIFY(!m_seams->messages.missingAnswer);
    delete m_window;
    m_seams.reset();
}

void FrmMainTest::fill(const Details& details) const
{
    QTest::keyClicks(box("txtName"), details.name);
    list("cboMonth")->setCurrentIndex(details.monthPosition);
    list("cboDate")->setCurrentText(details.day);
    list("cboYear")->setCurrentText(details.year);
    list("cboHH")->setCurrentText(details.hour);
    list("cboMM")->setCurrentText(details.minute);
    QTest::keyClicks(box("txtZoneHour"), details.zoneHour);
    QTest::keyClicks(box("txtZoneMinute"), details.zoneMinute);
    QTest::keyClicks(box("txtLonD"), details.lonD);
    QTest::keyClicks(box("txtLonM"), details.lonM);
    QTest::keyClicks(box("txtLatD"), details.latD);
    QTest::keyClicks(box("txtLatM"), details.latM);
    QTest::mouseClick(control<QRadioButton>(details.east ? "optLongEast" : "optLongWest"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(details.south ? "optLatSouth" : "optLatNorth"), Qt::LeftButton);
    if (control<QCheckBox>("chkDST")->isChecked() != details.dst) {
        QTest::mouseClick(control<QCheckBox>("chkDST"), Qt::LeftButton);
    }
}

void FrmMainTest::writeSavedReading(const QString& path, const BirthData& birth) const
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString errorText;
    QVERIFY2(BirFile::write(&file, birth, &errorText), qPrintable(errorText));
}

// Every field's value as text, to see that a refused command changed none.
QStringList FrmMainTest::fieldTexts() const
{
    QStringList texts;
    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM",
                             "txtMCity", "txtMState", "txtMCountry"}) {
        texts << box(name)->text();
    }
    for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
        texts << list(name)->currentText();
    }
    for (const char* name : {"optLongEast", "optLatSouth"}) {
        texts << QString::number(control<QRadioButton>(name)->isChecked());
    }
    texts << QString::number(control<QCheckBox>("chkDST")->isChecked());
    return texts;
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
        QComboBox* combo = list(expected.name);
        QCOMPARE(combo->count(), expected.count);
        QCOMPARE(combo->itemText(0), QLatin1String(expected.first));
        QCOMPARE(combo->itemText(combo->count() - 1), QLatin1String(expected.last));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEditable());
    }
    QCOMPARE(list("cboMonth")->itemText(8), QStringLiteral("September"));
    QCOMPARE(list("cboHH")->itemText(9), QStringLiteral("9")); // no leading zero

    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM",
                             "txtMCity", "txtMState", "txtMCountry"}) {
        QVERIFY2(box(name)->text().isEmpty(), name);
    }
    QVERIFY(control<QRadioButton>("optLongWest")->isChecked());
    QVERIFY(control<QRadioButton>("optLatNorth")->isChecked());
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());
    // The option pairs keep their element numbers: East and South are element 0.
    QCOMPARE(control<QButtonGroup>("optLong")->id(control<QRadioButton>("optLongEast")), 0);
    QCOMPARE(control<QButtonGroup>("optLong")->id(control<QRadioButton>("optLongWest")), 1);
    QCOMPARE(control<QButtonGroup>("optLat")->id(control<QRadioButton>("optLatSouth")), 0);
    QCOMPARE(control<QButtonGroup>("optLat")->id(control<QRadioButton>("optLatNorth")), 1);

    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!control<QLabel>("picMain")->pixmap().isNull());
    QVERIFY(m_window->offerFrame());
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
}

void FrmMainTest::controlsCarryTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown"); // what the user reads

    QTest::newRow("cmdBrowser") << "cmdBrowser"
                                << "Click Here To Find Latitude && Longitude"
                                << "Click Here To Find Latitude & Longitude";
    QTest::newRow("cmdRashi") << "cmdRashi"
                              << "Find My Birth Star"
                              << "Find My Birth Star";
    QTest::newRow("cmdOpen") << "cmdOpen"
                             << "&Open Previously Saved Reading"
                             << "Open Previously Saved Reading";
    QTest::newRow("chkDST") << "chkDST"
                            << "DST"
                            << "DST";
    QTest::newRow("optLongEast") << "optLongEast"
                                 << "East"
                                 << "East";
    QTest::newRow("optLongWest") << "optLongWest"
                                 << "West"
                                 << "West";
    QTest::newRow("optLatSouth") << "optLatSouth"
                                 << "South"
                                 << "South";
    QTest::newRow("optLatNorth") << "optLatNorth"
                                 << "North"
                                 << "North";
    QTest::newRow("lblTZHelp") << "lblTZHelp"
                               << "TZ Help"
                               << "TZ Help";
}

void FrmMainTest::controlsCarryTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shown);

    QObject* object = m_window->findChild<QObject*>(name);
    QVERIFY(object);
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        QCOMPARE(button->text(), caption);
    } else {
        QCOMPARE(qobject_cast<QLabel*>(object)->text(), shown);
    }
    // Captions render with "&&" as one "&" and a single "&" as the access key.
    QString rendered = caption;
    rendered.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    QCOMPARE(rendered.replace(QLatin1Char('\x01'), QLatin1Char('&')), shown);
}

void FrmMainTest::menusHoldTheirEntriesInOrder()
{
    QStringList bar;
    for (QAction* entry : m_window->menuBar()->actions()) {
        bar << entry->text();
    }
    QCOMPARE(bar, QStringList({"&File", "&Help"}));

    QCOMPARE(control<QMenu>("mnuFile")->actions(), QList<QAction*>({action("mnuCalculate")}));
    QCOMPARE(action("mnuCalculate")->text(), QStringLiteral("&Calculate"));
    QStringList help;
    for (QAction* entry : control<QMenu>("mnuHelp")->actions()) {
        help << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName() + QLatin1Char(' ') + entry->text());
    }
    QCOMPARE(help,
             QStringList({"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "-",
                          "mnuUpdate Check for Software &Update", "-", "mnuAbout &About Software"}));

    // "Make Money &Online" can never be chosen, so it is not on the bar, where it would still claim Alt+O.
    QAction* makeMoney = action("mnuMakeMoney");
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!m_window->menuBar()->actions().contains(makeMoney));
    QVERIFY(!makeMoney->isEnabled());
    makeMoney->trigger();
    QVERIFY(m_seams->urls.opened.isEmpty());
}

void FrmMainTest::numericBoxesRefuseEveryOtherCharacter_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("key");

    for (const char* name : {"txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        QTest::addRow("%s minus", name) << name << int(Qt::Key_Minus);
        QTest::addRow("%s point", name) << name << int(Qt::Key_Period);
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

    QLineEdit* numeric = box(qPrintable(boxName));
    numeric->setFocus();
    QTest::keyClicks(numeric, QStringLiteral("1"));
    QTest::keyClick(numeric, Qt::Key(key));
    QTest::keyClick(numeric, Qt::Key_2); // the box goes on taking digits

    QCOMPARE(numeric->text(), QStringLiteral("12"));
    QCOMPARE(m_seams->messages.shown.size(), 1);
    QCOMPARE(m_seams->messages.shown.constFirst().text, QStringLiteral("Only Numbers Are Accepted"));
    QCOMPARE(m_seams->messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(m_seams->messages.shown.constFirst().title, QStringLiteral("Ondara"));
}

void FrmMainTest::editingKeysKeepWorking()
{
    QLineEdit* degrees = box("txtLonD");
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
    QCOMPARE(QApplication::focusWidget(), box("txtLonM"));
    QVERIFY(m_seams->messages.shown.isEmpty());
}

void FrmMainTest::pasteShortcutIsRefused()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    QLineEdit* minutes = box("txtLatM");
    minutes->setFocus();
    QTest::keyClicks(minutes, QStringLiteral("4"));
    QTest::keyClick(minutes, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(minutes->text(), QStringLiteral("4"));
    QCOMPARE(m_seams->messages.texts(), QStringList({"Only Numbers Are Accepted"}));
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

    QLineEdit* numeric = box(qPrintable(boxName));
    numeric->setFocus();
    QTest::keyClicks(numeric, typed);
    QCOMPARE(numeric->text(), kept);
    QVERIFY(m_seams->messages.shown.isEmpty());

    // The limit also holds for pasted text (through the context menu, which the key filter never sees).
    numeric->clear();
    QGuiApplication::clipboard()->setText(typed);
    numeric->paste();
    QVERIFY(numeric->text().size() <= kept.size());
}

void FrmMainTest::nameBoxHasNoFilter()
{
    QTest::keyClicks(box("txtName"), QStringLiteral("-. 1a"));
    QCOMPARE(box("txtName")->text(), QStringLiteral("-. 1a"));
    QVERIFY(m_seams->messages.shown.isEmpty());
}

void FrmMainTest::computesTheReadingFromTheFields()
{
    Details details;
    details.name = QStringLiteral("  Asha Rao  ");
    fill(details);
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    clickButton("cmdRashi");

    QCOMPARE(computed.size(), 1);
    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(currentBirthData, defaultRecord());
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("Swati"));
    NakshatraProfile swati; // the key is the caller's to set; the lookup copies the attributes
    swati.nakshatraName = QStringLiteral("Swati");
    QVERIFY(findNakshatraProfile(QStringLiteral("Swati"), swati));
    QCOMPARE(currentProfile, swati);
    QVERIFY(!currentProfile.rulingPlanet.isEmpty());
}

void FrmMainTest::calculateMenuRunsTheCommand()
{
    Details details;
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
    fill(details);
    m_window->setNameText(QStringLiteral("Zo\u00eb")); // key clicks carry Latin-1 only
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    action("mnuCalculate")->trigger();

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
    const BirthStarReading reading = findBirthStar(currentBirthData);
    QCOMPARE(currentProfile.nakshatraName,
             QString::fromUtf8(reading.nakshatraName.data(), reading.nakshatraName.size()));
}

void FrmMainTest::pickerSignsAreStoredAsMagnitudes()
{
    Details details;
    details.zoneHour.clear();
    details.zoneMinute.clear();
    fill(details);
    m_window->setZoneHourText(QStringLiteral("-5"));
    m_window->setZoneMinuteText(QStringLiteral("-30"));
    QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("-30"));

    m_window->cmdRashi_Click();

    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(currentBirthData.zoneHours, std::int16_t(5));
    QCOMPARE(currentBirthData.zoneMinutes, std::int16_t(30));
    QCOMPARE(currentBirthData, defaultRecord());
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("Swati"));
}

void FrmMainTest::secondsDoNotChangeTheReading()
{
    fill(Details());
    m_window->cmdRashi_Click();
    const BirthData withoutSeconds = currentBirthData;
    const NakshatraProfile profileWithoutSeconds = currentProfile;

    currentBirthData = untouchedRecord();
    currentProfile = NakshatraProfile();
    list("cboSS")->setCurrentText(QStringLiteral("59"));
    QCOMPARE(list("cboSS")->currentIndex(), 59);
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

    Details details;
    details.day = QStringLiteral("31");
    details.monthPosition = monthPosition;
    fill(details);
    box(qPrintable(boxName))->setText(text); // as if pasted past the key filter
    list("cboSS")->setFocus();
    const QStringList before = fieldTexts();
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);

    m_window->cmdRashi_Click();

    QCOMPARE(m_seams->messages.texts(), QStringList({message}));
    QCOMPARE(int(m_seams->messages.shown.constFirst().icon), icon);
    QCOMPARE(m_window->focusWidget(), focus.isEmpty() ? list("cboSS") : m_window->findChild<QWidget*>(focus));
    QCOMPARE(computed.size(), 0);
    QCOMPARE(currentBirthData, untouchedRecord());
    QVERIFY(currentProfile.nakshatraName.isEmpty());
    QCOMPARE(fieldTexts(), before);
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

    box("txtMCity")->setText(city);
    box("txtMState")->setText(state);
    box("txtMCountry")->setText(country);
    clickButton("cmdBrowser");

    QCOMPARE(m_seams->messages.texts(), QStringList({message}));
    QCOMPARE(m_seams->messages.shown.constFirst().icon, QMessageBox::Information);
    QCOMPARE(m_window->focusWidget(), m_window->findChild<QWidget*>(focus));
    QVERIFY(m_seams->urls.opened.isEmpty());
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

    box("txtMCity")->setText(city);
    box("txtMState")->setText(state);
    box("txtMCountry")->setText(country);
    const QStringList before = fieldTexts();
    clickButton("cmdBrowser");

    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(m_seams->urls.openedStrings(), QStringList({address}));
    const QUrl opened = m_seams->urls.opened.constFirst();
    QCOMPARE(QUrlQuery(opened).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), searchText);
    QCOMPARE(opened.adjusted(QUrl::RemoveQuery), QUrl(QString::fromLatin1(WebAddresses::webSearch)));
    QCOMPARE(fieldTexts(), before);
    QCOMPARE(currentBirthData, untouchedRecord());
}

void FrmMainTest::openCancelledChangesNothing()
{
    const QStringList before = fieldTexts();
    QSignalSpy opened(m_window.data(), &FrmMain::savedReadingOpened);

    clickButton("cmdOpen");

    QCOMPARE(m_seams->files.openRequests.size(), 1);
    const FileDialogRequest request = m_seams->files.openRequests.constFirst();
    QCOMPARE(request.caption, QStringLiteral("Select the source file"));
    QCOMPARE(request.filter, QStringLiteral("Ondara Astrology (*.bir)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("bir"));
    QVERIFY(request.options.testFlag(QFileDialog::HideNameFilterDetails)); // the type box shows the description
    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(fieldTexts(), before);
    QCOMPARE(opened.size(), 0);
    QCOMPARE(currentBirthData, untouchedRecord());
}

void FrmMainTest::openRefusesWhatIsNotASavedReading_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // null: no file at all

    QTest::newRow("ending in capitals") << "reading.BIR" << BirFile::linesOf(defaultRecord()).join("\r\n").toLatin1();
    QTest::newRow("other ending") << "reading.txt" << QByteArray("\x86\r\n");
    QTest::newRow("plain text") << "notes.bir" << QByteArray("1\r\n2\r\n3\r\n");
    QTest::newRow("line without end") << "long.bir" << QByteArray(10000, '\x90');
    QTest::newRow("missing file") << "missing.bir" << QByteArray();
}

void FrmMainTest::openRefusesWhatIsNotASavedReading()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);

    const QString path = m_seams->pathInDir(fileName);
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    fill(Details());
    const QStringList before = fieldTexts();
    QSignalSpy computed(m_window.data(), &FrmMain::readingComputed);
    QSignalSpy opened(m_window.data(), &FrmMain::savedReadingOpened);
    m_seams->files.nextFileName = path;

    m_window->cmdOpen_Click();

    QCOMPARE(m_seams->messages.texts(), QStringList({"Please Check The File."}));
    QCOMPARE(m_seams->messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(fieldTexts(), before);
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
    const QString path = m_seams->pathInDir(QStringLiteral("ravi.bir"));
    writeSavedReading(path, saved);
    m_seams->files.nextFileName = path;
    QStringList order;
    connect(m_window, &FrmMain::readingComputed, this, [&order] { order << QStringLiteral("computed"); });
    connect(m_window, &FrmMain::savedReadingOpened, this, [&order] { order << QStringLiteral("opened"); });

    clickButton("cmdOpen");

    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(order, QStringList({"computed", "opened"}));
    QCOMPARE(fieldTexts(),
             QStringList({"Ravi Kumar", "10", "30", "138", "36", "34", "55", "", "", "", "March", "15", "1985", "6",
                          "45", "0", "1", "1", "1"}));
    QCOMPARE(currentBirthData, saved);
    const BirthStarReading reading = findBirthStar(saved);
    QCOMPARE(currentProfile.nakshatraName,
             QString::fromUtf8(reading.nakshatraName.data(), reading.nakshatraName.size()));
}

void FrmMainTest::openLeavesListsAtValuesTheyDoNotOffer()
{
    // Lines a list does not offer (month 13, day 32, a year outside the list, hour 24, minute "x") leave those
    // lists as they were; a file of 14 lines ticks no DST box; the flags take only "1" as true.
    QStringList lines = BirFile::linesOf(defaultRecord());
    lines[1] = QStringLiteral("13");
    lines[2] = QStringLiteral("32");
    lines[3] = QStringLiteral("1900");
    lines[4] = QStringLiteral("24");
    lines[5] = QStringLiteral("x");
    lines[12] = QStringLiteral("1 ");
    lines.removeLast();
    list("cboMonth")->setCurrentIndex(4);
    list("cboDate")->setCurrentText(QStringLiteral("9"));
    list("cboYear")->setCurrentText(QStringLiteral("1950"));
    list("cboHH")->setCurrentText(QStringLiteral("7"));
    list("cboMM")->setCurrentText(QStringLiteral("8"));
    QTest::mouseClick(control<QCheckBox>("chkDST"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("optLongEast"), Qt::LeftButton);

    m_window->applySavedLines(lines);

    QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("May"));
    QCOMPARE(list("cboDate")->currentText(), QStringLiteral("9"));
    QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1950"));
    QCOMPARE(list("cboHH")->currentText(), QStringLiteral("7"));
    QCOMPARE(list("cboMM")->currentText(), QStringLiteral("8"));
    QVERIFY(control<QRadioButton>("optLongWest")->isChecked());
    QVERIFY(!control<QCheckBox>("chkDST")->isChecked());
    QCOMPARE(box("txtName")->text(), QStringLiteral("Asha Rao"));
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

    action(qPrintable(actionName))->trigger();

    QCOMPARE(m_seams->urls.opened, QList<QUrl>({QUrl(address)}));
}

void FrmMainTest::aboutMenuAsksForTheAboutBox()
{
    QSignalSpy about(m_window.data(), &FrmMain::aboutRequested);
    action("mnuAbout")->trigger();
    QCOMPARE(about.size(), 1);
    QVERIFY(m_seams->urls.opened.isEmpty());
}

void FrmMainTest::closingSaysSo()
{
    QSignalSpy closed(m_window.data(), &FrmMain::closed);
    QVERIFY(m_window->close());
    QCOMPARE(closed.size(), 1);
    QTRY_VERIFY(m_window.isNull()); // deleted on close
}

QTEST_MAIN(FrmMainTest)
#include "FrmMainTest.moc"
