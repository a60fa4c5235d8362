#include "tests/support/SeamFixture.h"

#include "desktop/Clock.h"
#include "desktop/FileDialogs.h"
#include "desktop/MessageBoxes.h"
#include "desktop/Printing.h"
#include "desktop/SettingsStore.h"
#include "desktop/UrlOpener.h"
#include "tests/support/ModalDriver.h"

#include <QDir>
#include <QLocale>
#include <QTest>

namespace {

// The settings file the program uses when no test has pointed it elsewhere, read before any test installs one.
const QString& realSettingsFile()
{
    static const QString path = QDir::cleanPath(SettingsStore::filePath());
    return path;
}

template <typename Interface>
void uninstallLeftover(const char* seam, QStringList* leftovers)
{
    if (Interface::installed() != nullptr) {
        Interface::setInstance(nullptr);
        leftovers->append(QStringLiteral("a %1 double was still installed").arg(QLatin1String(seam)));
    }
}

// Puts every seam back to the real one and names those a test had left pointing at a double of its own.
QStringList uninstallLeftovers()
{
    QStringList leftovers;
    uninstallLeftover<MessageBoxes>("message box", &leftovers);
    uninstallLeftover<FileDialogs>("file dialog", &leftovers);
    uninstallLeftover<UrlOpener>("URL opener", &leftovers);
    uninstallLeftover<Printing>("printing", &leftovers);
    uninstallLeftover<Clock>("clock", &leftovers);
    if (QDir::cleanPath(SettingsStore::filePath()) != realSettingsFile()) {
        SettingsStore::setFileForTesting(QString());
        leftovers.append(QStringLiteral("the settings store still pointed at a test file"));
    }
    return leftovers;
}

} // namespace

SeamFixture::SeamFixture() = default;

SeamFixture::~SeamFixture()
{
    m_watchdog.reset();
    m_seams.reset();
}

void SeamFixture::init()
{
    realSettingsFile();
    if (m_seams) {
        finish();
    }
    QLocale::setDefault(QLocale::c());
    m_seams = std::make_unique<TestSeams>();
    m_watchdog = std::make_unique<ModalWatchdog>();
    setUp();
    if (QTest::currentTestFailed()) {
        finish();
    }
}

void SeamFixture::cleanup()
{
    finish();
}

void SeamFixture::finish()
{
    if (!m_seams) {
        return;
    }
    tearDown();
    QStringList problems = m_seams->looseEnds();
    for (const QString& modal : ModalDriver::closeAllModals()) {
        problems.append(QStringLiteral("%1 was still open").arg(modal));
    }
    m_watchdog.reset();
    m_seams.reset();
    problems += uninstallLeftovers();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}
