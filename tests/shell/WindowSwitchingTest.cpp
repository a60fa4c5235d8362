#include "desktop/InstanceGuard.h"
#include "desktop/OfferFrame.h"
#include "engine/BirthData.h"
#include "entry/window/FrmMain.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/window/FrmResult.h"
#include "report/Scrambling.h"
#include "shell/Application.h"
#include "shell/CoBrand.h"
#include "shell/FrmExitScreen.h"
#include "shell/WindowSwitcher.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmAboutDriver.h"
#include "tests/support/FrmMainDriver.h"
#include "tests/support/FrmResultDriver.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SampleBirths.h"
#include "tests/support/SavedReadings.h"
#include "tests/support/SeamFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

// Swati's day, 6.4 minutes before the Moon moves into Vishakha.
SampleBirth swatiNearVishakhaBirth()
{
    SampleBirth sample = swatiBirth();
    sample.details = newYear2000(18, 28);
    sample.details.name = "Asha Rao";
    return sample;
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            visible.append(window);
        }
    }
    return visible;
}

// Counts the windows on screen whenever a message box is asked for.
class WindowCountingBoxes : public RecordingMessageBoxes
{
public:
    QMessageBox::StandardButton ask(QWidget* parent, const MessageRequest& request) override
    {
        visibleWhenAsked.append(visibleWindows().size());
        return RecordingMessageBoxes::ask(parent, request);
    }
    QList<int> visibleWhenAsked;
};

} // namespace

class WindowSwitchingTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void startUpShowsOnlyTheEntryWindow_data();
    void startUpShowsOnlyTheEntryWindow();
    void reminderAsksBeforeTheEntryWindowShows();
    void firstEntryWindowGetsTheDrawnOffer_data();
    void firstEntryWindowGetsTheDrawnOffer();
    void readingAndBackSwitchBetweenFreshWindows();
    void openingASavedReadingShowsItsResult();
    void closingAMainWindowShowsTheExitScreen_data();
    void closingAMainWindowShowsTheExitScreen();
    void exitScreenMessageIsChosenOncePerRun();
    void exitScreenEndsEverything_data();
    void exitScreenEndsEverything();
    void closeAllAndEndRunsOnce();
    void saveOpensTheReportOverTheResult();
    void aboutOpensTheAboutBoxOverTheEntryWindow();
    void eachReadingShowsItsOwnMargin();
    void eachReadingFillsItsOwnSyllableAndPeriods();
    void theResultWindowIsMadeAheadAndShowsTheReadingOfTheClick();

private:
    void setUp() override;
    void tearDown() override;
    bool start();
    void compute(const SampleBirth& birth);
    void goBack();

    std::unique_ptr<InstanceGuard> m_guard;
    std::unique_ptr<WindowSwitcher> m_switcher;
    int m_ends = 0;
};

void WindowSwitchingTest::setUp()
{
    currentProfile = NakshatraProfile();
    currentBirthData = BirthData();
    m_guard = std::make_unique<InstanceGuard>(seams().pathInDir(QStringLiteral("ondara.lock")));
    m_switcher = std::make_unique<WindowSwitcher>();
    m_ends = 0;
    m_switcher->setEndStep([this] { ++m_ends; });
}

void WindowSwitchingTest::tearDown()
{
    m_switcher.reset();
    m_guard.reset();
}

bool WindowSwitchingTest::start()
{
    if (!startOndara(*m_switcher, *m_guard)) {
        return false;
    }
    return QTest::qWaitForWindowExposed(m_switcher->entryWindow(), Deadline::eventMs);
}

// Types the details into the entry window on screen and presses "Find My Birth Star".
void WindowSwitchingTest::compute(const SampleBirth& birth)
{
    FrmMain* entry = m_switcher->entryWindow();
    QVERIFY(entry != nullptr && entry->isVisible());
    const FrmMainDriver typing(entry);
    typing.fill(TypedEntry::of(birth.details));

    const QPointer<FrmMain> left(entry);
    typing.findBirthStar();

    QVERIFY(seams().messages.shown.isEmpty());
    FrmResult* result = m_switcher->resultWindow();
    QVERIFY(result != nullptr);
    QCOMPARE(FrmResultDriver(result).shownNakshatra(), QString::fromLatin1(birth.star));
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
    // Once the result window is painted, the entry window is deleted and the exit screen loaded, out of sight.
    QTRY_VERIFY_WITH_TIMEOUT(left.isNull(), Deadline::eventMs);
    QVERIFY(m_switcher->exitScreen() != nullptr && !m_switcher->exitScreen()->isVisible());
}

void WindowSwitchingTest::goBack()
{
    const QPointer<FrmResult> left(m_switcher->resultWindow());
    QVERIFY(left);
    FrmResultDriver(left).click("cmdBack");

    FrmMain* entry = m_switcher->entryWindow();
    QVERIFY(entry != nullptr);
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QTRY_VERIFY_WITH_TIMEOUT(left.isNull(), Deadline::eventMs);
    QVERIFY(!m_switcher->exitScreen()->isVisible());
}

void WindowSwitchingTest::startUpShowsOnlyTheEntryWindow_data()
{
    QTest::addColumn<bool>("settingsDamaged");
    QTest::newRow("first start") << false;
    QTest::newRow("settings file unusable") << true;
}

void WindowSwitchingTest::startUpShowsOnlyTheEntryWindow()
{
    QFETCH(bool, settingsDamaged);
    if (settingsDamaged) {
        QVERIFY(QDir().mkpath(seams().settingsFile()));
    }
    QVERIFY(start());
    FrmMain* entry = m_switcher->entryWindow();
    QCOMPARE(entry->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QVERIFY(m_switcher->exitScreen() == nullptr);
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(m_ends, 0);
}

void WindowSwitchingTest::reminderAsksBeforeTheEntryWindowShows()
{
    {
        QSettings settings(seams().settingsFile(), QSettings::IniFormat);
        const QDate monthAgo = seams().clock.date.addDays(-30);
        settings.setValue(QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration")),
                          scrambleText(QLocale().toString(monthAgo, QLocale::ShortFormat)));
    }
    WindowCountingBoxes boxes;
    MessageBoxes::setInstance(&boxes);
    const auto restore = qScopeGuard([this] { MessageBoxes::setInstance(&seams().messages); });
    boxes.queueAnswer(QMessageBox::No);

    QVERIFY(start());

    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(boxes.visibleWhenAsked, QList<int> {0});
    QCOMPARE(visibleWindows(), QList<QWidget*> {m_switcher->entryWindow()});
    QVERIFY(!boxes.missingAnswer);
}

void WindowSwitchingTest::firstEntryWindowGetsTheDrawnOffer_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("number");
    QTest::newRow("0 draws 1") << 0.0 << 1;
    QTest::newRow("draws 2") << 0.17 << 2;
    QTest::newRow("draws 3") << 0.34 << 3;
    QTest::newRow("draws 4") << 0.5 << 4;
    QTest::newRow("draws 5") << 0.7 << 5;
    QTest::newRow("just below 1 draws 6") << 0.9999 << 6;
}

void WindowSwitchingTest::firstEntryWindowGetsTheDrawnOffer()
{
    QFETCH(double, random);
    QFETCH(int, number);
    seams().clock.randomValues = {random};
    QVERIFY(start());
    QCOMPARE(intCoBrandRandomNumber, number);
    QCOMPARE(m_switcher->entryWindow()->offerFrame()->isCoBrandInFront(), number % 2 == 1);
}

void WindowSwitchingTest::readingAndBackSwitchBetweenFreshWindows()
{
    seams().clock.randomValues = {0.0}; // the first entry window shows the co-branding offer
    QVERIFY(start());
    QVERIFY(m_switcher->entryWindow()->offerFrame()->isCoBrandInFront());

    compute(swatiBirth());
    goBack();

    // A fresh entry window: every field at its initial value, the offers in their design order.
    FrmMain* entry = m_switcher->entryWindow();
    const FrmMainDriver fresh(entry);
    QCOMPARE(fresh.box("txtName")->text(), QString());
    QCOMPARE(fresh.box("txtZoneHour")->text(), QString());
    QCOMPARE(fresh.box("txtLonD")->text(), QString());
    QCOMPARE(fresh.list("cboYear")->currentIndex(), 0);
    QCOMPARE(fresh.list("cboMonth")->currentIndex(), 0);
    QVERIFY(!entry->offerFrame()->isCoBrandInFront());

    compute(ashwiniBirth());
    const FrmResultDriver result(m_switcher->resultWindow());
    QCOMPARE(result.textOf("txtSymbol"), QStringLiteral("Head of a Horse"));
    QCOMPARE(result.textOf("txtRullingPlanet"), QStringLiteral("Ketu"));
    QCOMPARE(m_ends, 0);
}

void WindowSwitchingTest::openingASavedReadingShowsItsResult()
{
    QVERIFY(start());
    BirthData birth;
    birth.name = "Asha Rao";
    birth.month = 3;
    birth.day = 21;
    birth.year = 1950;
    birth.hour = 6;
    birth.minute = 30;
    birth.latitudeDegrees = 51;
    const QString path = seams().pathInDir(QStringLiteral("reading.bir"));
    QString errorText;
    QVERIFY2(writeSavedReading(path, birth, &errorText), qPrintable(errorText));
    seams().files.nextFileName = path;
    const QPointer<FrmMain> entry(m_switcher->entryWindow());

    FrmMainDriver(entry).openSavedReading();

    FrmResult* result = m_switcher->resultWindow();
    QVERIFY(result != nullptr);
    QCOMPARE(FrmResultDriver(result).shownNakshatra(), QStringLiteral("Ashwini"));
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
    QTRY_VERIFY_WITH_TIMEOUT(entry.isNull(), Deadline::eventMs);
    QVERIFY(!m_switcher->exitScreen()->isVisible());
}

void WindowSwitchingTest::closingAMainWindowShowsTheExitScreen_data()
{
    QTest::addColumn<bool>("afterAReading");
    QTest::newRow("entry window before any reading") << false;
    QTest::newRow("result window") << true;
}

void WindowSwitchingTest::closingAMainWindowShowsTheExitScreen()
{
    QFETCH(bool, afterAReading);
    QVERIFY(start());
    if (afterAReading) {
        compute(swatiBirth());
    }
    QPointer<QWidget> mainWindow = afterAReading ? static_cast<QWidget*>(m_switcher->resultWindow())
                                                 : static_cast<QWidget*>(m_switcher->entryWindow());

    QVERIFY(mainWindow->close());

    FrmExitScreen* exitScreen = m_switcher->exitScreen();
    QVERIFY(exitScreen != nullptr);
    QCOMPARE(visibleWindows(), QList<QWidget*> {exitScreen});
    QVERIFY(exitScreen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow.isNull(), Deadline::eventMs);
    QCOMPARE(m_ends, 0);
}

void WindowSwitchingTest::exitScreenMessageIsChosenOncePerRun()
{
    // The offer draw, then the exit screen's draw at the first switch; later draws must not be used.
    seams().clock.randomValues = {0.0, 0.6, 0.1, 0.9, 0.3};
    QVERIFY(start());
    compute(swatiBirth());
    const QPointer<FrmExitScreen> loaded(m_switcher->exitScreen());
    goBack();
    compute(ashwiniBirth());
    goBack();
    compute(swatiBirth());

    QVERIFY(m_switcher->resultWindow()->close());

    QCOMPARE(m_switcher->exitScreen(), loaded.data());
    QVERIFY(loaded->isVisible());
    QCOMPARE(requireChild<QLabel>(loaded, "Label2")->text(), FrmExitScreen::message(2));
}

void WindowSwitchingTest::exitScreenEndsEverything_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void WindowSwitchingTest::exitScreenEndsEverything()
{
    QFETCH(bool, byExitButton);
    QVERIFY(start());
    QVERIFY(m_switcher->entryWindow()->close());
    const QPointer<FrmExitScreen> exitScreen(m_switcher->exitScreen());
    QVERIFY(exitScreen->isVisible());

    if (byExitButton) {
        QTest::mouseClick(requireChild<QPushButton>(exitScreen, "cmdClose"), Qt::LeftButton);
    } else {
        exitScreen->close();
    }

    QCOMPARE(m_ends, 1);
    QVERIFY(m_switcher->isEnding());
    QVERIFY(visibleWindows().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(exitScreen.isNull(), Deadline::eventMs);
}

void WindowSwitchingTest::closeAllAndEndRunsOnce()
{
    QVERIFY(start());
    compute(swatiBirth()); // a result window on screen, the exit screen loaded and hidden
    const QPointer<FrmResult> result(m_switcher->resultWindow());
    const QPointer<FrmExitScreen> exitScreen(m_switcher->exitScreen());

    m_switcher->CloseAllAndEnd();

    QCOMPARE(m_ends, 1);
    // The result window's closing did not bring the exit screen up on the way out.
    QVERIFY(visibleWindows().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(result.isNull() && exitScreen.isNull(), Deadline::eventMs);

    m_switcher->CloseAllAndEnd();
    QCOMPARE(m_ends, 1);
}

void WindowSwitchingTest::saveOpensTheReportOverTheResult()
{
    QVERIFY(start());
    compute(swatiBirth());
    FrmResult* result = m_switcher->resultWindow();
    QWidget* parent = nullptr;
    const auto report = ModalDriver::whenShown<QDialog>(
        QStringLiteral("frmSave"), [&parent](QDialog* dialog) { parent = dialog->parentWidget(); });

    FrmResultDriver(result).click("cmdSave");

    QVERIFY2(report->finish(), qPrintable(report->problem()));
    QCOMPARE(parent, result);
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
}

void WindowSwitchingTest::aboutOpensTheAboutBoxOverTheEntryWindow()
{
    QVERIFY(start());
    FrmMain* entry = m_switcher->entryWindow();
    QWidget* parent = nullptr;
    bool closedByOk = false;
    const auto about = ModalDriver::whenShown<QDialog>(QStringLiteral("frmAbout"), [&](QDialog* dialog) {
        parent = dialog->parentWidget();
        FrmAboutDriver(dialog).pressOk();
        closedByOk = !dialog->isVisible();
    });

    FrmMainDriver(entry).trigger("mnuAbout");

    QVERIFY2(about->finish(), qPrintable(about->problem()));
    QCOMPARE(parent, entry);
    QVERIFY(closedByOk);
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QVERIFY(m_switcher->resultWindow() == nullptr);
}

// The entry window computes the margin with the reading; the result window shows it, and the next reading's
// margin replaces it entirely.
void WindowSwitchingTest::eachReadingShowsItsOwnMargin()
{
    const auto resetMargin = qScopeGuard([] { currentMargin = ReadingMargin(); });
    QVERIFY(start());
    compute(swatiNearVishakhaBirth());
    FrmResult* result = m_switcher->resultWindow();
    QCOMPARE(requireChild<QLineEdit>(result, "txtPada")->text(), QStringLiteral("4"));
    QCOMPARE(requireChild<QLineEdit>(result, "txtMoonSign")->text(), QStringLiteral("Tula (Libra)"));
    QCOMPARE(requireChild<QLineEdit>(result, "txtStarPeriod")->text(),
             QStringLiteral("From 31 December 1999, 16:09 to 1 January 2000, 18:34"));
    auto* caution = requireChild<QLabel>(result, "lblStarCaution");
    QTRY_VERIFY(caution->isVisible());
    QVERIFY2(caution->text().startsWith(QStringLiteral("Born 6 minutes before the Moon moved into Vishakha.")),
             qPrintable(caution->text()));

    goBack();
    compute(ashwiniBirth());
    result = m_switcher->resultWindow();
    QCOMPARE(requireChild<QLineEdit>(result, "txtPada")->text(), QStringLiteral("2"));
    QCOMPARE(requireChild<QLineEdit>(result, "txtMoonSign")->text(), QStringLiteral("Mesha (Aries)"));
    QCOMPARE(requireChild<QLineEdit>(result, "txtStarPeriod")->text(),
             QStringLiteral("From 20 March 1950, 18:42 to 21 March 1950, 21:43"));
    QTRY_VERIFY(result->isVisible());
    QVERIFY(!requireChild<QLabel>(result, "lblStarCaution")->isVisible());
}

// The syllable and the periods come with the reading, and the next reading replaces them entirely.
void WindowSwitchingTest::eachReadingFillsItsOwnSyllableAndPeriods()
{
    const auto resetGifts = qScopeGuard([] { currentGifts = BirthStarGifts(); });
    QVERIFY(start());
    compute(swatiNearVishakhaBirth());
    QCOMPARE(currentGifts.nakshatraName, QStringLiteral("Swati"));
    QCOMPARE(currentGifts.syllable.latin, QStringLiteral("Ta"));
    QVERIFY2(currentGifts.balanceText.startsWith(QStringLiteral("Rahu: 0 years, 0 months, ")),
             qPrintable(currentGifts.balanceText));

    goBack();
    compute(ashwiniBirth());
    QCOMPARE(currentGifts.nakshatraName, QStringLiteral("Ashwini"));
    QCOMPARE(currentGifts.syllable.latin, QStringLiteral("Che"));
    QCOMPARE(currentGifts.balanceText, QStringLiteral("Ketu: 3 years, 11 months, 7 days"));
    QCOMPARE(currentGifts.majorPeriods.size(), 10);
    QCOMPARE(currentGifts.subPeriods.size(), 10);
}

// While the entry window waits for the user, the next result window is made out of sight; the click shows that very
// window, filled with the reading the click made, and each return to the entry window makes a new one.
void WindowSwitchingTest::theResultWindowIsMadeAheadAndShowsTheReadingOfTheClick()
{
    QVERIFY(start());
    for (const SampleBirth& birth : {swatiBirth(), ashwiniBirth()}) {
        QTRY_VERIFY_WITH_TIMEOUT(m_switcher->preparedResultWindow() != nullptr, Deadline::eventMs);
        const QPointer<FrmResult> prepared(m_switcher->preparedResultWindow());
        QVERIFY(!prepared->isVisible());
        compute(birth);
        QCOMPARE(m_switcher->resultWindow(), prepared.data());
        QVERIFY(m_switcher->preparedResultWindow() == nullptr);
        goBack();
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_switcher->preparedResultWindow() != nullptr, Deadline::eventMs);
    const QPointer<FrmResult> unused(m_switcher->preparedResultWindow());
    m_switcher->CloseAllAndEnd();
    QVERIFY(unused.isNull());
    QCOMPARE(m_ends, 1);
}

QTEST_MAIN(WindowSwitchingTest)
#include "WindowSwitchingTest.moc"
