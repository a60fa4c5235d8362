#include "tests/support/WindowDriver.h"

#include "tests/support/Deadline.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QVariant>

WindowDriver::WindowDriver(QWidget* window, const char* objectName, CallSite where)
    : m_window(window)
{
    if (window == nullptr || window->objectName() != QLatin1String(objectName)) {
        QTest::qFail(qPrintable(QStringLiteral("expected the window %1, got %2")
                                    .arg(QLatin1String(objectName),
                                         window == nullptr ? QStringLiteral("none") : window->objectName())),
                     where.file, where.line);
    }
}

bool WindowDriver::show() const
{
    if (m_window.isNull()) {
        return false;
    }
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.data(), Deadline::eventMs);
}

bool WindowDriver::showActive() const
{
    if (!show()) {
        return false;
    }
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.data(), Deadline::eventMs);
}

void WindowDriver::click(const char* name) const
{
    QWidget* control = child<QWidget>(name);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void WindowDriver::trigger(const char* actionName) const
{
    child<QAction>(actionName)->trigger();
}

QString WindowDriver::textOf(const char* name) const
{
    const QWidget* control = child<QWidget>(name);
    // A paragraph box that lays its text out only when shown says what it holds all the same.
    if (const QVariant prose = control->property("prose"); prose.isValid()) {
        return prose.toString();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(control)) {
        return line->text();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(control)) {
        return plain->toPlainText();
    }
    if (const auto* rich = qobject_cast<const QTextEdit*>(control)) {
        return rich->toPlainText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        return list->currentText();
    }
    QTest::qFail(qPrintable(QStringLiteral("%1 is a %2, which shows no text the driver knows how to read")
                                .arg(QLatin1String(name), QLatin1String(control->metaObject()->className()))),
                 __FILE__, __LINE__);
    return {};
}

QStringList WindowDriver::menuBarTitles() const
{
    const auto* bar = m_window.isNull() ? nullptr : m_window->findChild<const QMenuBar*>();
    if (bar == nullptr) {
        QTest::qFail("the window has no menu bar", __FILE__, __LINE__);
        return {};
    }
    QStringList titles;
    for (const QAction* title : bar->actions()) {
        titles.append(title->text());
    }
    return titles;
}

QStringList WindowDriver::menuEntries(const char* menuName, bool withNames) const
{
    QStringList entries;
    for (const QAction* entry : child<QMenu>(menuName)->actions()) {
        if (entry->isSeparator()) {
            entries.append(QStringLiteral("-"));
        } else {
            entries.append(withNames ? entry->objectName() + QLatin1Char(' ') + entry->text() : entry->text());
        }
    }
    return entries;
}
