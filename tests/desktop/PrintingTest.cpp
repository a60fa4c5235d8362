#include "desktop/Printing.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// Printing lays the document out on the printer's pages and prints only those that hold text. The pages come out of
// a real PDF printer and are counted in the file it writes.
class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void printsOnlyThePagesThatHoldText_data();
    void printsOnlyThePagesThatHoldText();
};

namespace {

// `lines` lines of text followed by `emptyLines` empty ones.
void fill(QTextDocument* document, int lines, int emptyLines)
{
    QTextCursor cursor(document);
    for (int line = 0; line < lines; ++line) {
        cursor.insertText(QStringLiteral("Line %1 of the report").arg(line + 1));
        cursor.insertBlock();
    }
    for (int line = 0; line < emptyLines; ++line) {
        cursor.insertBlock();
    }
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

void PrintingTest::printsOnlyThePagesThatHoldText_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("emptyLines");
    QTest::addColumn<int>("pages");
    QTest::newRow("short report") << 20 << 0 << 1;
    QTest::newRow("empty lines after the text") << 20 << 60 << 1; // would spill onto a blank page
    QTest::newRow("two pages of text") << 80 << 0 << 2;
    QTest::newRow("two pages, then empty lines") << 80 << 60 << 2;
}

void PrintingTest::printsOnlyThePagesThatHoldText()
{
    QFETCH(int, lines);
    QFETCH(int, emptyLines);
    QFETCH(int, pages);
    QTextDocument document;
    fill(&document, lines, emptyLines);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString reason;
    QVERIFY2(printDocumentPages(document, &printer, &reason), qPrintable(reason));
    QCOMPARE(pdfPageCount(path), pages);
    QCOMPARE(document.blockCount(), lines + emptyLines + 1); // the document itself is left as it was
}

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
