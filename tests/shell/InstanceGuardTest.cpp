#include "desktop/InstanceGuard.h"

#include "shell/Application.h"
#include "shell/WindowSwitcher.h"
#include "tests/support/Deadline.h"
#include "tests/support/SeamFixture.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

class InstanceGuardTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void secondGuardOnTheSameLockIsRefused();
    void lockOfAKilledCopyDoesNotBlockTheNextStart();
    void secondCopyIsToldAndEndsWithoutAWindow();

private:
    QString lockPath() const { return seams().pathInDir(QStringLiteral("ondara.lock")); }
};

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
    QVERIFY2(holder.waitForStarted(Deadline::eventMs), qPrintable(holder.errorString()));
    // The answer is a whole line; wait for all of it, not just for the first bytes to arrive.
    while (!holder.canReadLine()) {
        QVERIFY2(holder.waitForReadyRead(Deadline::eventMs), "the lock holder never said whether it got the lock");
    }
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

    QVERIFY(!InstanceGuard(lockPath()).tryAcquire());

    holder.kill(); // SIGKILL: the copy cannot remove its lock
    QVERIFY(holder.waitForFinished(Deadline::eventMs));
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

    QCOMPARE(seams().messages.shown.size(), 1);
    const MessageRequest& told = seams().messages.shown.constFirst();
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
    QVERIFY(!QFile::exists(seams().settingsFile()));
}

QTEST_MAIN(InstanceGuardTest)
#include "InstanceGuardTest.moc"
