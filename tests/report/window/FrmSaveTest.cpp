#include "report/window/FrmSave.h"

#include "desktop/LinkLabel.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfiles.h"
#include "report/BirFile.h"
#include "report/ReportComposer.h"
#include "tests/support/TestSeams.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
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

NakshatraProfile profileNamed(const QString& name)
{
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        if (toProfile(row).nakshatraName == name) {
            return toProfile(row);
        }
    }
    qFatal("no profile %s", qPrintable(name));
}

// The reading of the golden file southern-dst.bir.
BirthData southernReading()
{
    BirthData data;
    data.name = "O'Neil-Smith+Co";
    data.month = 1;
    data.day = 2;
    data.year = 2001;
    data.hour = 0;
    data.minute = 5;
    data.longitudeDegrees = 151;
    data.longitudeMinutes = 12;
    data.latitudeDegrees = 33;
    data.latitudeMinutes = 52;
    data.zoneHours = 10;
    data.zoneMinutes = 0;
    data.isEast = true;
    data.isSouth = true;
    data.daylightSaving = true;
    return data;
}

QPoint pointOnCharacter(QTextEdit* view, int index)
{
    QTextCursor cursor(view->document());
    cursor.setPosition(index);
    const QRect before = view->cursorRect(cursor);
    cursor.setPosition(index + 1);
    const QRect after = view->cursorRect(cursor);
    return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
}

} // namespace

class FrmSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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
    QString goldenPath() const { return QStringLiteral(ONDARA_REPORT_TEST_DATA "/southern-dst.bir"); }
    template <typename T>
    T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }

    std::unique_ptr<TestSeams> m_seams;
    std::unique_ptr<FrmSave> m_window;
};

void FrmSaveTest::init()
{
    QLocale::setDefault(QLocale::c());
    m_seams = std::make_unique<TestSeams>();
    currentProfile = profileNamed(QStringLiteral("Vishakha"));
    currentBirthData = southernReading();
    m_window = std::make_unique<FrmSave>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void FrmSaveTest::cleanup()
{
    m_window.reset();
    QVERIFY(!m_seams->messages.missingAnswer);
    m_seams.reset();
}

void FrmSaveTest::showsTheReportOfTheCurrentProfile()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmSave"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->findChild<QMenuBar*>());
    QCOMPARE(control<QPushButton>("cmdSave")->text(), QStringLiteral("&Save"));
    QCOMPARE(control<QPushButton>("cmdPrint")->text(), QStringLiteral("&Print"));
    QVERIFY(control<LinkLabel>("Label3")->text().contains(QLatin1String(WebAddresses::siteName)));
    QVERIFY(!control<LinkLabel>("Label14")->text().isEmpty());
    control<LinkLabel>("lblCobrand");
    control<LinkLabel>("lblFullBrand");

    QTextDocument expected;
    composeReport(&expected, currentProfile);
    auto* view = control<QTextEdit>("RTB");
    QCOMPARE(view->toPlainText(), expected.toPlainText());
    QVERIFY(view->toPlainText().startsWith(QStringLiteral("Common: \nNakshatra: Vishakha\n")));

    // Each opening composes the profile of that moment.
    currentProfile = profileNamed(QStringLiteral("Ashwini"));
    FrmSave next;
    QVERIFY(next.findChild<QTextEdit*>(QStringLiteral("RTB"))
                ->toPlainText()
                .startsWith(QStringLiteral("Common: \nNakshatra: Ashwini\n")));
}

void FrmSaveTest::opensAtTheTopOfTheReport()
{
    auto* view = control<QTextEdit>("RTB");
    QCOMPARE(view->textCursor().position(), 0);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QVERIFY(view->verticalScrollBar()->maximum() > 0); // the report is longer than the view
}

void FrmSaveTest::savesTheReadingByteForByte()
{
    const QString path = m_seams->pathInDir(QStringLiteral("reading.bir"));
    m_seams->files.nextFileName = path;
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);

    QCOMPARE(m_seams->files.saveRequests.size(), 1);
    const FileDialogRequest request = m_seams->files.saveRequests.constFirst();
    QCOMPARE(request.caption, QStringLiteral("Save Your Birth Star Details"));
    QCOMPARE(request.filter, QStringLiteral("Rich Text Format (*.bir)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("bir"));
    QVERIFY(!request.options.testFlag(QFileDialog::DontConfirmOverwrite));
    QVERIFY(request.options.testFlag(QFileDialog::HideNameFilterDetails)); // "Rich Text Format", no pattern
    QCOMPARE(fileBytes(path), fileBytes(goldenPath()));
    QVERIFY(m_seams->messages.shown.isEmpty());
    QVERIFY(m_window->isVisible());
}

void FrmSaveTest::replacesAnExistingFile()
{
    const QString path = m_seams->pathInDir(QStringLiteral("reading.bir"));
    writeFile(path, QByteArray(300, '\xB6'));
    m_seams->files.nextFileName = path;
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);
    QCOMPARE(fileBytes(path), fileBytes(goldenPath()));
}

void FrmSaveTest::cancelWritesNothing()
{
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_seams->files.saveRequests.size(), 1);
    QVERIFY(QDir(m_seams->dir.path()).entryList({QStringLiteral("*bir*")}, QDir::Files).isEmpty());
    QVERIFY(m_seams->messages.shown.isEmpty());
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
    const QString path = m_seams->pathInDir(QStringLiteral("reading.bir"));
    m_seams->files.nextFileName = path;
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);

    QCOMPARE(m_seams->messages.shown.size(), 1);
    const MessageRequest notice = m_seams->messages.shown.constFirst();
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
    const QString path = m_seams->pathInDir(fileName);
    const QByteArray old = fileBytes(goldenPath()).replace('\x86', '\x87');
    if (existing) {
        writeFile(path, old);
    }
    m_seams->files.nextFileName = path;
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);

    QCOMPARE(m_seams->messages.shown.size(), 1);
    const MessageRequest error = m_seams->messages.shown.constFirst();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY2(error.text.startsWith(QStringLiteral("The reading could not be saved to \"%1\".").arg(path)),
             qPrintable(error.text));
    QCOMPARE(QFile::exists(path), existing);
    if (existing) {
        QCOMPARE(fileBytes(path), old);
    }
    QCOMPARE(QDir(m_seams->dir.path()).entryList(QDir::Files).size(), existing ? 1 : 0);
    QVERIFY(m_window->isVisible());
}

void FrmSaveTest::printsTheWholeReportWhenPartIsSelected()
{
    auto* view = control<QTextEdit>("RTB");
    QTextCursor selection(view->document());
    selection.setPosition(30);
    selection.setPosition(60, QTextCursor::KeepAnchor);
    view->setTextCursor(selection);

    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);

    QCOMPARE(m_seams->printing.jobs, 1);
    QCOMPARE(m_seams->printing.lastPlainText, view->toPlainText());
    QVERIFY(m_seams->printing.lastPlainText.startsWith(QStringLiteral("Common: \nNakshatra: Vishakha")));
    QVERIFY(!view->textCursor().hasSelection());
    QVERIFY(QFileInfo(m_seams->printing.outputFile).size() > 0);
    QVERIFY(m_seams->messages.shown.isEmpty());
}

void FrmSaveTest::printFailureShowsTheReason()
{
    m_seams->printing.failNext = true;
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);

    QCOMPARE(m_seams->printing.jobs, 0);
    QCOMPARE(m_seams->messages.shown.size(), 1);
    QCOMPARE(m_seams->messages.shown.constFirst().icon, QMessageBox::Critical);
    QCOMPARE(m_seams->messages.lastText(),
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
    QTest::mouseClick(control<LinkLabel>(qPrintable(label)), Qt::LeftButton);
    QCOMPARE(m_seams->urls.openedStrings(), QStringList {page});
}

void FrmSaveTest::addressTypedIntoTheReportOpensOnPress()
{
    // At the end of the report, so the view has scrolled.
    auto* view = control<QTextEdit>("RTB");
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, QStringLiteral("See www.example.com "));
    view->ensureCursorVisible();
    QVERIFY(view->verticalScrollBar()->value() > 0);
    const int linkStart = view->document()->lastBlock().position() + 4;
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, pointOnCharacter(view, linkStart + 4));
    QCOMPARE(m_seams->urls.openedStrings(), QStringList {QStringLiteral("http://www.example.com")});
}

QTEST_MAIN(FrmSaveTest)
#include "FrmSaveTest.moc"
