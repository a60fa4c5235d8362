#include "entry/window/FrmTimeZone.h"

#include "entry/window/EntryForm.h"
#include "entry/window/FrmMain.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmMainDriver.h"
#include "tests/support/FrmTimeZoneDriver.h"
#include "tests/support/SeamFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

#include <functional>
#include <memory>

class FrmTimeZoneTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void doubleClickWritesTheZoneOfThatPosition_data();
    void doubleClickWritesTheZoneOfThatPosition();
    void opensFreshWithNothingSelected();
    void quitWritesNothing();
    void closeBoxWritesNothing();
    void doubleClickWithoutSelectionWritesNothing();
    void enterChoosesTheSelectedZone();
    void downFromTheOpeningChoosesTheFirstZone();

private:
    void setUp() override;
    void tearDown() override;

    // Clicks "TZ Help" and runs `act` on the picker once it is up, modal over the entry window; the picker is closed
    // afterwards in any case, so a failing test never hangs on it.
    void withPicker(const std::function<void(FrmTimeZone*, FrmTimeZoneDriver&)>& act);
    void expectZoneBoxes(const QString& hours, const QString& minutes) const;

    QPointer<FrmMain> m_window;
    std::unique_ptr<FrmMainDriver> m_entry;
};

void FrmTimeZoneTest::setUp()
{
    m_window = new FrmMain;
    m_entry = std::make_unique<FrmMainDriver>(m_window);
    QVERIFY(m_entry->show());
    // Values the picker must leave alone, or overwrite.
    m_window->form()->setZoneHourText(QStringLiteral("1"));
    m_window->form()->setZoneMinuteText(QStringLiteral("2"));
    m_window->form()->setEast(true);
    m_window->form()->setDaylightSaving(true);
}

void FrmTimeZoneTest::tearDown()
{
    const auto closeWindow = qScopeGuard([this] {
        m_entry.reset();
        delete m_window;
    });
    QVERIFY(seams().messages.shown.isEmpty()); // the picker has no messages
    // The picker writes only the two zone boxes.
    QVERIFY(m_entry->option("optLongEast")->isChecked());
    QVERIFY(m_entry->dstBox()->isChecked());
}

void FrmTimeZoneTest::withPicker(const std::function<void(FrmTimeZone*, FrmTimeZoneDriver&)>& act)
{
    QString problem;
    const bool finished = m_entry->withTimeZonePicker(
        [&](FrmTimeZoneDriver& picker) {
            auto* dialog = qobject_cast<FrmTimeZone*>(picker.window());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Ondara v1.90"));
            QCOMPARE(dialog->parentWidget(), m_window.data());
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            act(dialog, picker);
        },
        &problem);
    QVERIFY2(finished, qPrintable(problem));
    QVERIFY(!QApplication::activeModalWidget());
}

void FrmTimeZoneTest::expectZoneBoxes(const QString& hours, const QString& minutes) const
{
    QCOMPARE(m_entry->box("txtZoneHour")->text(), hours);
    QCOMPARE(m_entry->box("txtZoneMinute")->text(), minutes);
}

void FrmTimeZoneTest::doubleClickWritesTheZoneOfThatPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");

    QTest::newRow("0") << 0 << "Alaska/Hawaii Daylight Time,AHDT,-9.0" << 9 << 0;
    QTest::newRow("1") << 1 << "Alaska/Hawaii Standard Time,AHST,-10.0" << 10 << 0;
    QTest::newRow("2") << 2 << "Alaska/Hawaii War Time,AHWT,-9.0" << 9 << 0;
    QTest::newRow("3") << 3 << "Atlantic Standard Time,AST,-4.0" << 4 << 0;
    QTest::newRow("4") << 4 << "Atlantic War Time,AWT,-3.0" << 3 << 0;
    QTest::newRow("5") << 5 << "Australian Central Daylight Time,ACDT,+10.5" << -10 << -30;
    QTest::newRow("6") << 6 << "Australian Central Standard Time,ACST,+9.5" << -9 << -30;
    QTest::newRow("7") << 7 << "Australian Eastern Daylight Time,AEDT,+11.0" << -11 << 0;
    QTest::newRow("8") << 8 << "Australian Eastern Standard Time,AEST,+10.0" << -10 << 0;
    QTest::newRow("9") << 9 << "Australian Western Daylight Time,AWDT,+9.0" << -9 << 0;
    QTest::newRow("10") << 10 << "Australian Western Standard Time,AWST,+8.0" << -8 << 0;
    QTest::newRow("11") << 11 << "Azores Time, AT, -2.0" << 2 << 0;
    QTest::newRow("12") << 12 << "Baghdad Time, BAT, +3.0" << -3 << 0;
    QTest::newRow("13") << 13 << "Bering Standard Time,BET,-11.0" << 11 << 0;
    QTest::newRow("14") << 14 << "Brazil Zone 2,BZT2,-3.0" << 3 << 0;
    QTest::newRow("15") << 15 << "British Double Summer Time,BDST,+2.0" << -2 << 0;
    QTest::newRow("16") << 16 << "British Summer Time,BST,+1.0" << -1 << 0;
    QTest::newRow("17") << 17 << "British War Time,BWT,+2.0" << -2 << 0;
    QTest::newRow("18") << 18 << "Central Daylight Time,CDT,-5.0" << 5 << 0;
    QTest::newRow("19") << 19 << "Central European Daylight,CED,+2.0" << -2 << 0;
    QTest::newRow("20") << 20 << "Central European Time,CET,+1.0" << -1 << 0;
    QTest::newRow("21") << 21 << "Central Standard Time,CST,-6.0" << 6 << 0;
    QTest::newRow("22") << 22 << "Central War Time,CWT,-5.0" << 5 << 0;
    QTest::newRow("23") << 23 << "China Coast Time,CCT,+8.0" << -8 << 0;
    QTest::newRow("24") << 24 << "Eastern Daylight Time,EDT,-4.0" << 4 << 0;
    QTest::newRow("25") << 25 << "Eastern European Daylight Time,EED,+3.0" << -3 << 0;
    QTest::newRow("26") << 26 << "Eastern European Time,EET,+2.0" << -2 << 0;
    QTest::newRow("27") << 27 << "Eastern Standard Time,EST,-5.0" << 5 << 0;
    QTest::newRow("28") << 28 << "Eastern War Time,EWT,-4.0" << 4 << 0;
    QTest::newRow("29") << 29 << "Greenwich Mean Time,GMT,0.0" << 0 << 0;
    QTest::newRow("30") << 30 << "Guam Standard Time,GST,+10.0" << -10 << 0;
    QTest::newRow("31") << 31 << "Hawaiian Daylight Time,HDT,-9.5" << 9 << 30;
    QTest::newRow("32") << 32 << "Hawaiian Standard Time,HST,-10.5" << 10 << 30;
    QTest::newRow("33") << 33 << "Hawaiian War Time,HWT,-9.5" << 9 << 30;
    QTest::newRow("34") << 34 << "Indian Time, IST, +5.3" << -5 << -30;
    QTest::newRow("35") << 35 << "Int'l Date Line East,IDLE,+12.0" << -12 << 0;
    QTest::newRow("36") << 36 << "Int'l Date Line West,IDLW,-12.0" << 12 << 0;
    QTest::newRow("37") << 37 << "Iran Time, IT, +3.5" << -3 << -30;
    QTest::newRow("38") << 38 << "Japan Standard Time,JST,+9.0" << -9 << 0;
    QTest::newRow("39") << 39 << "Java Time, JT, +7.5" << -7 << -30;
    QTest::newRow("40") << 40 << "Middle European Daylight Time,MED,+2.0" << -2 << 0;
    QTest::newRow("41") << 41 << "Middle European Time,MET,+1.0" << -1 << 0;
    QTest::newRow("42") << 42 << "Moluccas Time, MT, +8.5" << -8 << -30;
    QTest::newRow("43") << 43 << "Mountain Daylight Time,MDT,-6.0" << 6 << 0;
    QTest::newRow("44") << 44 << "Mountain Standard Time,MST,-7.0" << 7 << 0;
    QTest::newRow("45") << 45 << "Mountain War Time,MWT,-6.0" << 6 << 0;
    QTest::newRow("46") << 46 << "New Zealand Std Summer Time,NZST,+13.0" << -13 << 0;
    QTest::newRow("47") << 47 << "New Zealand Std Time,NZT,+12.0" << -12 << 0;
    QTest::newRow("48") << 48 << "New Zealand Summer Time,NZS,+12.5" << -12 << -30;
    QTest::newRow("49") << 49 << "New Zealand Time,NZ,+11.5" << -11 << -30;
    QTest::newRow("50") << 50 << "Newfoundland Standard Time,NST,-3.5" << 3 << 30;
    QTest::newRow("51") << 51 << "Nome Time, NT, -11.0" << 11 << 0;
    QTest::newRow("52") << 52 << "North Sumatra Time,NST,+6.5" << -6 << -30;
    QTest::newRow("53") << 53 << "Pacific Daylight Time,PDT,-7.0" << 7 << 0;
    QTest::newRow("54") << 54 << "Pacific Standard Time,PST,-8.0" << 8 << 0;
    QTest::newRow("55") << 55 << "Pacific War Time,PWT,-7.0" << 7 << 0;
    QTest::newRow("56") << 56 << "South Australia Daylight Time,SAD,+10.5" << -10 << -30;
    QTest::newRow("57") << 57 << "South Australia Daylight Time,SDT,+10.5" << -10 << -30;
    QTest::newRow("58") << 58 << "South Australia Standard Time,SAST,+9.5" << -9 << -30;
    QTest::newRow("59") << 59 << "South Australia Standard Time,SAT,+9.5" << -9 << -30;
    QTest::newRow("60") << 60 << "South Sumatra Time,SST,+7.0" << -7 << 0;
    QTest::newRow("61") << 61 << "Universal Time, UT, 0.0" << 0 << 0;
    QTest::newRow("62") << 62 << "USSR Zone 10,UZ10,+11.0" << -11 << 0;
    QTest::newRow("63") << 63 << "USSR Zone 3,USZ3,+4.0" << -4 << 0;
    QTest::newRow("64") << 64 << "USSR Zone 4,USZ4,+5.0" << -5 << 0;
    QTest::newRow("65") << 65 << "USSR Zone 5,USZ5,+6.0" << -6 << 0;
    QTest::newRow("66") << 66 << "USSR Zone 6,USZ6,+7.0" << -7 << 0;
    QTest::newRow("67") << 67 << "West Africa Time,WAT,-1.0" << 1 << 0;
    QTest::newRow("68") << 68 << "Yukon Daylight Time,YDT,-8.0" << 8 << 0;
    QTest::newRow("69") << 69 << "Yukon Standard Time,YST,-9.0" << 9 << 0;
    QTest::newRow("70") << 70 << "Yukon War Time,YWT,-8.0" << 8 << 0;
}

// Every position of the list, against the zone table: the text shown, and what a
// double-click writes (by position, never parsed from the text: "+5.3" writes "-5" and "-30").
void FrmTimeZoneTest::doubleClickWritesTheZoneOfThatPosition()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(int, hours);
    QFETCH(int, minutes);

    withPicker([&](FrmTimeZone*, FrmTimeZoneDriver& picker) {
        QCOMPARE(picker.zoneList()->count(), 71);
        QCOMPARE(picker.zoneList()->item(position)->text(), text);
        picker.doubleClickRow(position);
    });

    expectZoneBoxes(QString::number(hours), QString::number(minutes));
}

void FrmTimeZoneTest::opensFreshWithNothingSelected()
{
    withPicker([](FrmTimeZone*, FrmTimeZoneDriver& picker) {
        QVERIFY(picker.zoneList()->selectedItems().isEmpty());
        picker.zoneList()->setCurrentRow(34);
        QVERIFY(!picker.zoneList()->selectedItems().isEmpty());
    });
    withPicker([](FrmTimeZone*, FrmTimeZoneDriver& picker) {
        QCOMPARE(picker.zoneList()->count(), 71);
        QVERIFY(picker.zoneList()->selectedItems().isEmpty());
    });
    expectZoneBoxes(QStringLiteral("1"), QStringLiteral("2"));
}

void FrmTimeZoneTest::quitWritesNothing()
{
    withPicker([](FrmTimeZone* dialog, FrmTimeZoneDriver& picker) {
        picker.zoneList()->setCurrentRow(34);
        QCOMPARE(picker.quitButton()->text(), QStringLiteral("&Quit"));
        picker.click("cmdQuit");
        QVERIFY(!dialog->isVisible());
    });
    expectZoneBoxes(QStringLiteral("1"), QStringLiteral("2"));
}

void FrmTimeZoneTest::closeBoxWritesNothing()
{
    withPicker([](FrmTimeZone* dialog, FrmTimeZoneDriver& picker) {
        picker.zoneList()->setCurrentRow(50);
        QVERIFY(dialog->close());
    });
    expectZoneBoxes(QStringLiteral("1"), QStringLiteral("2"));
}

void FrmTimeZoneTest::doubleClickWithoutSelectionWritesNothing()
{
    withPicker([](FrmTimeZone* dialog, FrmTimeZoneDriver& picker) {
        QVERIFY(picker.zoneList()->selectedItems().isEmpty());
        dialog->lstTimeZone_DblClick();
        QVERIFY(!dialog->isVisible());
    });
    expectZoneBoxes(QStringLiteral("1"), QStringLiteral("2"));
}

void FrmTimeZoneTest::enterChoosesTheSelectedZone()
{
    withPicker([](FrmTimeZone* dialog, FrmTimeZoneDriver& picker) {
        picker.chooseWithEnter(46);
        QVERIFY(!dialog->isVisible());
    });
    expectZoneBoxes(QStringLiteral("-13"), QStringLiteral("0"));
}

// At opening no row is current, so nothing looks chosen: the focus outline shows on no row, and the first Down
// selects the first zone, which Enter then writes.
void FrmTimeZoneTest::downFromTheOpeningChoosesTheFirstZone()
{
    withPicker([](FrmTimeZone* picker, FrmTimeZoneDriver& driver) {
        QListWidget* list = driver.zoneList();
        picker->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(picker, Deadline::eventMs));
        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), -1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!picker->isVisible());
    });
    expectZoneBoxes(QStringLiteral("9"), QStringLiteral("0")); // "Alaska/Hawaii Daylight Time,AHDT,-9.0"
}

QTEST_MAIN(FrmTimeZoneTest)
#include "FrmTimeZoneTest.moc"
