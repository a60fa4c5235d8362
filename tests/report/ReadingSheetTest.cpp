#include "report/ReadingSheet.h"

#include "knowledge/NakshatraProfiles.h"
#include "report/SheetBuilder.h"
#include "report/SheetPdfWriter.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PdfTools.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SampleBirths.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

BirthPlace madridFromTheAtlas()
{
    return {QStringLiteral("Madrid"), QStringLiteral("Community of Madrid"), QStringLiteral("Spain"),
            QStringLiteral("Europe/Madrid, UTC+02:00 on that date"), true};
}

ReadingDescription readingOf(const BirthData& birth, const BirthPlace& place)
{
    const ReadingMargin margin = readingMargin(birth);
    return describeReading(birth, place, margin, profileNamed(margin.nakshatraName), birthStarGifts(birth));
}

// The text of a table's cell and the format of its first character.
QString cellText(QTextTable* table, int row, int column)
{
    return table->cellAt(row, column).firstCursorPosition().block().text();
}

QTextCharFormat cellFormat(QTextTable* table, int row, int column)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A device that takes nothing, as a disk that has failed.
class RefusingDevice : public QIODevice
{
public:
    RefusingDevice()
    {
        open(QIODevice::WriteOnly);
        setErrorString(QStringLiteral("The device refuses every write."));
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class ReadingSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfSaysWhoseReadingItIsWhenAndWhere();
    void handTypedZoneAndPlaceWithoutTheAtlas();
    void everyStarsSheetTakesOneToThreePages_data();
    void everyStarsSheetTakesOneToThreePages();
    void paperFollowsTheCountry_data();
    void paperFollowsTheCountry();
    void pdfPagesAreThePapersSize_data();
    void pdfPagesAreThePapersSize();
    void documentEndsWithItsLastLine();
    void builderTablesKeepTheirRowsAndHeader();
    void failingDeviceIsReported();
    void fullDiskLeavesTheEarlierFileWhole();

private:
    QTemporaryDir m_dir;
};

void ReadingSheetTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_dir.isValid());
}

// The Madrid birth four minutes into Ashwini, its place from the atlas: everything the sheet must say reads back
// from the PDF as text, on one to three pages, with both pictures and the title.
void ReadingSheetTest::pdfSaysWhoseReadingItIsWhenAndWhere()
{
    const ReadingDescription reading = readingOf(madridBirth().details, madridFromTheAtlas());
    QTextDocument sheet;
    composeReadingSheet(&sheet, reading);
    const SheetPdfWriter writer(QPageSize(QPageSize::A4), reading.title());
    const QString path = m_dir.filePath(QStringLiteral("madrid.pdf"));
    QString error;
    QVERIFY2(writer.writeFile(sheet, path, &error), qPrintable(error));

    const QString text = PdfTools::text(path);
    const NakshatraProfile ashwini = profileNamed(QStringLiteral("Ashwini"));
    const QStringList expected {
        QStringLiteral("Asha Rao: Ashwini"),
        QStringLiteral("Name Asha Rao"),
        QStringLiteral("Born 15 July 1990, 14:54"),
        QStringLiteral("Place Madrid, Community of Madrid, Spain"),
        QStringLiteral("Time zone Europe/Madrid, UTC+02:00 on that date"),
        QStringLiteral("Coordinates 40° 25′ North, 3° 42′ West"),
        QStringLiteral("Nakshatra Ashwini"),
        QStringLiteral("Pada 1"),
        QStringLiteral("Moon Sign Mesha (Aries)"),
        QStringLiteral("Moon 0° 2′ sidereal, 0° 2′ into Ashwini"),
        QStringLiteral("Moon In This Nakshatra From 15 July 1990, 14:50 to 16 July 1990, 13:25"),
        QStringLiteral(
            "Born 4 minutes after the Moon moved into Ashwini from Revati. If the birth time could be off by "
            "that much, the birth star may be Revati."),
        QStringLiteral("Symbol Head of a Horse"),
        ashwini.generalAndPhysicalFeatures.simplified().left(60),
        ashwini.health.simplified().right(60),
        QString::fromLatin1(BirthPlace::atlasCredit),
        // What the birth star gives: the pada's syllable, the balance and the periods with their dates.
        QStringLiteral("Name syllable Chu"),
        QStringLiteral("Period at birth ") + reading.gifts.balanceText,
        QStringLiteral("Ketu %1 %2")
            .arg(periodDateText(reading.gifts.majorPeriods.first().start),
                 periodDateText(reading.gifts.majorPeriods.first().end)),
        QStringLiteral("Venus %1").arg(periodDateText(reading.gifts.majorPeriods.at(1).start)),
    };
    QVERIFY(reading.gifts.balanceText.startsWith(QStringLiteral("Ketu: 6 years, 11 months")));
    for (const QString& part : expected) {
        QVERIFY2(text.contains(part), qPrintable(QStringLiteral("no \"%1\" in: %2").arg(part, text)));
    }
    QCOMPARE(PdfTools::info(path, QStringLiteral("Title")), QStringLiteral("Asha Rao: Ashwini"));
    const int pages = PdfTools::pageCount(path);
    QVERIFY2(pages >= 1 && pages <= 3, qPrintable(QString::number(pages)));
    QCOMPARE(writer.pageCount(sheet), pages);
    QCOMPARE(PdfTools::imageCount(path), 2); // the star's picture and the sky
}

void ReadingSheetTest::handTypedZoneAndPlaceWithoutTheAtlas()
{
    const BirthPlace typed {QStringLiteral("New Delhi"), QString(), QStringLiteral("India"), QString(), false};
    const ReadingDescription reading = readingOf(swatiBirth().details, typed);
    QTextDocument sheet;
    composeReadingSheet(&sheet, reading);
    const QString path = m_dir.filePath(QStringLiteral("typed.pdf"));
    QString error;
    QVERIFY2(SheetPdfWriter(QPageSize(QPageSize::Letter), reading.title()).writeFile(sheet, path, &error),
             qPrintable(error));
    const QString text = PdfTools::text(path);
    QVERIFY2(text.contains(QStringLiteral("Place New Delhi, India")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Time zone Typed by hand: 5 h 30 min East, no daylight saving (UTC+05:30)")),
             qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("GeoNames")), "no atlas credit for a place typed by hand");
    QVERIFY2(!text.contains(QLatin1String("Born 6 minutes")), "no caution far from a change");
    QCOMPARE(PdfTools::info(path, QStringLiteral("Title")), QStringLiteral("Asha Rao: Swati"));
}

void ReadingSheetTest::everyStarsSheetTakesOneToThreePages_data()
{
    QTest::addColumn<QString>("star");
    QTest::addColumn<QPageSize>("paper");
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        const QString name = toProfile(row).nakshatraName;
        QTest::newRow(qPrintable(name + QStringLiteral(", A4"))) << name << QPageSize(QPageSize::A4);
        QTest::newRow(qPrintable(name + QStringLiteral(", Letter"))) << name << QPageSize(QPageSize::Letter);
    }
}

// Whatever the profile's prose, with a caution and a place from the atlas, the sheet fits three pages.
void ReadingSheetTest::everyStarsSheetTakesOneToThreePages()
{
    QFETCH(QString, star);
    QFETCH(QPageSize, paper);
    ReadingMargin margin = readingMargin(madridBirth().details);
    margin.nakshatraName = star;
    ReadingDescription reading = describeReading(madridBirth().details, madridFromTheAtlas(), margin,
                                                 profileNamed(star), birthStarGifts(madridBirth().details));
    QVERIFY(!reading.caution.isEmpty());
    QTextDocument sheet;
    composeReadingSheet(&sheet, reading);
    const int pages = SheetPdfWriter(paper, reading.title()).pageCount(sheet);
    QVERIFY2(pages >= 1 && pages <= 3, qPrintable(QString::number(pages)));
}

void ReadingSheetTest::paperFollowsTheCountry_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << QPageSize::Letter;
    QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada) << QPageSize::Letter;
    QTest::newRow("es_MX") << QLocale(QLocale::Spanish, QLocale::Mexico) << QPageSize::Letter;
    QTest::newRow("en_PH") << QLocale(QLocale::English, QLocale::Philippines) << QPageSize::Letter;
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QPageSize::A4;
    QTest::newRow("es_ES") << QLocale(QLocale::Spanish, QLocale::Spain) << QPageSize::A4;
    QTest::newRow("hi_IN") << QLocale(QLocale::Hindi, QLocale::India) << QPageSize::A4;
    QTest::newRow("en_AU") << QLocale(QLocale::English, QLocale::Australia) << QPageSize::A4;
    QTest::newRow("C, no country") << QLocale::c() << QPageSize::A4;
}

void ReadingSheetTest::paperFollowsTheCountry()
{
    QFETCH(QLocale, locale);
    QFETCH(QPageSize::PageSizeId, paper);
    QCOMPARE(paperSizeFor(locale).id(), paper);
}

void ReadingSheetTest::pdfPagesAreThePapersSize_data()
{
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<QString>("pdfinfoSize");
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << QStringLiteral("595 x 842 pts (A4)");
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << QStringLiteral("612 x 792 pts (letter)");
}

void ReadingSheetTest::pdfPagesAreThePapersSize()
{
    QFETCH(QPageSize, paper);
    QFETCH(QString, pdfinfoSize);
    const ReadingDescription reading = readingOf(madridBirth().details, madridFromTheAtlas());
    QTextDocument sheet;
    composeReadingSheet(&sheet, reading);
    const QString path = m_dir.filePath(QStringLiteral("paper-%1.pdf").arg(QTest::currentDataTag()));
    QString error;
    QVERIFY2(SheetPdfWriter(paper, reading.title()).writeFile(sheet, path, &error), qPrintable(error));
    QCOMPARE(PdfTools::info(path, QStringLiteral("Page size")), pdfinfoSize);
}

// No empty block after the last line: an empty page can never follow.
void ReadingSheetTest::documentEndsWithItsLastLine()
{
    QTextDocument sheet;
    composeReadingSheet(&sheet, readingOf(madridBirth().details, madridFromTheAtlas()));
    QVERIFY(sheet.firstBlock().text().startsWith(QLatin1String("Asha Rao: Ashwini")));
    QVERIFY2(sheet.lastBlock().text().endsWith(QString::fromLatin1(BirthPlace::atlasCredit)),
             qPrintable(sheet.lastBlock().text()));
    QCOMPARE(sheet.metaInformation(QTextDocument::DocumentTitle), QStringLiteral("Asha Rao: Ashwini"));
}

// What a new section of the sheet is made of: a table with a header row, label-and-value rows without the empty
// ones, and a paragraph after them, with no empty block in between but the one between two tables.
void ReadingSheetTest::builderTablesKeepTheirRowsAndHeader()
{
    QTextDocument document;
    SheetBuilder sheet(&document);
    sheet.addHeading(QStringLiteral("Periods"));
    sheet.addTable(
        {{QStringLiteral("Ketu"), QStringLiteral("7 years")}, {QStringLiteral("Venus"), QStringLiteral("20 years")}},
        {QStringLiteral("Lord"), QStringLiteral("Length")});
    sheet.addRows({{QStringLiteral("Shown"), QStringLiteral("yes")}, {QStringLiteral("Left out"), QString()}});
    sheet.addParagraph(QStringLiteral("The end."));

    QList<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            tables.append(table);
        }
    }
    QCOMPARE(tables.size(), 2);
    QTextTable* periods = tables.at(0);
    QCOMPARE(periods->rows(), 3);
    QCOMPARE(periods->columns(), 2);
    QCOMPARE(periods->format().headerRowCount(), 1);
    QCOMPARE(cellText(periods, 0, 0), QStringLiteral("Lord"));
    QCOMPARE(cellFormat(periods, 0, 0).fontWeight(), int(QFont::Bold));
    QCOMPARE(cellText(periods, 2, 1), QStringLiteral("20 years"));
    QCOMPARE(cellFormat(periods, 2, 1).fontWeight(), int(QFont::Normal));

    QTextTable* rows = tables.at(1);
    QCOMPARE(rows->rows(), 1);
    QCOMPARE(cellText(rows, 0, 0), QStringLiteral("Shown"));
    QCOMPARE(cellFormat(rows, 0, 0).foreground().color(), QColor(0, 128, 128));
    QCOMPARE(cellText(rows, 0, 1), QStringLiteral("yes"));

    QCOMPARE(document.firstBlock().text(), QStringLiteral("Periods"));
    QCOMPARE(document.firstBlock().next().text(), QStringLiteral("Lord")); // straight into the table
    QCOMPARE(document.lastBlock().text(), QStringLiteral("The end."));
    // The one empty block is the one a document always keeps between two tables.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QVERIFY2(!block.text().isEmpty() || block.position() == periods->lastPosition() + 1,
                 qPrintable(QStringLiteral("empty block %1").arg(block.blockNumber())));
    }
}

void ReadingSheetTest::failingDeviceIsReported()
{
    QTextDocument sheet;
    composeReadingSheet(&sheet, readingOf(swatiBirth().details, BirthPlace()));
    RefusingDevice device;
    QString error;
    QVERIFY(!SheetPdfWriter(QPageSize(QPageSize::A4), QStringLiteral("Asha Rao: Swati")).write(sheet, &device, &error));
    QCOMPARE(error, QStringLiteral("The device refuses every write."));
}

// A disk that fills up halfway through the PDF: the earlier file keeps every byte and no temporary file is left
// beside it; with room again, the same write replaces it.
void ReadingSheetTest::fullDiskLeavesTheEarlierFileWhole()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    const QByteArray earlier("%PDF-1.4 an earlier reading sheet");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
    }
    QTextDocument sheet;
    composeReadingSheet(&sheet, readingOf(madridBirth().details, madridFromTheAtlas()));
    const SheetPdfWriter writer(QPageSize(QPageSize::A4), QStringLiteral("Asha Rao: Ashwini"));

    QString error;
    {
        const FileSizeLimit fullDisk(16 * 1024UL);
        QVERIFY(fullDisk.isActive());
        QVERIFY(!writer.writeFile(sheet, path, &error));
    }
    QVERIFY2(!error.isEmpty(), "the failure gives a reason");
    QCOMPARE(contentsOf(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("reading.pdf")});

    QVERIFY2(writer.writeFile(sheet, path, &error), qPrintable(error));
    QVERIFY(contentsOf(path).startsWith("%PDF-"));
    QCOMPARE(PdfTools::info(path, QStringLiteral("Title")), QStringLiteral("Asha Rao: Ashwini"));
}

QTEST_MAIN(ReadingSheetTest)
#include "ReadingSheetTest.moc"
