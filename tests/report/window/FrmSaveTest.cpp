#include "report/window/FrmSave.h"

#include "desktop/LinkLabel.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "report/BirFile.h"
#include "report/ReportComposer.h"
#include "tests/support/FrmSaveDriver.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SampleBirths.h"
#include "tests/support/SeamFixture.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class FrmSaveTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void showsTheReportOfTheCurrentProfile();
    void opensAtTheTopOfTheReport();
    void savesTheReadingByteForByte();
    void replacesAnExistingFile();
    void cancelWritesNothing();
    void tellsWhichNameCharactersAreLost_data();
    void tellsWhichNameCharactersAreLost();
    void failedSaveKeepsTheExistingFileAndSaysSo_data();
    void failedSaveKeepsTheExistingFileAndSaysSo();
    void printsTheWholeReportWhenPartIsSelected();
    void printFailureShowsTheReason();
    void labelsOpenTheirPages_data();
    void labelsOpenTheirPages();
    void addressTypedIntoTheReportOpensOnPress();

private:
    void setUp() override;
    void tearDown() override;
    QString goldenPath() const { return QStringLiteral(ONDARA_REPORT_TEST_DATA "/southern-dst.bir"); }

    std::unique_ptr<FrmSave> m_window;
    std::unique_ptr<FrmSaveDriver> m_report;
};

void FrmSaveTest::setUp()
{
    currentProfile = profileNamed(QStringLiteral("Vishakha"));
    currentBirthData = southernGoldenBirth();
    m_window = std::make_unique<FrmSave>();
    m_report = std::make_unique<FrmSaveDriver>(m_window.get());
    QVERIFY(m_report->show());
}

void FrmSaveTest::tearDown()
{
    m_report.reset();
    m_window.reset();
}

void FrmSaveTest::showsTheReportOfTheCurrentProfile()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmSave"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->findChild<QMenuBar*>());
    QCOMPARE(m_report->textOf("cmdSave"), QStringLiteral("&Save"));
    QCOMPARE(m_report->textOf("cmdPrint"), QStringLiteral("&Print"));
    QVERIFY(m_report->child<LinkLabel>("Label3")->text().contains(QLatin1String(WebAddresses::siteName)));
    QVERIFY(!m_report->child<LinkLabel>("Label14")->text().isEmpty());
    m_report->child<LinkLabel>("lblCobrand");
    m_report->child<LinkLabel>("lblFullBrand");

    QTextDocument expected;
    composeReport(&expected, currentProfile);
    QTextEdit* view = m_report->report();
    QCOMPARE(view->toPlainText(), expected.toPlainText());
    QVERIFY(view->toPlainText().startsWith(QStringLiteral("Common: \nNakshatra: Vishakha\n")));

    // Each opening composes the profile of that moment.
    currentProfile = profileNamed(QStringLiteral("Ashwini"));
    FrmSave next;
    QVERIFY(FrmSaveDriver(&next).report()->toPlainText().startsWith(QStringLiteral("Common: \nNakshatra: Ashwini\n")));
}

void FrmSaveTest::opensAtTheTopOfTheReport()
{
    QTextEdit* view = m_report->report();
    QCOMPARE(view->textCursor().position(), 0);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QVERIFY(view->verticalScrollBar()->maximum() > 0); // the report is longer than the view
}

void FrmSaveTest::savesTheReadingByteForByte()
{
    const QString path = seams().pathInDir(QStringLiteral("reading.bir"));
    seams().files.nextFileName = path;
    m_report->save();

    QCOMPARE(seams().files.saveRequests.size(), 1);
    const FileDialogRequest request = seams().files.saveRequests.constFirst();
    QCOMPARE(request.caption, QStringLiteral("Save Your Birth Star Details"));
    QCOMPARE(request.filter, QStringLiteral("Rich Text Format (*.bir)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("bir"));
    QVERIFY(!request.options.testFlag(QFileDialog::DontConfirmOverwrite));
    QVERIFY(request.options.testFlag(QFileDialog::HideNameFilterDetails)); // "Rich Text Format", no pattern
    QCOMPARE(fileBytes(path), fileBytes(goldenPath()));
    QVERIFY(seams().messages.shown.isEmpty());
    QVERIFY(m_window->isVisible());
}

void FrmSaveTest::replacesAnExistingFile()
{
    const QString path = seams().pathInDir(QStringLiteral("reading.bir"));
    writeFile(path, QByteArray(300, '\xB6'));
    seams().files.nextFileName = path;
    m_report->save();
    QCOMPARE(fileBytes(path), fileBytes(goldenPath()));
}

void FrmSaveTest::cancelWritesNothing()
{
    m_report->save();
    QCOMPARE(seams().files.saveRequests.size(), 1);
    QVERIFY(QDir(seams().dir.path()).entryList({QStringLiteral("*bir*")}, QDir::Files).isEmpty());
    QVERIFY(seams().messages.shown.isEmpty());
}

void FrmSaveTest::tellsWhichNameCharactersAreLost_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QString>("stored");

    QTest::newRow("accented letter") << QStringLiteral("Zo\u00EB Bront\u00EB") << QStringLiteral("\u00EB")
                                     << QStringLiteral("Zo Bront");
    QTest::newRow("outside the code page")
        << QStringLiteral("\u674E Wei \u00C5") << QStringLiteral("\u674E \u00C5") << QStringLiteral(" Wei ");
}

void FrmSaveTest::tellsWhichNameCharactersAreLost()
{
    QFETCH(QString, name);
    QFETCH(QString, lost);
    QFETCH(QString, stored);
    currentBirthData.name = name.toStdString();
    const QString path = seams().pathInDir(QStringLiteral("reading.bir"));
    seams().files.nextFileName = path;
    m_report->save();

    QCOMPARE(seams().messages.shown.size(), 1);
    const MessageRequest notice = seams().messages.shown.constFirst();
    QCOMPARE(notice.icon, QMessageBox::Information);
    QCOMPARE(notice.title, QStringLiteral("Ondara"));
    QVERIFY2(notice.text.endsWith(QStringLiteral(": ") + lost), qPrintable(notice.text));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    const auto lines = BirFile::read(&file, &error);
    QVERIFY(lines);
    QCOMPARE(lines->constFirst(), stored);
}

void FrmSaveTest::failedSaveKeepsTheExistingFileAndSaysSo_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("existing");

    // The replacement is written beside the file first, under a longer name than the file system allows here.
    QTest::newRow("replacement cannot be written") << QString(248, QLatin1Char('r')) + QStringLiteral(".bir") << true;
    QTest::newRow("folder missing") << QStringLiteral("gone/reading.bir") << false;
}

void FrmSaveTest::failedSaveKeepsTheExistingFileAndSaysSo()
{
    QFETCH(QString, fileName);
    QFETCH(bool, existing);
    const QString path = seams().pathInDir(fileName);
    const QByteArray old = fileBytes(goldenPath()).replace('\x86', '\x87');
    if (existing) {
        writeFile(path, old);
    }
    seams().files.nextFileName = path;
    m_report->save();

    QCOMPARE(seams().messages.shown.size(), 1);
    const MessageRequest error = seams().messages.shown.constFirst();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY2(error.text.startsWith(QStringLiteral("The reading could not be saved to \"%1\".").arg(path)),
             qPrintable(error.text));
    QCOMPARE(QFile::exists(path), existing);
    if (existing) {
        QCOMPARE(fileBytes(path), old);
    }
    QCOMPARE(QDir(seams().dir.path()).entryList(QDir::Files).size(), existing ? 1 : 0);
    QVERIFY(m_window->isVisible());
}

void FrmSaveTest::printsTheWholeReportWhenPartIsSelected()
{
    QTextEdit* view = m_report->report();
    QTextCursor selection(view->document());
    selection.setPosition(30);
    selection.setPosition(60, QTextCursor::KeepAnchor);
    view->setTextCursor(selection);

    m_report->print();

    QCOMPARE(seams().printing.jobs, 1);
    QCOMPARE(seams().printing.lastPlainText, view->toPlainText());
    QVERIFY(seams().printing.lastPlainText.startsWith(QStringLiteral("Common: \nNakshatra: Vishakha")));
    QVERIFY(!view->textCursor().hasSelection());
    QVERIFY(QFileInfo(seams().printing.outputFile).size() > 0);
    QVERIFY(seams().messages.shown.isEmpty());
}

void FrmSaveTest::printFailureShowsTheReason()
{
    seams().printing.failNext = true;
    m_report->print();

    QCOMPARE(seams().printing.jobs, 0);
    QCOMPARE(seams().messages.shown.size(), 1);
    QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(seams().messages.lastText(),
             QStringLiteral("The report could not be printed. No printer is set up on this computer."));
}

void FrmSaveTest::labelsOpenTheirPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");

    QTest::newRow("Label14") << QStringLiteral("Label14") << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("Label3") << QStringLiteral("Label3") << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("lblFullBrand") << QStringLiteral("lblFullBrand") << QString::fromLatin1(WebAddresses::fullBrandPage);
}

void FrmSaveTest::labelsOpenTheirPages()
{
    QFETCH(QString, label);
    QFETCH(QString, page);
    m_report->click(qPrintable(label));
    QCOMPARE(seams().urls.openedStrings(), QStringList {page});
}

void FrmSaveTest::addressTypedIntoTheReportOpensOnPress()
{
    // At the end of the report, so the view has scrolled.
    QTextEdit* view = m_report->report();
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, QStringLiteral("See www.example.com "));
    view->ensureCursorVisible();
    QVERIFY(view->verticalScrollBar()->value() > 0);
    const int linkStart = view->document()->lastBlock().position() + 4;
    m_report->pressOnCharacter(linkStart + 4);
    QCOMPARE(seams().urls.openedStrings(), QStringList {QStringLiteral("http://www.example.com")});
}

QTEST_MAIN(FrmSaveTest)
#include "FrmSaveTest.moc"
