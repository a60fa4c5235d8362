#include "desktop/InstanceGuard.h"
#include "desktop/OfferFrame.h"
#include "engine/BirthData.h"
#include "entry/window/FrmMain.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/window/FrmResult.h"
#include "report/BirFile.h"
#include "report/Scrambling.h"
#include "shell/Application.h"
#include "shell/CoBrand.h"
#include "shell/FrmExitScreen.h"
#include "shell/WindowSwitcher.h"
#include "tests/support/TestSeams.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Birth details as the user types them, and the star they give.
struct Birth
{
    int monthPosition;
    const char* day;
    const char* year;
    const char* hour;
    const char* minute;
    const char* zoneHour;
    const char* zoneMinute;
    const char* lonD;
    const char* lonM;
    bool east;
    const char* star;
};

// Published readings of the engine's own tests.
constexpr Birth swatiBirth {0, "1", "2000", "12", "0", "5", "30", "77", "12", true, "Swati"};
constexpr Birth ashwiniBirth {2, "21", "1950", "6", "30", "0", "0", "0", "0", false, "Ashwini"};
// Swati's day, 6.4 minutes before the Moon moves into Vishakha.
constexpr Birth swatiNearVishakhaBirth {0, "1", "2000", "18", "28", "5", "30", "77", "12", true, "Swati"};

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

template <typename T>
T* child(QWidget* window, const char* objectName)
{
    auto* found = window->findChild<T*>(QString::fromLatin1(objectName));
    Q_ASSERT(found != nullptr);
    return found;
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

class WindowSwitchingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

private:
    bool start();
    void compute(const Birth& birth);
    void goBack();
    // Runs `act` on the modal window that the next call opens, once it is up.
    void whenModalOpens(const std::function<void(QWidget*)>& act);

    std::unique_ptr<TestSeams> m_seams;
    std::unique_ptr<InstanceGuard> m_guard;
    std::unique_ptr<WindowSwitcher> m_switcher;
    int m_ends = 0;
};

void WindowSwitchingTest::init()
{
    QLocale::setDefault(QLocale::c());
    m_seams = std::make_unique<TestSeams>();
    currentProfile = NakshatraProfile();
    currentBirthData = BirthData();
    m_guard = std::make_unique<InstanceGuard>(m_seams->pathInDir(QStringLiteral("ondara.lock")));
    m_switcher = std::make_unique<WindowSwitcher>();
    m_ends = 0;
    m_switcher->setEndStep([this] { ++m_ends; });
}

void WindowSwitchingTest::cleanup()
{
    m_switcher.reset();
    const bool unanswered = m_seams->messages.missingAnswer;
    m_guard.reset();
    m_seams.reset(); // before the check, so a failed one cannot leave the real dialogs behind for the next test
    QVERIFY(!unanswered);
}

bool WindowSwitchingTest::start()
{
    if (!startOndara(*m_switcher, *m_guard)) {
        return false;
    }
    return QTest::qWaitForWindowExposed(m_switcher->entryWindow());
}

// Types the details into the entry window on screen and presses "Find My Birth Star".
void WindowSwitchingTest::compute(const Birth& birth)
{
    FrmMain* entry = m_switcher->entryWindow();
    QVERIFY(entry != nullptr && entry->isVisible());
    QTest::keyClicks(child<QLineEdit>(entry, "txtName"), QStringLiteral("Asha Rao"));
    child<QComboBox>(entry, "cboMonth")->setCurrentIndex(birth.monthPosition);
    child<QComboBox>(entry, "cboDate")->setCurrentText(QString::fromLatin1(birth.day));
    child<QComboBox>(entry, "cboYear")->setCurrentText(QString::fromLatin1(birth.year));
    child<QComboBox>(entry, "cboHH")->setCurrentText(QString::fromLatin1(birth.hour));
    child<QComboBox>(entry, "cboMM")->setCurrentText(QString::fromLatin1(birth.minute));
    QTest::keyClicks(child<QLineEdit>(entry, "txtZoneHour"), QString::fromLatin1(birth.zoneHour));
    QTest::keyClicks(child<QLineEdit>(entry, "txtZoneMinute"), QString::fromLatin1(birth.zoneMinute));
    QTest::keyClicks(child<QLineEdit>(entry, "txtLonD"), QString::fromLatin1(birth.lonD));
    QTest::keyClicks(child<QLineEdit>(entry, "txtLonM"), QString::fromLatin1(birth.lonM));
    QTest::keyClicks(child<QLineEdit>(entry, "txtLatD"), QStringLiteral("28"));
    QTest::keyClicks(child<QLineEdit>(entry, "txtLatM"), QStringLiteral("36"));
    QTest::mouseClick(child<QRadioButton>(entry, birth.east ? "optLongEast" : "optLongWest"), Qt::LeftButton);

    const QPointer<FrmMain> left(entry);
    QTest::mouseClick(child<QPushButton>(entry, "cmdRashi"), Qt::LeftButton);

    QVERIFY(m_seams->messages.shown.isEmpty());
    FrmResult* result = m_switcher->resultWindow();
    QVERIFY(result != nullptr);
    QCOMPARE(child<QLabel>(result, "lblNakshatra")->text(), QString::fromLatin1(birth.star));
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
    QVERIFY(m_switcher->exitScreen() != nullptr && !m_switcher->exitScreen()->isVisible());
    QTRY_VERIFY(left.isNull());
}

void WindowSwitchingTest::goBack()
{
    const QPointer<FrmResult> left(m_switcher->resultWindow());
    QVERIFY(left);
    QTest::mouseClick(child<QPushButton>(left, "cmdBack"), Qt::LeftButton);

    FrmMain* entry = m_switcher->entryWindow();
    QVERIFY(entry != nullptr);
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QVERIFY(!m_switcher->exitScreen()->isVisible());
    QTRY_VERIFY(left.isNull());
}

void WindowSwitchingTest::whenModalOpens(const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(0, this, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        act(modal);
        if (modal != nullptr && modal->isVisible()) {
            modal->close();
        }
    });
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
        QVERIFY(QDir().mkpath(m_seams->settingsFile()));
    }
    QVERIFY(start());
    FrmMain* entry = m_switcher->entryWindow();
    QCOMPARE(entry->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QVERIFY(m_switcher->exitScreen() == nullptr);
    QVERIFY(m_seams->messages.shown.isEmpty());
    QCOMPARE(m_ends, 0);
}

void WindowSwitchingTest::reminderAsksBeforeTheEntryWindowShows()
{
    {
        QSettings settings(m_seams->settingsFile(), QSettings::IniFormat);
        const QDate monthAgo = m_seams->clock.date.addDays(-30);
        settings.setValue(QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration")),
                          scrambleText(QLocale().toString(monthAgo, QLocale::ShortFormat)));
    }
    WindowCountingBoxes boxes;
    MessageBoxes::setInstance(&boxes);
    const auto restore = qScopeGuard([this] { MessageBoxes::setInstance(&m_seams->messages); });
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
    m_seams->clock.randomValues = {random};
    QVERIFY(start());
    QCOMPARE(intCoBrandRandomNumber, number);
    QCOMPARE(m_switcher->entryWindow()->offerFrame()->isCoBrandInFront(), number % 2 == 1);
}

void WindowSwitchingTest::readingAndBackSwitchBetweenFreshWindows()
{
    m_seams->clock.randomValues = {0.0}; // the first entry window shows the co-branding offer
    QVERIFY(start());
    QVERIFY(m_switcher->entryWindow()->offerFrame()->isCoBrandInFront());

    compute(swatiBirth);
    goBack();

    // A fresh entry window: every field at its initial value, the offers in their design order.
    FrmMain* entry = m_switcher->entryWindow();
    QCOMPARE(child<QLineEdit>(entry, "txtName")->text(), QString());
    QCOMPARE(child<QLineEdit>(entry, "txtZoneHour")->text(), QString());
    QCOMPARE(child<QLineEdit>(entry, "txtLonD")->text(), QString());
    QCOMPARE(child<QComboBox>(entry, "cboYear")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(entry, "cboMonth")->currentIndex(), 0);
    QVERIFY(!entry->offerFrame()->isCoBrandInFront());

    compute(ashwiniBirth);
    FrmResult* result = m_switcher->resultWindow();
    NakshatraProfile ashwini;
    QVERIFY(findNakshatraProfile(QStringLiteral("Ashwini"), ashwini));
    QCOMPARE(child<QLineEdit>(result, "txtSymbol")->text(), ashwini.symbol);
    QCOMPARE(child<QLineEdit>(result, "txtRullingPlanet")->text(), ashwini.rulingPlanet);
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
    const QString path = m_seams->pathInDir(QStringLiteral("reading.bir"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QString errorText;
        QVERIFY2(BirFile::write(&file, birth, &errorText), qPrintable(errorText));
    }
    m_seams->files.nextFileName = path;
    const QPointer<FrmMain> entry(m_switcher->entryWindow());

    QTest::mouseClick(child<QPushButton>(entry, "cmdOpen"), Qt::LeftButton);

    FrmResult* result = m_switcher->resultWindow();
    QVERIFY(result != nullptr);
    QCOMPARE(child<QLabel>(result, "lblNakshatra")->text(), QStringLiteral("Ashwini"));
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
    QVERIFY(!m_switcher->exitScreen()->isVisible());
    QTRY_VERIFY(entry.isNull());
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
        compute(swatiBirth);
    }
    QPointer<QWidget> mainWindow = afterAReading ? static_cast<QWidget*>(m_switcher->resultWindow())
                                                 : static_cast<QWidget*>(m_switcher->entryWindow());

    QVERIFY(mainWindow->close());

    FrmExitScreen* exitScreen = m_switcher->exitScreen();
    QVERIFY(exitScreen != nullptr);
    QCOMPARE(visibleWindows(), QList<QWidget*> {exitScreen});
    QVERIFY(exitScreen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTRY_VERIFY(mainWindow.isNull());
    QCOMPARE(m_ends, 0);
}

void WindowSwitchingTest::exitScreenMessageIsChosenOncePerRun()
{
    // The offer draw, then the exit screen's draw at the first switch; later draws must not be used.
    m_seams->clock.randomValues = {0.0, 0.6, 0.1, 0.9, 0.3};
    QVERIFY(start());
    compute(swatiBirth);
    const QPointer<FrmExitScreen> loaded(m_switcher->exitScreen());
    goBack();
    compute(ashwiniBirth);
    goBack();
    compute(swatiBirth);

    QVERIFY(m_switcher->resultWindow()->close());

    QCOMPARE(m_switcher->exitScreen(), loaded.data());
    QVERIFY(loaded->isVisible());
    QCOMPARE(child<QLabel>(loaded, "Label2")->text(), FrmExitScreen::message(2));
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
        QTest::mouseClick(child<QPushButton>(exitScreen, "cmdClose"), Qt::LeftButton);
    } else {
        exitScreen->close();
    }

    QCOMPARE(m_ends, 1);
    QVERIFY(m_switcher->isEnding());
    QVERIFY(visibleWindows().isEmpty());
    QTRY_VERIFY(exitScreen.isNull());
}

void WindowSwitchingTest::closeAllAndEndRunsOnce()
{
    QVERIFY(start());
    compute(swatiBirth); // a result window on screen, the exit screen loaded and hidden
    const QPointer<FrmResult> result(m_switcher->resultWindow());
    const QPointer<FrmExitScreen> exitScreen(m_switcher->exitScreen());

    m_switcher->CloseAllAndEnd();

    QCOMPARE(m_ends, 1);
    // The result window's closing did not bring the exit screen up on the way out.
    QVERIFY(visibleWindows().isEmpty());
    QTRY_VERIFY(result.isNull() && exitScreen.isNull());

    m_switcher->CloseAllAndEnd();
    QCOMPARE(m_ends, 1);
}

void WindowSwitchingTest::saveOpensTheReportOverTheResult()
{
    QVERIFY(start());
    compute(swatiBirth);
    FrmResult* result = m_switcher->resultWindow();
    QString opened;
    QWidget* parent = nullptr;
    whenModalOpens([&opened, &parent](QWidget* modal) {
        if (modal != nullptr) {
            opened = modal->objectName();
            parent = modal->parentWidget();
        }
    });

    QTest::mouseClick(child<QPushButton>(result, "cmdSave"), Qt::LeftButton);

    QCOMPARE(opened, QStringLiteral("frmSave"));
    QCOMPARE(parent, result);
    QCOMPARE(visibleWindows(), QList<QWidget*> {result});
}

void WindowSwitchingTest::aboutOpensTheAboutBoxOverTheEntryWindow()
{
    QVERIFY(start());
    FrmMain* entry = m_switcher->entryWindow();
    QString opened;
    QWidget* parent = nullptr;
    whenModalOpens([&opened, &parent](QWidget* modal) {
        if (modal != nullptr) {
            opened = modal->objectName();
            parent = modal->parentWidget();
            QTest::mouseClick(child<QPushButton>(modal, "cmdOK"), Qt::LeftButton);
        }
    });

    child<QAction>(entry, "mnuAbout")->trigger();

    QCOMPARE(opened, QStringLiteral("frmAbout"));
    QCOMPARE(parent, entry);
    QCOMPARE(visibleWindows(), QList<QWidget*> {entry});
    QVERIFY(m_switcher->resultWindow() == nullptr);
}

// The entry window computes the margin with the reading; the result window shows it, and the next reading's
// margin replaces it entirely.
void WindowSwitchingTest::eachReadingShowsItsOwnMargin()
{
    const auto resetMargin = qScopeGuard([] { currentMargin = ReadingMargin(); });
    QVERIFY(start());
    compute(swatiNearVishakhaBirth);
    FrmResult* result = m_switcher->resultWindow();
    QCOMPARE(child<QLineEdit>(result, "txtPada")->text(), QStringLiteral("4"));
    QCOMPARE(child<QLineEdit>(result, "txtMoonSign")->text(), QStringLiteral("Tula (Libra)"));
    QCOMPARE(child<QLineEdit>(result, "txtStarPeriod")->text(),
             QStringLiteral("From 31 December 1999, 16:09 to 1 January 2000, 18:34"));
    auto* caution = child<QLabel>(result, "lblStarCaution");
    QTRY_VERIFY(caution->isVisible());
    QVERIFY2(caution->text().startsWith(QStringLiteral("Born 6 minutes before the Moon moved into Vishakha.")),
             qPrintable(caution->text()));

    goBack();
    compute(ashwiniBirth);
    result = m_switcher->resultWindow();
    QCOMPARE(child<QLineEdit>(result, "txtPada")->text(), QStringLiteral("2"));
    QCOMPARE(child<QLineEdit>(result, "txtMoonSign")->text(), QStringLiteral("Mesha (Aries)"));
    QCOMPARE(child<QLineEdit>(result, "txtStarPeriod")->text(),
             QStringLiteral("From 20 March 1950, 18:42 to 21 March 1950, 21:43"));
    QTRY_VERIFY(result->isVisible());
    QVERIFY(!child<QLabel>(result, "lblStarCaution")->isVisible());
}

QTEST_MAIN(WindowSwitchingTest)
#include "WindowSwitchingTest.moc"
