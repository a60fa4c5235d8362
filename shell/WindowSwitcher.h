#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class FrmExitScreen;
class FrmMain;
class FrmResult;
class QWidget;

// Knows every window of the program and passes between them: one main window at a time (the entry window or the
// result window), each created when shown and deleted when closed, the exit screen that closing a main window brings
// up, and the modal windows opened over them. CloseAllAndEnd is the program's one way out. What a switch can leave
// for later waits for the new window's first paint; while the entry window is up, the next result window is made and
// laid out then, so that the reading appears at once.
class WindowSwitcher : public QObject
{
    Q_OBJECT

public:
    explicit WindowSwitcher(QObject* parent = nullptr);
    ~WindowSwitcher() override;

    // What ends the process once every window is closed; tests replace it to stay alive.
    void setEndStep(std::function<void()> end) { m_end = std::move(end); }

    FrmMain* showEntryWindow();
    FrmResult* showResultWindow();
    void showExitScreen();
    void hideExitScreen();

    FrmMain* entryWindow() const;
    FrmResult* resultWindow() const;
    FrmExitScreen* exitScreen() const;
    // The result window made ahead and not yet shown, if any.
    FrmResult* preparedResultWindow() const;

    // Closes every window in the order they were loaded, then ends the process. Runs once: a close handler that
    // asks for it again during the walk changes nothing.
    void CloseAllAndEnd();
    bool isEnding() const { return m_ending; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterFirstPaint();
    void prepareResultWindow();
    FrmResult* takePreparedResultWindow();
    void openResultInPlaceOfEntry();
    void openEntryInPlaceOfResult();
    void openReportWindow();
    void openAboutBox();
    void mainWindowClosed();
    FrmExitScreen* loadExitScreen();
    void remember(QWidget* window);
    template <typename Show>
    void switchFrom(QWidget* current, Show showTarget);

    std::function<void()> m_end;
    QPointer<FrmMain> m_entry;
    QPointer<FrmResult> m_result;
    QPointer<FrmResult> m_prepared; // hidden, not among m_loaded until shown
    QPointer<FrmExitScreen> m_exitScreen;
    QList<QPointer<QWidget>> m_loaded; // in the order the windows were loaded
    QList<QPointer<QWidget>> m_left; // closed by a switch, deleted once the new window is painted
    bool m_exitScreenWanted = false;
    bool m_switching = false;
    bool m_ending = false;
};
