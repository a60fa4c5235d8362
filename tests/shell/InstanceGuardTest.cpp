#include "desktop/InstanceGuard.h"

#include "shell/Application.h"
#include "shell/WindowSwitcher.h"
#include "tests/support/TestSeams.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <memory>

class InstanceGuardTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondGuardOnTheSameLockIsRefused();
    void lockOfAKilledCopyDoesNotBlockTheNextStart();
    void secondCopyIsToldAndEndsWithoutAWindow();

private:
    QString lockPath() const { return m_seams->pathInDir(QStringLiteral("ondara.lock")); }

    std::unique_ptr<TestSeams> m_seams;
};

void InstanceGuardTest::init()
{
    m_seams = std::make_unique<TestSeams>();
}

void InstanceGuardTest::cleanup()
{
    const bool unanswered = m_seams->messages.missingAnswer;
    m_seams.reset(); // before the check, so a failed one cannot leave the real dialogs behind for the next test
    QVERIFY(!unanswered);
}

void InstanceGuardTest::secondGuardOnTheSameLockIsRefused()
{
    auto first = std::make_unique<InstanceGuard>(lockPath());
    QVERIFY(first->tryAcquire());
    QVERIFY(first->tryAcquire()); // asking again keeps the lock

    InstanceGuard second(lockPath());
    QVERIFY(!second.tryAcquire());

    first.reset();
    QVERIFY(second.tryAcquire());
}

void InstanceGuardTest::lockOfAKilledCopyDoesNotBlockTheNextStart()
{
    QProcess holder;
    holder.start(QStringLiteral(LOCK_HOLDER), {lockPath()});
    QVERIFY2(holder.waitForStarted(10000), qPrintable(holder.errorString()));
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));

    QVERIFY(!InstanceGuard(lockPath()).tryAcquire());

    holder.kill(); // SIGKILL: the copy cannot remove its lock
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitStatus(), QProcess::CrashExit);

    InstanceGuard next(lockPath());
    QVERIFY(next.tryAcquire());
}

void InstanceGuardTest::secondCopyIsToldAndEndsWithoutAWindow()
{
    InstanceGuard running(lockPath());
    QVERIFY(running.tryAcquire());

    WindowSwitcher switcher;
    int ends = 0;
    switcher.setEndStep([&ends] { ++ends; });
    InstanceGuard second(lockPath());
    QVERIFY(!startOndara(switcher, second));

    QCOMPARE(m_seams->messages.shown.size(), 1);
    const MessageRequest& told = m_seams->messages.shown.constFirst();
    QCOMPARE(told.text, QStringLiteral("Application is already running"));
    QCOMPARE(told.icon, QMessageBox::Information);
    QCOMPARE(told.title, QStringLiteral("Ondara"));
    QCOMPARE(told.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(ends, 1);
    QVERIFY(switcher.entryWindow() == nullptr);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
    // Nothing was read or written for the reminder either: start-up stopped at once.
    QVERIFY(!QFile::exists(m_seams->settingsFile()));
}

QTEST_MAIN(InstanceGuardTest)
#include "InstanceGuardTest.moc"
