#include "report/BirFile.h"

#include "tests/support/SampleBirths.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

namespace {

QByteArray goldenBytes(const QString& name)
{
    QFile file(QStringLiteral(ONDARA_REPORT_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("missing golden file %1").arg(name)), __FILE__, __LINE__);
    }
    return file.readAll();
}

BirthData birth(const std::string& name, std::array<std::int16_t, 11> numbers, bool east, bool south, bool dst)
{
    BirthData data;
    data.name = name;
    data.month = numbers[0];
    data.day = numbers[1];
    data.year = numbers[2];
    data.hour = numbers[3];
    data.minute = numbers[4];
    data.longitudeDegrees = numbers[5];
    data.longitudeMinutes = numbers[6];
    data.latitudeDegrees = numbers[7];
    data.latitudeMinutes = numbers[8];
    data.zoneHours = numbers[9];
    data.zoneMinutes = numbers[10];
    data.isEast = east;
    data.isSouth = south;
    data.daylightSaving = dst;
    return data;
}

// The two golden files were written by hand from the format (each character's code plus 85, CR LF after each
// line); their readings are the sample births abcGoldenBirth and southernGoldenBirth.

std::optional<QStringList> readBytes(const QByteArray& bytes, QString* error = nullptr)
{
    QByteArray content = bytes;
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    QString reason;
    auto lines = BirFile::read(&buffer, &reason);
    if (error) {
        *error = reason;
    }
    return lines;
}

QByteArray written(const BirthData& data)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!BirFile::write(&buffer, data, &error)) {
        QTest::qFail(qPrintable(QStringLiteral("write failed: %1").arg(error)), __FILE__, __LINE__);
    }
    return buffer.data();
}

QStringList emptyLines()
{
    return QStringList(BirFile::lineCount, QString());
}

// A device whose every read and write fails, like a file on a vanished drive.
class FailingDevice : public QIODevice
{
public:
    FailingDevice() { open(QIODevice::ReadWrite); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override
    {
        setErrorString(QStringLiteral("The drive is gone."));
        return -1;
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1; }
};

} // namespace

Q_DECLARE_METATYPE(BirthData)

class BirFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheGoldenBytes_data();
    void writesTheGoldenBytes();
    void readsTheGoldenFile_data();
    void readsTheGoldenFile();
    void roundTripKeepsEveryChoice_data();
    void roundTripKeepsEveryChoice();
    void acceptsShortAndLenientFiles_data();
    void acceptsShortAndLenientFiles();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void stopsReadingAtAnOverlongLine();
    void refusesADeviceThatCannotBeRead();
    void reportsAFailedWrite();
    void nameCharacterAbove170IsLost();
    void findsUnstorableCharacters_data();
    void findsUnstorableCharacters();
    void acceptsOnlyALowerCaseBirEnding_data();
    void acceptsOnlyALowerCaseBirEnding();
};

void BirFileTest::writesTheGoldenBytes_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<BirthData>("reading");

    QTest::newRow("abc, east") << QStringLiteral("abc.bir") << abcGoldenBirth();
    QTest::newRow("south with DST, code page bytes") << QStringLiteral("southern-dst.bir") << southernGoldenBirth();
}

void BirFileTest::writesTheGoldenBytes()
{
    QFETCH(QString, golden);
    QFETCH(BirthData, reading);
    QCOMPARE(written(reading), goldenBytes(golden));
}

void BirFileTest::readsTheGoldenFile_data()
{
    writesTheGoldenBytes_data();
}

void BirFileTest::readsTheGoldenFile()
{
    QFETCH(QString, golden);
    QFETCH(BirthData, reading);
    const auto lines = readBytes(goldenBytes(golden));
    QVERIFY(lines);
    QCOMPARE(lines->size(), BirFile::lineCount);
    QCOMPARE(lines->constFirst(), QString::fromStdString(reading.name));
    QCOMPARE(*lines, BirFile::linesOf(reading));
}

void BirFileTest::roundTripKeepsEveryChoice_data()
{
    QTest::addColumn<BirthData>("reading");

    QTest::newRow("west north") << birth("Ann", {3, 4, 1950, 6, 7, 0, 8, 9, 10, 11, 12}, false, false, false);
    QTest::newRow("east") << birth("Bo", {12, 31, 2050, 23, 59, 179, 59, 89, 59, 13, 45}, true, false, false);
    QTest::newRow("south") << birth("C D", {1, 1, 1901, 0, 0, 1, 2, 3, 4, 5, 6}, false, true, false);
    QTest::newRow("dst") << birth("Eve", {7, 14, 1999, 12, 0, 2, 21, 48, 51, 0, 0}, false, false, true);
    QTest::newRow("everything") << birth("Zé", {2, 29, 2000, 1, 2, 3, 4, 5, 6, 7, 8}, true, true, true);
}

void BirFileTest::roundTripKeepsEveryChoice()
{
    QFETCH(BirthData, reading);
    const auto lines = readBytes(written(reading));
    QVERIFY(lines);
    QCOMPARE(lines->mid(1), BirFile::linesOf(reading).mid(1));
    QCOMPARE(lines->at(12), reading.isEast ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(lines->at(13), reading.isSouth ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(lines->at(14), reading.daylightSaving ? QStringLiteral("1") : QStringLiteral("0"));
}

void BirFileTest::acceptsShortAndLenientFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QByteArray abc = goldenBytes(QStringLiteral("abc.bir"));
    const QStringList abcLines = BirFile::linesOf(abcGoldenBirth());

    QStringList withoutDst = abcLines;
    withoutDst.last().clear();
    QTest::newRow("14 lines: no DST") << abc.left(abc.lastIndexOf("\r\n", abc.size() - 3) + 2) << withoutDst;
    QTest::newRow("empty file") << QByteArray() << emptyLines();

    QStringList onlyName = emptyLines();
    onlyName.first() = QStringLiteral("abc");
    QTest::newRow("one line without its end") << QByteArray("\xB6\xB7\xB8") << onlyName;
    QStringList longestName = emptyLines();
    longestName.first() = QString(BirFile::maximumLineBytes, QLatin1Char('a'));
    QTest::newRow("line of 4096 bytes") << QByteArray(BirFile::maximumLineBytes, '\xB6') + "\r\n" << longestName;
    QTest::newRow("lone LF") << QByteArray(abc).replace("\r\n", "\n") << abcLines;
    QTest::newRow("lines after the 15th ignored")
        << abc + QByteArray("\xB6\r\n").repeated(5) + QByteArray(3, '\0') << abcLines;
}

void BirFileTest::acceptsShortAndLenientFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QString error;
    const auto read = readBytes(bytes, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, lines);
}

void BirFileTest::refusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray abc = goldenBytes(QStringLiteral("abc.bir"));
    QTest::newRow("line of 4097 bytes") << QByteArray(4097, '\xB6') + "\r\n";
    QTest::newRow("overlong last line") << abc.left(20) + QByteArray(5000, '\xB6');
    QTest::newRow("NUL byte") << QByteArray("\xB6\x00\xB7\r\n", 5);
    QTest::newRow("plain ASCII text") << QByteArray("Hello\r\n");
    QTest::newRow("binary junk in line 3") << abc.left(9) + QByteArray("\x01\x02\x7F\x10") + abc.mid(9);
    QTest::newRow("lone CR") << QByteArray("\xB6\r\xB7\r\n");
}

void BirFileTest::refusesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(!readBytes(bytes, &error));
    QVERIFY(!error.isEmpty());
}

void BirFileTest::stopsReadingAtAnOverlongLine()
{
    QByteArray content = QByteArray(qsizetype(1024) * 1024, '\xB6');
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    QVERIFY(!BirFile::read(&buffer, &error));
    QVERIFY2(buffer.pos() <= BirFile::maximumLineBytes + 2, "the reader went on past the first overlong line");
}

void BirFileTest::refusesADeviceThatCannotBeRead()
{
    QString error;
    QBuffer closed;
    QVERIFY(!BirFile::read(&closed, &error));
    QVERIFY(!error.isEmpty());

    FailingDevice failing;
    error.clear();
    QVERIFY(!BirFile::read(&failing, &error));
    QVERIFY(!error.isEmpty());
}

void BirFileTest::reportsAFailedWrite()
{
    FailingDevice failing;
    QString error;
    QVERIFY(!BirFile::write(&failing, abcGoldenBirth(), &error));
    QCOMPARE(error, QStringLiteral("The drive is gone."));
}

void BirFileTest::nameCharacterAbove170IsLost()
{
    BirthData reading = abcGoldenBirth();
    reading.name = "Zoë Brontë";
    const auto lines = readBytes(written(reading));
    QVERIFY(lines);
    QCOMPARE(lines->constFirst(), QStringLiteral("Zo Bront"));
    QCOMPARE(lines->at(1), QStringLiteral("12"));
}

void BirFileTest::findsUnstorableCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unstorable");

    QTest::newRow("plain") << QStringLiteral("Mary-Ann O'Neil") << QString();
    QTest::newRow("code 170 fits") << QStringLiteral("\u00AA") << QString();
    QTest::newRow("euro fits") << QStringLiteral("\u20AC") << QString();
    QTest::newRow("code 171 does not") << QStringLiteral("a\u00ABb") << QStringLiteral("\u00AB");
    QTest::newRow("each accent once, in order")
        << QStringLiteral("Jos\u00E9 \u00D1\u00FA\u00F1ez \u00E9") << QStringLiteral("\u00E9\u00D1\u00FA\u00F1");
    QTest::newRow("outside the code page") << QStringLiteral("\u674E Wei") << QStringLiteral("\u674E");
    QTest::newRow("emoji as one character") << QStringLiteral("Ann \U0001F600") << QStringLiteral("\U0001F600");
}

void BirFileTest::findsUnstorableCharacters()
{
    QFETCH(QString, name);
    QFETCH(QString, unstorable);
    QCOMPARE(BirFile::unstorableCharacters(name), unstorable);
}

void BirFileTest::acceptsOnlyALowerCaseBirEnding_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lower case") << QStringLiteral("/home/a/reading.bir") << true;
    QTest::newRow("no dot needed") << QStringLiteral("/home/a/readingbir") << true;
    QTest::newRow("capitals") << QStringLiteral("/home/a/reading.BIR") << false;
    QTest::newRow("mixed") << QStringLiteral("/home/a/reading.Bir") << false;
    QTest::newRow("other ending") << QStringLiteral("/home/a/reading.txt") << false;
    QTest::newRow("trailing blank") << QStringLiteral("/home/a/reading.bir ") << false;
    QTest::newRow("too short") << QStringLiteral("ir") << false;
}

void BirFileTest::acceptsOnlyALowerCaseBirEnding()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(BirFile::hasBirEnding(path), accepted);
}

QTEST_GUILESS_MAIN(BirFileTest)
#include "BirFileTest.moc"
