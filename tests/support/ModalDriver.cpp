#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QTest>
#include <QThread>

#include <algorithm>

namespace {

// The drivers waiting for a window, so the watchdog can tell an awaited window from a stray one.
QList<const ModalDriver*>& armedDrivers()
{
    static QList<const ModalDriver*> drivers;
    return drivers;
}

int currentLoopLevel()
{
    return QThread::currentThread()->loopLevel();
}

bool isModalWindow(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->isWindow() && widget->isModal();
}

} // namespace

ModalDriver::ModalDriver(const QMetaObject& type, QString objectName, Action action, std::chrono::milliseconds deadline)
    : m_type(type)
    , m_objectName(std::move(objectName))
    , m_action(std::move(action))
    , m_deadline(deadline)
{
    armedDrivers().append(this);
    qApp->installEventFilter(this);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &ModalDriver::expire);
    m_deadlineTimer.start(m_deadline);
}

ModalDriver::~ModalDriver()
{
    armedDrivers().removeAll(this);
    qApp->removeEventFilter(this);
    if (m_shown && m_shown->isVisible()) {
        close(m_shown);
    }
}

bool ModalDriver::finish()
{
    if (!m_settled) {
        QEventLoop loop;
        connect(this, &ModalDriver::settled, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (m_problem.isEmpty() && m_shown && m_shown->isVisible()) {
        m_problem = QStringLiteral("%1 is still open after its action").arg(describe(m_shown));
        close(m_shown);
    }
    return m_problem.isEmpty();
}

bool ModalDriver::isAwaited(const QWidget* window)
{
    return std::ranges::any_of(armedDrivers(), [window](const ModalDriver* driver) { return driver->matches(window); });
}

QStringList ModalDriver::closeAllModals()
{
    QStringList closed;
    // A window that cannot be made to go is counted once; the bound keeps a stubborn one from looping forever.
    for (int attempt = 0; attempt < 16; ++attempt) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            break;
        }
        closed.append(describe(modal));
        close(modal);
        if (QApplication::activeModalWidget() == modal) {
            break;
        }
    }
    return closed;
}

QString ModalDriver::describe(const QWidget* window)
{
    if (window == nullptr) {
        return QStringLiteral("(no window)");
    }
    const QString type = QString::fromLatin1(window->metaObject()->className());
    QString text = window->objectName().isEmpty() ? QStringLiteral("a %1").arg(type)
                                                  : QStringLiteral("%1 (%2)").arg(window->objectName(), type);
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) {
        text += QStringLiteral(" saying \"%1\"").arg(box->text());
    }
    return text;
}

void ModalDriver::close(QWidget* window)
{
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
    } else {
        window->close();
    }
    if (window->isVisible()) {
        window->hide();
    }
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && !m_claimed && !m_settled && isModalWindow(watched)) {
        auto* window = static_cast<QWidget*>(watched);
        if (matches(window)) {
            m_claimed = true;
            m_shown = window;
            // Queued, so the action runs inside the window's event loop: a window closed before exec() has entered
            // its loop would leave exec() waiting for good.
            QMetaObject::invokeMethod(
                this, [this, shown = QPointer<QWidget>(window)] { drive(shown); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ModalDriver::matches(const QWidget* window) const
{
    return window != nullptr && m_type.cast(const_cast<QWidget*>(window)) != nullptr
        && (m_objectName.isEmpty() || window->objectName() == m_objectName);
}

QString ModalDriver::awaited() const
{
    return QStringLiteral("a modal %1%2")
        .arg(QString::fromLatin1(m_type.className()),
             m_objectName.isEmpty() ? QString() : QStringLiteral(" named \"%1\"").arg(m_objectName));
}

void ModalDriver::drive(const QPointer<QWidget>& window)
{
    if (m_settled) {
        return;
    }
    if (window.isNull() || !window->isVisible()) {
        settle(QStringLiteral("%1 closed before it could be driven").arg(awaited()));
        return;
    }
    const bool failedBefore = QTest::currentTestFailed();
    m_action(window.data());
    close(window.data());
    settle(!failedBefore && QTest::currentTestFailed()
               ? QStringLiteral("a check failed while %1 was open").arg(describe(window.data()))
               : QString());
}

void ModalDriver::expire()
{
    if (m_settled) {
        return;
    }
    const QStringList open = closeAllModals();
    const QString seconds = QString::number(double(m_deadline.count()) / 1000.0);
    QString problem = m_claimed
        ? QStringLiteral("%1 was shown, but its action had not finished after %2 s").arg(describe(m_shown), seconds)
        : QStringLiteral("%1 was not shown within %2 s").arg(awaited(), seconds);
    if (!open.isEmpty()) {
        problem += QStringLiteral("; closed instead: ") + open.join(QStringLiteral(", "));
    }
    settle(problem);
}

void ModalDriver::settle(const QString& problem)
{
    m_settled = true;
    m_problem = problem;
    m_deadlineTimer.stop();
    armedDrivers().removeAll(this);
    emit settled();
}

ModalWatchdog::ModalWatchdog()
{
    qApp->installEventFilter(this);
}

ModalWatchdog::~ModalWatchdog()
{
    qApp->removeEventFilter(this);
}

bool ModalWatchdog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && isModalWindow(watched)) {
        const int level = currentLoopLevel();
        QMetaObject::invokeMethod(
            this,
            [this, window = QPointer<QWidget>(static_cast<QWidget*>(watched)), level] { checkBlocking(window, level); },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

// Runs from the first event loop after the window was shown. Deeper than where it was shown means the code that
// showed it now waits in the window's own loop (exec); at the same depth the test merely showed it.
void ModalWatchdog::checkBlocking(const QPointer<QWidget>& window, int loopLevelAtShow)
{
    if (window.isNull() || !window->isVisible() || currentLoopLevel() <= loopLevelAtShow
        || ModalDriver::isAwaited(window)) {
        return;
    }
    const QString description = ModalDriver::describe(window);
    ModalDriver::close(window);
    QTest::qFail(
        qPrintable(QStringLiteral("%1 was opened modally and nothing in the test answers it").arg(description)),
        __FILE__, __LINE__);
}
