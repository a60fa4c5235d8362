#include "report/Scrambling.h"

#include <QTest>

class ScramblingTest : public QObject
{
    Q_OBJECT

private slots:
    void scrambleGivesTheShiftedBytes_data();
    void scrambleGivesTheShiftedBytes();
    void unscrambleLeavesOutCodesBelowTheShift_data();
    void unscrambleLeavesOutCodesBelowTheShift();
    void everyStorableCodeSurvivesARoundTrip();
    void codePageMapsBytesToWindows1252_data();
    void codePageMapsBytesToWindows1252();
    void everyByteSurvivesTheCodePage();
    void charactersOutsideTheCodePageAreDroppedAndReported();
};

void ScramblingTest::scrambleGivesTheShiftedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("abc keeps its order") << QStringLiteral("abc") << QByteArray("\xB6\xB7\xB8");
    QTest::newRow("true flag") << QStringLiteral("1") << QByteArray("\x86");
    QTest::newRow("false flag") << QStringLiteral("0") << QByteArray("\x85");
    QTest::newRow("number 12") << QStringLiteral("12") << QByteArray("\x86\x87");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("plus lands on the euro byte") << QStringLiteral("+") << QByteArray("\x80");
    QTest::newRow("highest storable code 170") << QStringLiteral("\u00AA") << QByteArray("\xFF");
    QTest::newRow("code 171 and above left out") << QStringLiteral("Zo\u00EB\u00AB!") << QByteArray("\xAF\xC4\x76");
    QTest::newRow("outside the code page left out") << QStringLiteral("\u674Ea") << QByteArray("\xB6");
}

void ScramblingTest::scrambleGivesTheShiftedBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCodePage(scrambleText(text)), bytes);
}

void ScramblingTest::unscrambleLeavesOutCodesBelowTheShift_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("abc") << QByteArray("\xB6\xB7\xB8") << QStringLiteral("abc");
    QTest::newRow("codes 0 to 84 left out") << QByteArray("\x41\xB6\x54\x0D\xB7") << QStringLiteral("ab");
    QTest::newRow("euro byte is a plus") << QByteArray("\x80") << QStringLiteral("+");
    QTest::newRow("byte 85 is code 0") << QByteArray("\x55") << QString(QChar(0));
}

void ScramblingTest::unscrambleLeavesOutCodesBelowTheShift()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(unscrambleText(fromCodePage(bytes)), text);
}

void ScramblingTest::everyStorableCodeSurvivesARoundTrip()
{
    for (int code = 0; code <= 170; ++code) {
        const QString character = fromCodePage(QByteArray(1, static_cast<char>(code)));
        QCOMPARE(unscrambleText(scrambleText(character)), character);
    }
}

void ScramblingTest::codePageMapsBytesToWindows1252_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("ASCII") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
}

void ScramblingTest::codePageMapsBytesToWindows1252()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QByteArray bytes(1, static_cast<char>(byte));
    const char32_t expected = static_cast<char32_t>(codePoint);
    const QString character = QString::fromUcs4(&expected, 1);
    QCOMPARE(fromCodePage(bytes), character);
    QCOMPARE(toCodePage(character), bytes);
}

void ScramblingTest::everyByteSurvivesTheCodePage()
{
    QByteArray all;
    for (int byte = 0; byte <= 255; ++byte) {
        all.append(static_cast<char>(byte));
    }
    QString unmappable;
    QCOMPARE(toCodePage(fromCodePage(all), &unmappable), all);
    QVERIFY(unmappable.isEmpty());
}

void ScramblingTest::charactersOutsideTheCodePageAreDroppedAndReported()
{
    QString unmappable;
    const QByteArray bytes = toCodePage(QStringLiteral("a\u20AC\u03A9\u0080b\U0001F600"), &unmappable);
    QCOMPARE(bytes,
             QByteArray("a\x80"
                        "b"));
    QCOMPARE(unmappable, QStringLiteral("\u03A9\u0080\U0001F600"));
}

QTEST_GUILESS_MAIN(ScramblingTest)
#include "ScramblingTest.moc"
