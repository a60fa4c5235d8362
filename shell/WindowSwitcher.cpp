#include "shell/WindowSwitcher.h"

#include "entry/window/FrmMain.h"
#include "knowledge/window/FrmResult.h"
#include "report/window/FrmSave.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <utility>

namespace {

// After the entry window's first paint, the next result window waits this long to be made: start-up, and the
// display showing the new window, are over by then, and no one fills the form in less.
constexpr std::chrono::milliseconds preparationDelay {400};

} // namespace

WindowSwitcher::WindowSwitcher(QObject* parent)
    : QObject(parent)
    , m_end([] { QCoreApplication::exit(0); })
{
}

WindowSwitcher::~WindowSwitcher()
{
    m_ending = true; // closing handlers must not bring up the exit screen now
    delete m_prepared.data();
    for (const QPointer<QWidget>& window : std::as_const(m_loaded)) {
        delete window.data();
    }
}

FrmMain* WindowSwitcher::showEntryWindow()
{
    m_entry = new FrmMain;
    m_entry->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_entry, &FrmMain::readingComputed, this, &WindowSwitcher::openResultInPlaceOfEntry);
    connect(m_entry, &FrmMain::aboutRequested, this, &WindowSwitcher::openAboutBox);
    // Opening a saved reading switches windows inside its command; the exit screen is hidden once more at its end.
    connect(m_entry, &FrmMain::savedReadingOpened, this, &WindowSwitcher::hideExitScreen);
    connect(m_entry, &FrmMain::closed, this, &WindowSwitcher::mainWindowClosed);
    remember(m_entry);
    m_entry->installEventFilter(this);
    m_entry->show();
    return m_entry;
}

FrmResult* WindowSwitcher::showResultWindow()
{
    m_result = takePreparedResultWindow();
    m_result->loadCurrentReading();
    m_result->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_result, &FrmResult::backRequested, this, &WindowSwitcher::openEntryInPlaceOfResult);
    connect(m_result, &FrmResult::saveRequested, this, &WindowSwitcher::openReportWindow);
    connect(m_result, &FrmResult::closed, this, &WindowSwitcher::mainWindowClosed);
    remember(m_result);
    m_result->installEventFilter(this);
    m_result->show();
    return m_result;
}

FrmMain* WindowSwitcher::entryWindow() const
{
    return m_entry;
}

FrmResult* WindowSwitcher::resultWindow() const
{
    return m_result;
}

FrmExitScreen* WindowSwitcher::exitScreen() const
{
    return m_exitScreen;
}

FrmResult* WindowSwitcher::preparedResultWindow() const
{
    return m_prepared;
}

// A main window's first paint: the user sees it, and what could wait runs now, in the time they take to look.
bool WindowSwitcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && (watched == m_entry || watched == m_result)) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &WindowSwitcher::afterFirstPaint);
    }
    return QObject::eventFilter(watched, event);
}

// Deletes the main window a switch left, loads the exit screen its close asked for and, while the entry window is up,
// makes the next result window.
void WindowSwitcher::afterFirstPaint()
{
    if (m_ending) {
        return;
    }
    for (const QPointer<QWidget>& left : std::exchange(m_left, {})) {
        delete left.data();
    }
    if (m_exitScreenWanted) {
        m_exitScreenWanted = false;
        loadExitScreen();
    }
    if (m_entry) {
        QTimer::singleShot(preparationDelay, this, &WindowSwitcher::prepareResultWindow);
    }
}

void WindowSwitcher::prepareResultWindow()
{
    if (!m_entry || m_prepared || m_ending) {
        return;
    }
    m_prepared = new FrmResult(nullptr, FrmResult::Load::Later);
    m_prepared->prepareLayout();
    m_prepared->winId(); // its window on the display, with title and icon, made now rather than on the click
}

FrmResult* WindowSwitcher::takePreparedResultWindow()
{
    FrmResult* result = m_prepared ? m_prepared.data() : new FrmResult(nullptr, FrmResult::Load::Later);
    m_prepared = nullptr;
    return result;
}

void WindowSwitcher::showExitScreen()
{
    FrmExitScreen* exitScreen = loadExitScreen();
    exitScreen->show();
    exitScreen->raise();
    // It shows only once the last main window has closed: nothing else is left to type into, so it takes the
    // keyboard, and "E&xit" works without the mouse.
    exitScreen->activateWindow();
}

void WindowSwitcher::hideExitScreen()
{
    if (m_exitScreen) {
        m_exitScreen->hide();
    }
}

void WindowSwitcher::CloseAllAndEnd()
{
    if (m_ending) {
        return;
    }
    m_ending = true;
    delete m_prepared.data();
    m_left.clear(); // among m_loaded, closed already, and deleted with the rest
    const QList<QPointer<QWidget>> loaded = m_loaded;
    for (const QPointer<QWidget>& window : loaded) {
        if (window) {
            window->close();
        }
    }
    m_end();
}

// Show the other main window, close this one, keep the exit screen out of sight. The closed window leaves the screen
// at once; deleting it waits until the new one is painted.
template <typename Show>
void WindowSwitcher::switchFrom(QWidget* current, Show showTarget)
{
    showTarget();
    m_switching = true;
    if (current != nullptr) {
        current->setAttribute(Qt::WA_DeleteOnClose, false);
        if (current->close()) {
            m_left.append(current);
        } else {
            current->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    m_switching = false;
    hideExitScreen();
}

void WindowSwitcher::openResultInPlaceOfEntry()
{
    switchFrom(m_entry, [this] { showResultWindow(); });
}

void WindowSwitcher::openEntryInPlaceOfResult()
{
    switchFrom(m_result, [this] { showEntryWindow(); });
}

void WindowSwitcher::openReportWindow()
{
    FrmSave report(m_result);
    report.exec();
}

void WindowSwitcher::openAboutBox()
{
    FrmAbout about(m_entry);
    about.exec();
}

// Every close of a main window loads the exit screen, which fixes its message for the run; only a close that is not
// part of a switch shows it (showing it there would only flash it before the switch hides it again), and a switch
// loads it once the new window is painted.
void WindowSwitcher::mainWindowClosed()
{
    if (m_ending) {
        return;
    }
    if (m_switching) {
        m_exitScreenWanted = !m_exitScreen;
        return;
    }
    showExitScreen();
}

FrmExitScreen* WindowSwitcher::loadExitScreen()
{
    if (!m_exitScreen) {
        m_exitScreen = new FrmExitScreen;
        m_exitScreen->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_exitScreen, &FrmExitScreen::endRequested, this, &WindowSwitcher::CloseAllAndEnd);
        remember(m_exitScreen);
    }
    return m_exitScreen;
}

void WindowSwitcher::remember(QWidget* window)
{
    m_loaded.removeAll(QPointer<QWidget>());
    m_loaded.append(window);
}
