#include "assets/NakshatraPictures.h"

#include "engine/Ephemeris.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QStringList engineNames()
{
    QStringList names;
    for (const std::string_view name : nakshatraNames) {
        names << QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    return names;
}

} // namespace

class NakshatraPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void keysAreExactlyTheEngineNames();
    void keysRunAlphabeticallyFromAnuradhaToVishakha();
    void everyPictureIsA79By128Jpeg_data();
    void everyPictureIsA79By128Jpeg();
    void everyKeyFindsAPictureOfItsOwn();
    void firstPictureIsAnuradhas();
    void findNeedsTheExactKey_data();
    void findNeedsTheExactKey();
    void programIconHasEveryPngSize();
    void vectorIconIsAnSvgDocument();
    void decorativePictureIsThere();
    void handCursorIs32By32WithTheFingerTipAtTheHotSpot();
};

void NakshatraPicturesTest::keysAreExactlyTheEngineNames()
{
    QStringList keys = NakshatraPictureSet::keys();
    QStringList names = engineNames();
    QCOMPARE(keys.size(), nakshatraCount);
    keys.sort();
    names.sort();
    QCOMPARE(keys, names);
}

void NakshatraPicturesTest::keysRunAlphabeticallyFromAnuradhaToVishakha()
{
    const QStringList keys = NakshatraPictureSet::keys();
    QStringList sorted = keys;
    sorted.sort(Qt::CaseSensitive);
    QCOMPARE(keys, sorted);
    QCOMPARE(keys.first(), QStringLiteral("Anuradha"));
    QCOMPARE(keys.last(), QStringLiteral("Vishakha"));
}

void NakshatraPicturesTest::everyPictureIsA79By128Jpeg_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : engineNames()) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

void NakshatraPicturesTest::everyPictureIsA79By128Jpeg()
{
    QFETCH(QString, name);
    QImageReader reader(QStringLiteral(":/nakshatra/%1.jpg").arg(name));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage picture = reader.read();
    QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(picture.size(), QSize(79, 128));
}

void NakshatraPicturesTest::everyKeyFindsAPictureOfItsOwn()
{
    QSet<QByteArray> seen;
    for (const QString& key : NakshatraPictureSet::keys()) {
        const std::optional<QPixmap> picture = NakshatraPictureSet::find(key);
        QVERIFY2(picture.has_value(), qPrintable(key));
        QCOMPARE(picture->size(), QSize(79, 128));
        const QImage image = picture->toImage().convertToFormat(QImage::Format_RGB32);
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), nakshatraCount); // no two keys share a picture
}

void NakshatraPicturesTest::firstPictureIsAnuradhas()
{
    const QPixmap first = NakshatraPictureSet::firstPicture();
    QVERIFY(!first.isNull());
    const std::optional<QPixmap> anuradha = NakshatraPictureSet::find(QStringLiteral("Anuradha"));
    QVERIFY(anuradha.has_value());
    QCOMPARE(first.toImage(), anuradha->toImage());
}

void NakshatraPicturesTest::findNeedsTheExactKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("lower case") << QStringLiteral("ashwini");
    QTest::newRow("capitals") << QStringLiteral("ASHWINI");
    QTest::newRow("space before") << QStringLiteral(" Ashwini");
    QTest::newRow("space after") << QStringLiteral("Ashwini ");
    QTest::newRow("double space inside") << QStringLiteral("Poorva  Phalguni");
    QTest::newRow("other spelling of Poorva Phalguni") << QStringLiteral("Purva Phalguni");
    QTest::newRow("other spelling of Jyeshtha") << QStringLiteral("Jyeshta");
    QTest::newRow("file name on disk") << QStringLiteral("poorva-phalguni");
    QTest::newRow("empty") << QString();
}

void NakshatraPicturesTest::findNeedsTheExactKey()
{
    QFETCH(QString, key);
    QVERIFY(!NakshatraPictureSet::find(key).has_value());
}

void NakshatraPicturesTest::programIconHasEveryPngSize()
{
    // The window icon carries the sizes windows draw; the larger ones are there for the desktop's icon theme.
    QCOMPARE(programIcon().availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage png(QStringLiteral(":/icons/ondara-%1.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());
    }
}

void NakshatraPicturesTest::vectorIconIsAnSvgDocument()
{
    QFile file(QStringLiteral(":/icons/ondara.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void NakshatraPicturesTest::decorativePictureIsThere()
{
    const QPixmap picture = decorativePicture();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(160, 220));
}

void NakshatraPicturesTest::handCursorIs32By32WithTheFingerTipAtTheHotSpot()
{
    const QImage hand(QStringLiteral(":/cursors/hand.png"));
    QCOMPARE(hand.size(), QSize(32, 32));
    QVERIFY(hand.hasAlphaChannel());
    QCOMPARE(qAlpha(hand.pixel(0, 0)), 0); // transparent ground
    QCOMPARE(qAlpha(hand.pixel(31, 0)), 0);
    QVERIFY(qAlpha(hand.pixel(6, 0)) > 128); // the hot spot used by the link labels lies on the finger tip
}

QTEST_MAIN(NakshatraPicturesTest)
#include "NakshatraPicturesTest.moc"
