#include "entry/PlaceAtlas.h"

#include "entry/ZoneOnDate.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cmath>

Q_DECLARE_METATYPE(LocalTimeKind)

namespace {

// A small atlas in the generator's format: three places, keys in byte order, one of them an other name.
QStringList smallAtlasLines()
{
    return {
        QStringLiteral("ondara-atlas\t2\tthree places"),
        QStringLiteral("zones\t2"),
        QStringLiteral("Asia/Kolkata"),
        QStringLiteral("Europe/Berlin"),
        QStringLiteral("countries\t2"),
        QStringLiteral("Germany"),
        QStringLiteral("India"),
        QStringLiteral("states\t2"),
        QStringLiteral("Maharashtra"),
        QStringLiteral("North Rhine-Westphalia"),
        QStringLiteral("places\t3"),
        QStringLiteral("Köln\tKoeln\t1\t0\t5093333\t695000\t1075935\t1"),
        QStringLiteral("Pune\t\t0\t1\t1851957\t7385535\t3124458\t0"),
        QStringLiteral("Punta\t\t\t1\t-100\t200\t0\t0"),
        QStringLiteral("keys\t6"),
        QStringLiteral("cologne\t0\tCologne"),
        QStringLiteral("koeln\t0\t"),
        QStringLiteral("koln\t0\t"),
        QStringLiteral("poona\t1\tPoona"),
        QStringLiteral("pune\t1\t"),
        QStringLiteral("punta\t2\t"),
    };
}

QByteArray compressedAtlas(const QStringList& lines)
{
    return qCompress(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

bool readInto(PlaceAtlas& atlas, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return atlas.read(&buffer);
}

QStringList cities(const QList<Place>& places)
{
    QStringList names;
    for (const Place& place : places) {
        names.append(place.city);
    }
    return names;
}

bool startsWithFolded(const Place& place, const QString& foldedTyped)
{
    return PlaceAtlas::foldForMatching(place.city).startsWith(foldedTyped)
        || (!place.asciiName.isEmpty() && PlaceAtlas::foldForMatching(place.asciiName).startsWith(foldedTyped))
        || (!place.matchedName.isEmpty() && PlaceAtlas::foldForMatching(place.matchedName).startsWith(foldedTyped));
}

// Whether the name that found the place equals the typed text, as the matcher compares them.
bool equalsFolded(const Place& place, const QString& foldedTyped)
{
    if (!place.matchedName.isEmpty()) {
        return PlaceAtlas::foldForMatching(place.matchedName) == foldedTyped;
    }
    return PlaceAtlas::foldForMatching(place.city) == foldedTyped
        || (!place.asciiName.isEmpty() && PlaceAtlas::foldForMatching(place.asciiName) == foldedTyped);
}

// The matcher's order: places whose name equals the text first, then the rest; larger first within each.
std::pair<bool, qint64> rankOf(const Place& place, const QString& foldedTyped)
{
    return {!equalsFolded(place, foldedTyped), -place.population};
}

} // namespace

class PlaceAtlasTest : public QObject
{
    Q_OBJECT

private slots:
    void holdsNamedPlaces_data();
    void holdsNamedPlaces();
    void foldingDropsCaseAccentsAndPunctuation_data();
    void foldingDropsCaseAccentsAndPunctuation();
    void matchesTheStartOfNamesIgnoringCaseAndAccents_data();
    void matchesTheStartOfNamesIgnoringCaseAndAccents();
    void offersThePlaceMeantFirst_data();
    void offersThePlaceMeantFirst();
    void placesThatReadAlikeAreToldApart();
    void findsTheMostPopulousFirstAndEachPlaceOnce_data();
    void findsTheMostPopulousFirstAndEachPlaceOnce();
    void blankTextOrNoRoomFindsNothing_data();
    void blankTextOrNoRoomFindsNothing();
    void everyNameFindsItsPlace();
    void everyZoneIsKnownToTheMachine();
    void readsTheFileOnFirstUseOnly();
    void readsAtlasWithKeysOutOfOrder();
    void refusesDamagedAtlas_data();
    void refusesDamagedAtlas();
    void missingFileLeavesAnEmptyAtlas();
    void zoneOffsetOnALocalDate_data();
    void zoneOffsetOnALocalDate();
    void zoneOnDateRefusesWhatItCannotKnow();

private:
    PlaceAtlas m_atlas; // the built-in atlas, read once for the whole fixture
};

void PlaceAtlasTest::holdsNamedPlaces_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("displayText");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QByteArray>("zoneId");

    // Published coordinates of the city centres, to a few hundredths of a degree.
    QTest::newRow("Madrid") << "Madrid"
                            << "Madrid, Madrid, Spain" << 40.42 << -3.70 << QByteArray("Europe/Madrid");
    QTest::newRow("Pune") << "Pune"
                          << "Pune, Maharashtra, India" << 18.52 << 73.86 << QByteArray("Asia/Kolkata");
    QTest::newRow("São Paulo") << "São Paulo"
                               << "São Paulo, São Paulo, Brazil" << -23.55 << -46.63 << QByteArray("America/Sao_Paulo");
    QTest::newRow("Kathmandu") << "Kathmandu"
                               << "Kathmandu, Bagmati Province, Nepal" << 27.70 << 85.32
                               << QByteArray("Asia/Kathmandu");
    QTest::newRow("Kolkata") << "Kolkata"
                             << "Kolkata, West Bengal, India" << 22.57 << 88.36 << QByteArray("Asia/Kolkata");
    QTest::newRow("London") << "London"
                            << "London, England, United Kingdom" << 51.51 << -0.13 << QByteArray("Europe/London");
    QTest::newRow("Apia") << "Apia"
                          << "Apia, Tuamasaga, Samoa" << -13.83 << -171.77 << QByteArray("Pacific/Apia");
}

void PlaceAtlasTest::holdsNamedPlaces()
{
    QFETCH(QString, typed);
    QFETCH(QString, displayText);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QByteArray, zoneId);

    const QList<Place> found = m_atlas.matching(typed);
    QVERIFY2(!found.isEmpty(), qPrintable(m_atlas.errorString()));
    const Place& place = found.first(); // the largest of that name
    QCOMPARE(place.displayText(), displayText);
    QVERIFY2(std::abs(place.latitude - latitude) < 0.05, qPrintable(QString::number(place.latitude)));
    QVERIFY2(std::abs(place.longitude - longitude) < 0.05, qPrintable(QString::number(place.longitude)));
    QCOMPARE(place.zoneId, zoneId);
    QVERIFY(place.population > 1000);
}

void PlaceAtlasTest::foldingDropsCaseAccentsAndPunctuation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");

    QTest::newRow("accents and capitals") << "São PAULO"
                                          << "sao paulo";
    QTest::newRow("precomposed and combining accents agree") << "Zu\u0308rich"
                                                             << "zurich";
    QTest::newRow("letters that do not decompose stay") << "Łódź"
                                                        << "łodz";
    QTest::newRow("hyphen is a blank") << "Saint-Étienne"
                                       << "saint etienne";
    QTest::newRow("apostrophes go") << "N’Djamena d'Or"
                                    << "ndjamena dor";
    QTest::newRow("dots go") << "St. Louis"
                             << "st louis";
    QTest::newRow("runs of blanks become one") << "New  -  York"
                                               << "new york";
    QTest::newRow("no blank in front") << "  pune"
                                       << "pune";
    QTest::newRow("a blank at the end stays") << "san "
                                              << "san ";
}

void PlaceAtlasTest::foldingDropsCaseAccentsAndPunctuation()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(PlaceAtlas::foldForMatching(text), folded);
}

void PlaceAtlasTest::matchesTheStartOfNamesIgnoringCaseAndAccents_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("city"); // among the finds; empty: no find may be this city
    QTest::addColumn<QString>("notCity");

    QTest::newRow("without accents") << "sao paulo"
                                     << "São Paulo"
                                     << "";
    QTest::newRow("capitals, part of the name") << "SÃO PAU"
                                                << "São Paulo"
                                                << "";
    QTest::newRow("ASCII spelling of a letter that does not decompose") << "lodz"
                                                                        << "Łódź"
                                                                        << "";
    QTest::newRow("ASCII spelling with a different letter count") << "koeln"
                                                                  << "Köln"
                                                                  << "";
    QTest::newRow("the name itself") << "köln"
                                     << "Köln"
                                     << "";
    QTest::newRow("hyphen typed as a blank") << "saint etienne"
                                             << "Saint-Étienne"
                                             << "";
    QTest::newRow("the middle of a name does not match") << "paulo"
                                                         << ""
                                                         << "São Paulo";
    QTest::newRow("a blank at the end ends the word") << "san "
                                                      << "San Antonio"
                                                      << "Sanaa";
}

void PlaceAtlasTest::matchesTheStartOfNamesIgnoringCaseAndAccents()
{
    QFETCH(QString, typed);
    QFETCH(QString, city);
    QFETCH(QString, notCity);

    const QList<Place> found = m_atlas.matching(typed);
    QVERIFY2(!found.isEmpty(), qPrintable(m_atlas.errorString()));
    const QString foldedTyped = PlaceAtlas::foldForMatching(typed);
    for (const Place& place : found) {
        QVERIFY2(startsWithFolded(place, foldedTyped), qPrintable(place.displayText()));
    }
    const QStringList names = cities(found);
    if (!city.isEmpty()) {
        QVERIFY2(names.contains(city), qPrintable(names.join(QStringLiteral("; "))));
    }
    if (!notCity.isEmpty()) {
        QVERIFY2(!names.contains(notCity), qPrintable(names.join(QStringLiteral("; "))));
    }
}

void PlaceAtlasTest::offersThePlaceMeantFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("first");

    // Former names, official names the data lags behind, English names of foreign cities, and short names that
    // many longer ones begin with.
    QTest::newRow("a former name") << "Bombay"
                                   << "Mumbai (Bombay), Maharashtra, India";
    QTest::newRow("a former name shared by a small town") << "Calcutta"
                                                          << "Kolkata (Calcutta), West Bengal, India";
    QTest::newRow("another, lower case") << "madras"
                                         << "Chennai (Madras), Tamil Nadu, India";
    QTest::newRow("an old spelling") << "Benares"
                                     << "Varanasi (Benares), Uttar Pradesh, India";
    QTest::newRow("an English name") << "Peking"
                                     << "Beijing (Peking), Beijing, China";
    QTest::newRow("an English name that a small town bears") << "Canton"
                                                             << "Guangzhou (Canton), Guangdong, China";
    QTest::newRow("an English name of a German city") << "Cologne"
                                                      << "Köln (Cologne), North Rhine-Westphalia, Germany";
    QTest::newRow("an English name of a Swiss city") << "Geneva"
                                                     << "Genève (Geneva), Geneva, Switzerland";
    QTest::newRow("the official name") << "Gurugram"
                                       << "Gurgaon (Gurugram), Haryana, India";
    QTest::newRow("the ASCII spelling") << "Zurich"
                                        << "Zürich, Zurich, Switzerland";
    QTest::newRow("a larger city's other name before a smaller one's own") << "Kochi"
                                                                           << "Cochin (Kochi), Kerala, India";
    QTest::newRow("a whole short name before longer ones") << "Man"
                                                           << "Man, Montagnes, Ivory Coast";
    QTest::newRow("two letters, a whole name") << "Ho"
                                               << "Ho, Volta, Ghana";
    QTest::newRow("the start of an other name") << "Saig"
                                                << "Ho Chi Minh City (Saigon), Ho Chi Minh, Vietnam";
    QTest::newRow("the own name wins over an other name") << "Mumb"
                                                          << "Mumbai, Maharashtra, India";
}

void PlaceAtlasTest::offersThePlaceMeantFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, first);
    const QList<Place> found = m_atlas.matching(typed);
    QVERIFY2(!found.isEmpty(), qPrintable(m_atlas.errorString()));
    QCOMPARE(found.first().displayText(), first);
}

void PlaceAtlasTest::placesThatReadAlikeAreToldApart()
{
    // Two towns of one name in one state: the offered texts add their coordinates, and only to those.
    const QList<Place> found = m_atlas.matching(u"Madridejos");
    const QStringList texts = PlaceAtlas::offerTexts(found);
    QCOMPARE(texts.size(), found.size());
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    QVERIFY2(texts.contains(QStringLiteral("Madridejos, Castille-La Mancha, Spain")), qPrintable(texts.join(u'|')));
    const QStringList philippine = texts.filter(QStringLiteral("Philippines"));
    QCOMPARE(philippine.size(), 2);
    for (const QString& text : philippine) {
        QVERIFY2(text.contains(QStringLiteral("° N, 123.")), qPrintable(text));
    }
}

void PlaceAtlasTest::findsTheMostPopulousFirstAndEachPlaceOnce_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");

    QTest::newRow("two letters") << "pu" << 12;
    QTest::newRow("one letter, many places") << "s" << 12;
    QTest::newRow("names found twice through their ASCII spelling") << "ko" << 40;
    QTest::newRow("fewer places than the limit") << "kathmandu" << 12;
    QTest::newRow("a limit of one") << "lon" << 1;
    QTest::newRow("whole names and longer ones") << "man" << 30;
    QTest::newRow("found through other names") << "bomba" << 12;
}

void PlaceAtlasTest::findsTheMostPopulousFirstAndEachPlaceOnce()
{
    QFETCH(QString, typed);
    QFETCH(int, limit);

    const QList<qsizetype> all = m_atlas.matchingRows(typed, -1);
    const QList<Place> found = m_atlas.matching(typed, limit);
    QCOMPARE(found.size(), std::min<qsizetype>(limit, all.size()));

    const QString folded = PlaceAtlas::foldForMatching(typed);
    QSet<QString> seen;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString where = found[i].city + QString::number(found[i].latitude);
        QVERIFY2(!seen.contains(where), qPrintable(where));
        seen.insert(where);
        QVERIFY2(startsWithFolded(found[i], folded), qPrintable(found[i].displayText()));
        if (i > 0) {
            QVERIFY2(rankOf(found[i - 1], folded) <= rankOf(found[i], folded), qPrintable(found[i].displayText()));
        }
    }
    // Nothing left out ranks before the last place found.
    const QList<Place> everything = m_atlas.matching(typed, static_cast<int>(all.size()));
    QCOMPARE(everything.size(), all.size());
    for (const Place& place : everything) {
        if (!seen.contains(place.city + QString::number(place.latitude))) {
            QVERIFY2(rankOf(found.last(), folded) <= rankOf(place, folded), qPrintable(place.displayText()));
        }
    }
}

void PlaceAtlasTest::blankTextOrNoRoomFindsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");

    QTest::newRow("empty") << "" << 12;
    QTest::newRow("blanks") << "   " << 12;
    QTest::newRow("punctuation only") << "'." << 12;
    QTest::newRow("no room") << "pune" << 0;
    QTest::newRow("a negative limit") << "pune" << -5;
}

void PlaceAtlasTest::blankTextOrNoRoomFindsNothing()
{
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QVERIFY(m_atlas.placeCount() > 0);
    QVERIFY(m_atlas.matching(typed, limit).isEmpty());
}

void PlaceAtlasTest::everyNameFindsItsPlace()
{
    // The generator folds the names it writes as keys; typed text is folded here. Should the two ever differ, a
    // place would not be found by its own name.
    QVERIFY(m_atlas.placeCount() > 100000);
    for (qsizetype row = 0; row < m_atlas.placeCount(); ++row) {
        const Place place = m_atlas.place(row);
        QVERIFY2(m_atlas.matchingRows(place.city, -1).contains(row), qPrintable(place.displayText()));
        if (!place.asciiName.isEmpty()) {
            QVERIFY2(m_atlas.matchingRows(place.asciiName, -1).contains(row), qPrintable(place.asciiName));
        }
    }
}

void PlaceAtlasTest::everyZoneIsKnownToTheMachine()
{
    QSet<QByteArray> zones;
    for (qsizetype row = 0; row < m_atlas.placeCount(); ++row) {
        zones.insert(m_atlas.place(row).zoneId);
    }
    QVERIFY(zones.size() > 300);
    for (const QByteArray& zone : std::as_const(zones)) {
        QVERIFY2(QTimeZone(zone).isValid(), zone.constData());
    }
}

void PlaceAtlasTest::readsTheFileOnFirstUseOnly()
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("places.tsv.z"));
    PlaceAtlas atlas(fileName); // the file does not exist yet: making the atlas must not look for it

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(compressedAtlas(smallAtlasLines()));
    file.close();

    QCOMPARE(cities(atlas.matching(u"pun")), QStringList({QStringLiteral("Pune"), QStringLiteral("Punta")}));
    QVERIFY(QFile::remove(fileName));
    QCOMPARE(cities(atlas.matching(u"koeln")), QStringList {QStringLiteral("Köln")}); // read once, kept
}

void PlaceAtlasTest::readsAtlasWithKeysOutOfOrder()
{
    QStringList lines = smallAtlasLines();
    std::reverse(lines.end() - 6, lines.end());
    PlaceAtlas atlas(QStringLiteral("unused"));
    QVERIFY2(readInto(atlas, compressedAtlas(lines)), qPrintable(atlas.errorString()));

    const QList<Place> found = atlas.matching(u"PUN");
    QCOMPARE(cities(found), QStringList({QStringLiteral("Pune"), QStringLiteral("Punta")}));
    QCOMPARE(found[0].displayText(), QStringLiteral("Pune, Maharashtra, India"));
    QCOMPARE(found[0].latitude, 18.51957);
    QCOMPARE(found[0].longitude, 73.85535);
    QCOMPARE(found[0].population, Q_INT64_C(3124458));
    QCOMPARE(found[0].zoneId, QByteArray("Asia/Kolkata"));
    QCOMPARE(found[1].displayText(), QStringLiteral("Punta, India"));
    QCOMPARE(found[1].latitude, -0.001);
    QCOMPARE(cities(atlas.matching(u"koln")), QStringList {QStringLiteral("Köln")});
    QCOMPARE(atlas.matching(u"colog").value(0).displayText(),
             QStringLiteral("Köln (Cologne), North Rhine-Westphalia, Germany"));
    QCOMPARE(atlas.matching(u"poo").value(0).displayText(), QStringLiteral("Pune (Poona), Maharashtra, India"));
}

void PlaceAtlasTest::refusesDamagedAtlas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("inflateWarns"); // zlib's complaint, which qUncompress passes on as a warning

    const auto changed = [](int line, const QString& text) {
        QStringList lines = smallAtlasLines();
        lines[line] = text;
        return compressedAtlas(lines);
    };
    const QByteArray good = compressedAtlas(smallAtlasLines());
    QByteArray sizeTooLarge = good;
    sizeTooLarge[0] = '\x7f';

    QTest::newRow("not compressed") << smallAtlasLines().join(QLatin1Char('\n')).toUtf8() << false;
    QTest::newRow("cut short") << good.left(good.size() / 2) << true;
    QTest::newRow("a size in front no atlas has") << sizeTooLarge << false;
    QTest::newRow("another format") << changed(0, QStringLiteral("ondara-atlas\t1")) << false;
    QTest::newRow("a section missing") << compressedAtlas(smallAtlasLines().mid(0, 14)) << false;
    QTest::newRow("more lines announced than given") << changed(14, QStringLiteral("keys\t7")) << false;
    QTest::newRow("text after the keys") << compressedAtlas(smallAtlasLines() << QStringLiteral("extra\t0")) << false;
    QTest::newRow("a place field short") << changed(12, QStringLiteral("Pune\t\t0\t1\t1851957\t7385535\t3124458"))
                                         << false;
    QTest::newRow("a place field too many")
        << changed(12, QStringLiteral("Pune\t\t0\t1\t1851957\t7385535\t1\t0\t0")) << false;
    QTest::newRow("a state beyond the table")
        << changed(12, QStringLiteral("Pune\t\t2\t1\t1851957\t7385535\t1\t0")) << false;
    QTest::newRow("a latitude beyond the pole")
        << changed(12, QStringLiteral("Pune\t\t0\t1\t9000001\t0\t1\t0")) << false;
    QTest::newRow("a population not a number")
        << changed(12, QStringLiteral("Pune\t\t0\t1\t1851957\t7385535\tmany\t0")) << false;
    QTest::newRow("a key for a place beyond the list") << changed(19, QStringLiteral("pune\t3\t")) << false;
    QTest::newRow("a key without a place") << changed(19, QStringLiteral("pune")) << false;
    QTest::newRow("a key without its other name's field") << changed(19, QStringLiteral("pune\t1")) << false;
    QTest::newRow("a key with a field too many") << changed(19, QStringLiteral("pune\t1\tPoona\tx")) << false;
}

void PlaceAtlasTest::refusesDamagedAtlas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, inflateWarns);

    if (inflateWarns) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^qUncompress")));
    }
    PlaceAtlas atlas(QStringLiteral("unused"));
    QVERIFY(!readInto(atlas, bytes));
    QVERIFY(!atlas.errorString().isEmpty());
    QCOMPARE(atlas.placeCount(), 0);
    QVERIFY(atlas.matching(u"pun").isEmpty());
}

void PlaceAtlasTest::missingFileLeavesAnEmptyAtlas()
{
    const QString fileName = QStringLiteral("/nonexistent/places.tsv.z");
    PlaceAtlas atlas(fileName);
    QVERIFY(atlas.matching(u"pune").isEmpty());
    QVERIFY(!atlas.load());
    QVERIFY2(atlas.errorString().contains(fileName), qPrintable(atlas.errorString()));
}

void PlaceAtlasTest::zoneOffsetOnALocalDate_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("offsetMinutes");
    QTest::addColumn<int>("standardMinutes");
    QTest::addColumn<bool>("daylightSaving");
    QTest::addColumn<LocalTimeKind>("kind");

    const auto row = [](const char* name, const char* zone, QDate date, QTime time, int offset, int standard,
                        bool daylight, LocalTimeKind kind = LocalTimeKind::Unique) {
        QTest::newRow(name) << QByteArray(zone) << date << time << offset << standard << daylight << kind;
    };
    // History from the tz database: war time in India, British double summer time, Nepal's change of 1986.
    row("Kolkata in war time", "Asia/Kolkata", {1943, 6, 15}, {12, 0}, 390, 330, true);
    row("Kolkata today", "Asia/Kolkata", {2020, 6, 15}, {12, 0}, 330, 330, false);
    row("London, double summer time", "Europe/London", {1944, 6, 15}, {12, 0}, 120, 0, true);
    row("London in winter", "Europe/London", {2021, 1, 15}, {12, 0}, 0, 0, false);
    row("London in summer", "Europe/London", {2021, 7, 15}, {12, 0}, 60, 0, true);
    row("Kathmandu", "Asia/Kathmandu", {2000, 1, 1}, {6, 0}, 345, 345, false);
    row("Kathmandu before 1986", "Asia/Kathmandu", {1980, 1, 1}, {6, 0}, 330, 330, false);
    row("Apia after the date line moved", "Pacific/Apia", {2015, 3, 1}, {12, 0}, 840, 780, true);
    // Clock changes: the offset in force before the change.
    row("New York, hour repeated", "America/New_York", {2021, 11, 7}, {1, 30}, -240, -300, true,
        LocalTimeKind::Repeated);
    row("New York, hour skipped", "America/New_York", {2021, 3, 14}, {2, 30}, -300, -300, false,
        LocalTimeKind::Skipped);
    row("New York, just after the skip", "America/New_York", {2021, 3, 14}, {3, 0}, -240, -300, true);
    row("London, hour repeated", "Europe/London", {2021, 10, 31}, {1, 59}, 60, 0, true, LocalTimeKind::Repeated);
    row("London, first reading after the repeat", "Europe/London", {2021, 10, 31}, {2, 0}, 0, 0, false);
    row("Apia, the skipped day", "Pacific/Apia", {2011, 12, 30}, {12, 0}, -600, -660, true, LocalTimeKind::Skipped);
}

void PlaceAtlasTest::zoneOffsetOnALocalDate()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(int, offsetMinutes);
    QFETCH(int, standardMinutes);
    QFETCH(bool, daylightSaving);
    QFETCH(LocalTimeKind, kind);

    const std::optional<ZoneOnDate> found = zoneOnDate(zone, date, time);
    QVERIFY(found);
    QCOMPARE(found->offsetSeconds, offsetMinutes * 60);
    QCOMPARE(found->standardOffsetSeconds, standardMinutes * 60);
    QCOMPARE(found->daylightSaving, daylightSaving);
    QCOMPARE(found->kind, kind);
}

void PlaceAtlasTest::zoneOnDateRefusesWhatItCannotKnow()
{
    QVERIFY(!zoneOnDate("Mars/Olympus_Mons", {2000, 1, 1}, {12, 0}));
    QVERIFY(!zoneOnDate("", {2000, 1, 1}, {12, 0}));
    QVERIFY(!zoneOnDate("Asia/Kolkata", QDate(2001, 2, 29), {12, 0}));
    QVERIFY(!zoneOnDate("Asia/Kolkata", {2000, 1, 1}, QTime(24, 0)));
}

QTEST_GUILESS_MAIN(PlaceAtlasTest)
#include "PlaceAtlasTest.moc"
