#pragma once

#include "tests/support/TestSeams.h"

#include <QObject>

#include <memory>

class ModalWatchdog;

// The base of every test that needs the seams. Before each test function it installs fresh doubles of every seam
// (TestSeams), sets the C locale and a watchdog for unanswered modal windows, then runs setUp(). After it, it runs
// tearDown(), takes what the doubles recorded, closes stray modal windows, uninstalls and destroys the doubles, and
// only then checks: a failed check can never leave real dialogs, or a dangling double, behind for the next test.
// Qt Test skips cleanup() after a failed init(), so a failed setUp() tears down at once.
//
// Derived tests override setUp() and tearDown() and declare no init() or cleanup() slots of their own.
class SeamFixture : public QObject
{
    Q_OBJECT

public:
    ~SeamFixture() override;

protected:
    SeamFixture();

    TestSeams& seams() const { return *m_seams; }

    virtual void setUp() { }
    // Destroy the test's windows here: they may still ask the seams on their way out.
    virtual void tearDown() { }

private slots:
    void init();
    void cleanup();

private:
    void finish();

    std::unique_ptr<TestSeams> m_seams;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
