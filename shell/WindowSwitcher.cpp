#include "shell/WindowSwitcher.h"

#include "entry/window/FrmMain.h"
#include "knowledge/window/FrmResult.h"
#include "report/window/FrmSave.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

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

// The entry window's first paint: the user now has the form to fill, and the program has time.
bool WindowSwitcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_entry && event->type() == QEvent::Paint) {
        m_entry->removeEventFilter(this);
        QTimer::singleShot(0, this, &WindowSwitcher::prepareResultWindow);
    }
    return QObject::eventFilter(watched, event);
}

void WindowSwitcher::prepareResultWindow()
{
    if (m_prepared || m_ending) {
        return;
    }
    m_prepared = new FrmResult(nullptr, FrmResult::Load::Later);
    m_prepared->prepareLayout();
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
    const QList<QPointer<QWidget>> loaded = m_loaded;
    for (const QPointer<QWidget>& window : loaded) {
        if (window) {
            window->close();
        }
    }
    m_end();
}

// Show the other main window, close this one, keep the exit screen out of sight.
template <typename Show>
void WindowSwitcher::switchFrom(QWidget* current, Show showTarget)
{
    showTarget();
    m_switching = true;
    if (current != nullptr) {
        current->close();
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
// part of a switch shows it (showing it there would only flash it before the switch hides it again).
void WindowSwitcher::mainWindowClosed()
{
    if (m_ending) {
        return;
    }
    loadExitScreen();
    if (!m_switching) {
        showExitScreen();
    }
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
