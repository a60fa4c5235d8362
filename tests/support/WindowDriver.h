#pragma once

#include "tests/support/CallSite.h"
#include "tests/support/RequireChild.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

// What every window driver does: find controls by object name (failing the test with the name when one is
// missing), show the window and wait on its events with a deadline, click, trigger and read what the window shows.
// A driver knows a window only by its object name and its controls' names and Qt types, never by the window's class.
class WindowDriver
{
public:
    // Drives `window`, whose object name must be `objectName`; the test fails if it is not.
    WindowDriver(QWidget* window, const char* objectName, CallSite where = CallSite());

    QWidget* window() const { return m_window.data(); }

    template <typename T = QWidget>
    T* child(const char* name, CallSite where = CallSite()) const
    {
        return requireChild<T>(m_window.data(), name, where);
    }

    // Shows the window and waits in the event loop until it is exposed; false at the deadline.
    [[nodiscard]] bool show() const;
    // The same, and then until it is the active window, for tests that type or move the focus.
    [[nodiscard]] bool showActive() const;

    // A left click in the middle of the button, check box or link label `name`.
    void click(const char* name) const;
    void trigger(const char* actionName) const;

    // The text the control `name` shows: a line edit's or text box's text, a label's, a button's caption, a combo
    // box's current entry.
    QString textOf(const char* name) const;

    // The menu bar's titles, and the entries of the menu `menuName` as "-" for a separator and the caption otherwise;
    // with `withNames`, "objectName caption".
    QStringList menuBarTitles() const;
    QStringList menuEntries(const char* menuName, bool withNames = false) const;

protected:
    QPointer<QWidget> m_window;
};
