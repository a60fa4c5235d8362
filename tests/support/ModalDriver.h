#pragma once

#include "tests/support/Deadline.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

// Drives a window that the code under test shows modally and waits on (QDialog::exec). Arm it before the call that
// opens the window. Once a modal window of type T with the given object name (any name when empty) is shown, the
// action runs on it from inside that window's own event loop, and the window is closed afterwards whatever the action
// did: a failed check inside the action fails one test and never leaves the caller blocked. If no such window comes
// by the deadline, every modal window is closed so the blocked call returns, and finish() says what was awaited and
// what was open instead.
//
//     const auto picker = ModalDriver::whenShown<QDialog>("frmTimeZone", [](QDialog* dialog) { ... });
//     QTest::mouseClick(tzHelp, Qt::LeftButton); // returns once the picker is closed
//     QVERIFY2(picker->finish(), qPrintable(picker->problem()));
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget*)>;

    ModalDriver(const QMetaObject& type, QString objectName, Action action,
                std::chrono::milliseconds deadline = Deadline::event);
    ~ModalDriver() override;
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    template <typename T, typename F>
    static std::unique_ptr<ModalDriver> whenShown(const QString& objectName, F action,
                                                  std::chrono::milliseconds deadline = Deadline::event)
    {
        return std::make_unique<ModalDriver>(
            T::staticMetaObject, objectName, [action](QWidget* window) mutable { action(static_cast<T*>(window)); },
            deadline);
    }

    // To call after the call that opens the window: waits in the event loop until the action has run and the window
    // is closed, or until the deadline. False when the window never came, stayed open, or a check failed while it
    // was open; problem() then says which.
    [[nodiscard]] bool finish();
    QString problem() const { return m_problem; }

    // Whether an armed driver waits for `window`; the watchdog leaves those windows to it.
    static bool isAwaited(const QWidget* window);
    // Closes every window that is open modally, innermost first, and describes each.
    static QStringList closeAllModals();
    // "frmSave (FrmSave)", with the text of a message box.
    static QString describe(const QWidget* window);
    // Rejects a dialog, closes any other window; hides what refuses to close.
    static void close(QWidget* window);

signals:
    void settled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool matches(const QWidget* window) const;
    QString awaited() const;
    void drive(const QPointer<QWidget>& window);
    void expire();
    void settle(const QString& problem);

    const QMetaObject& m_type;
    QString m_objectName;
    Action m_action;
    std::chrono::milliseconds m_deadline;
    QTimer m_deadlineTimer;
    QPointer<QWidget> m_shown;
    bool m_claimed = false;
    bool m_settled = false;
    QString m_problem;
};

// While it lives, a window shown modally that no ModalDriver awaits fails the running test as soon as the code that
// showed it blocks on it, and is closed so that code returns: a dialog nobody answers never hangs a test binary.
// Windows a test only show()s (without exec) are left alone. SeamFixture keeps one for every test function.
class ModalWatchdog : public QObject
{
    Q_OBJECT

public:
    ModalWatchdog();
    ~ModalWatchdog() override;
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkBlocking(const QPointer<QWidget>& window, int loopLevelAtShow);
};
