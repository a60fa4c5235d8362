#include "engine/Ephemeris.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfiles.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

constexpr const char* ordinals[] = {
    "first",         "second",       "third",         "fourth",       "fifth",        "sixth",         "seventh",
    "eighth",        "ninth",        "tenth",         "eleventh",     "twelfth",      "thirteenth",    "fourteenth",
    "fifteenth",     "sixteenth",    "seventeenth",   "eighteenth",   "nineteenth",   "twentieth",     "twenty-first",
    "twenty-second", "twenty-third", "twenty-fourth", "twenty-fifth", "twenty-sixth", "twenty-seventh"};

constexpr const char* signs[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                 "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// "26°40′" for an angle within its sign given in arc minutes.
QString degreesAndMinutes(int arcMinutes)
{
    return QStringLiteral("%1°%2′").arg(arcMinutes / 60).arg(arcMinutes % 60, 2, 10, QLatin1Char('0'));
}

struct ProseColumn
{
    const char* name;
    std::string_view NakshatraProfileRow::*field;
    int shortest;
    int longest;
};

constexpr ProseColumn proseColumns[] = {
    {"generalAndPhysicalFeatures", &NakshatraProfileRow::generalAndPhysicalFeatures, 253, 753},
    {"positiveHumanTraits", &NakshatraProfileRow::positiveHumanTraits, 254, 1200},
    {"negativeHumanTraits", &NakshatraProfileRow::negativeHumanTraits, 290, 862},
    {"bestCareerOptions", &NakshatraProfileRow::bestCareerOptions, 83, 387},
    {"domesticLife", &NakshatraProfileRow::domesticLife, 37, 343},
    {"health", &NakshatraProfileRow::health, 44, 291},
};

constexpr std::string_view NakshatraProfileRow::*shortColumns[] = {
    &NakshatraProfileRow::rulingDeva,   &NakshatraProfileRow::purposeOfTheDeva, &NakshatraProfileRow::rulingPlanet,
    &NakshatraProfileRow::animalSymbol, &NakshatraProfileRow::symbol,           &NakshatraProfileRow::astronomicalName,
    &NakshatraProfileRow::element,      &NakshatraProfileRow::partOfBody,       &NakshatraProfileRow::nature,
    &NakshatraProfileRow::gender,       &NakshatraProfileRow::purposeInLife,    &NakshatraProfileRow::dosha,
    &NakshatraProfileRow::temperaments, &NakshatraProfileRow::bestDirection,    &NakshatraProfileRow::luckyGemstone,
};

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { currentProfile = {}; }
    void everyEngineNameFindsTheRowOfItsPlace();
    void firstAndLastRowAreReachable_data();
    void firstAndLastRowAreReachable();
    void lookupNeverWritesTheKey();
    void inexactNamesFindNothing_data();
    void inexactNamesFindNothing();
    void missKeepsTheLastProfile();
    void chitraHasCoralAndMars();
    void oddLiteralsAreKeptExactly();
    void vishakhaHasTwoParagraphsAndOneEmptyLine();
    void proseLengthsAndLineBreaks();
    void introductionNamesOrdinalSpanAndRulers();
    void noParagraphIsSharedOrMarkedUp();
    void phraseOccursAtMostItsLimit_data();
    void phraseOccursAtMostItsLimit();
    void everyParagraphNamesItsStarInItsFirstSentence();
    void proseFollowsTheRowsDoshaAndTemperament();
    void noParagraphOpensWithAPronoun();
    void healthDescribesWithoutDirectives();
    void shortAttributesAreShortAndPresent();
};

// That the table's keys are the engine's names in the same order is a static_assert where the table is defined.
// What only a run can show is that the lookup reaches each row by the name the engine gives: every name finds a
// profile, and it is the one of its place in the zodiac, whose ruler follows the planets' order of the dashas
// (Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury), three times round.
void ProfilesTest::everyEngineNameFindsTheRowOfItsPlace()
{
    const QStringList rulers = {"Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};
    QSet<QString> symbols;
    for (std::size_t i = 0; i < nakshatraNames.size(); ++i) {
        const QString name = text(nakshatraNames[i]);
        NakshatraProfile profile;
        QVERIFY2(findNakshatraProfile(name, profile), qPrintable(name));
        QCOMPARE(profile.rulingPlanet, rulers.at(qsizetype(i % 9)));
        symbols.insert(profile.symbol);
    }
    QCOMPARE(symbols.size(), qsizetype(nakshatraNames.size())); // 27 different rows, none found twice
}

void ProfilesTest::firstAndLastRowAreReachable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QString>("astronomicalName");
    QTest::newRow("row 1") << "Ashwini"
                           << "Ketu"
                           << "Beta Arietis";
    QTest::newRow("row 27") << "Revati"
                            << "Mercury"
                            << "Zeta Piscum";
}

void ProfilesTest::firstAndLastRowAreReachable()
{
    QFETCH(QString, name);
    QFETCH(QString, planet);
    QFETCH(QString, astronomicalName);
    findNakshatraProfile(name);
    QCOMPARE(currentProfile.rulingPlanet, planet);
    QCOMPARE(currentProfile.astronomicalName, astronomicalName);
    QVERIFY(!currentProfile.health.isEmpty());
}

void ProfilesTest::lookupNeverWritesTheKey()
{
    currentProfile.nakshatraName = QStringLiteral("set by the caller");
    findNakshatraProfile(QStringLiteral("Rohini"));
    QCOMPARE(currentProfile.nakshatraName, QStringLiteral("set by the caller"));
    QCOMPARE(currentProfile.rulingDeva, QStringLiteral("Brahma"));
}

void ProfilesTest::inexactNamesFindNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower case") << "ashwini";
    QTest::newRow("capitals") << "ASHWINI";
    QTest::newRow("space before") << " Ashwini";
    QTest::newRow("space after") << "Ashwini ";
    QTest::newRow("Jyeshta") << "Jyeshta";
    QTest::newRow("Dhanishta") << "Dhanishta";
    QTest::newRow("Purva Phalguni") << "Purva Phalguni";
    QTest::newRow("two spaces") << "Poorva  Phalguni";
    QTest::newRow("empty") << "";
}

void ProfilesTest::inexactNamesFindNothing()
{
    QFETCH(QString, name);
    NakshatraProfile profile;
    QVERIFY(!findNakshatraProfile(name, profile));
    QCOMPARE(profile, NakshatraProfile());
    findNakshatraProfile(name);
    QCOMPARE(currentProfile, NakshatraProfile());
}

void ProfilesTest::missKeepsTheLastProfile()
{
    findNakshatraProfile(QStringLiteral("Hasta"));
    const NakshatraProfile hasta = currentProfile;
    QCOMPARE(hasta.rulingDeva, QStringLiteral("Aditya"));
    findNakshatraProfile(QStringLiteral("Hastha"));
    QCOMPARE(currentProfile, hasta);
}

void ProfilesTest::chitraHasCoralAndMars()
{
    findNakshatraProfile(QStringLiteral("Chitra"));
    QCOMPARE(currentProfile.luckyGemstone, QStringLiteral("Coral"));
    QCOMPARE(currentProfile.rulingPlanet, QStringLiteral("Mars"));
}

void ProfilesTest::oddLiteralsAreKeptExactly()
{
    NakshatraProfile profile;
    QVERIFY(findNakshatraProfile(QStringLiteral("Bharani"), profile));
    QCOMPARE(profile.symbol, QStringLiteral("Yoni ( Female Sexual Organ)"));
    QVERIFY(findNakshatraProfile(QStringLiteral("Chitra"), profile));
    QCOMPARE(profile.astronomicalName, QStringLiteral("Spica Virginis -Vegus"));
    QVERIFY(findNakshatraProfile(QStringLiteral("Uttara Bhadrapada"), profile));
    QCOMPARE(profile.astronomicalName, QStringLiteral("Gama Pegasi"));
    QVERIFY(findNakshatraProfile(QStringLiteral("Shravana"), profile));
    QCOMPARE(profile.symbol, QStringLiteral("An Ear /An Arrow / Three Footprints"));
    QCOMPARE(profile.temperaments, QStringLiteral("Manushya (Human)"));
    QVERIFY(findNakshatraProfile(QStringLiteral("Ardra"), profile));
    QCOMPARE(profile.purposeOfTheDeva, QStringLiteral("Shiva, Lord of Destruction & Anger"));
}

void ProfilesTest::vishakhaHasTwoParagraphsAndOneEmptyLine()
{
    findNakshatraProfile(QStringLiteral("Vishakha"));
    const QString traits = currentProfile.positiveHumanTraits;
    QCOMPARE(traits.count(QStringLiteral("\r\n\r\n")), 1);
    QCOMPARE(traits.count(QLatin1Char('\n')), 2);
    QCOMPARE(traits.count(QLatin1Char('\r')), 2);
    const QStringList paragraphs = traits.split(QStringLiteral("\r\n\r\n"));
    QVERIFY(!paragraphs[0].trimmed().isEmpty() && !paragraphs[1].trimmed().isEmpty());
    QCOMPARE(paragraphs[0], paragraphs[0].trimmed());
    QCOMPARE(paragraphs[1], paragraphs[1].trimmed());
}

void ProfilesTest::proseLengthsAndLineBreaks()
{
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        for (const ProseColumn& column : proseColumns) {
            const QString paragraph = text(row.*column.field);
            const QString where = text(row.nakshatraName) + QLatin1Char(' ') + QLatin1String(column.name);
            QVERIFY2(paragraph.size() >= column.shortest && paragraph.size() <= column.longest,
                     qPrintable(where + QStringLiteral(": %1 characters").arg(paragraph.size())));
            const bool twoParagraphs
                = row.nakshatraName == "Vishakha" && column.field == &NakshatraProfileRow::positiveHumanTraits;
            QVERIFY2(twoParagraphs
                         || (!paragraph.contains(QLatin1Char('\n')) && !paragraph.contains(QLatin1Char('\r'))),
                     qPrintable(where + QStringLiteral(" has a line break")));
            QVERIFY2(!paragraph.contains(QStringLiteral("  ")) && paragraph == paragraph.trimmed(),
                     qPrintable(where + QStringLiteral(" has stray blanks")));
        }
    }
}

void ProfilesTest::introductionNamesOrdinalSpanAndRulers()
{
    for (std::size_t k = 0; k < nakshatraProfiles.size(); ++k) {
        const NakshatraProfileRow& row = nakshatraProfiles[k];
        const QString introduction = text(row.generalAndPhysicalFeatures);
        const int start = static_cast<int>(k) * 800; // arc minutes from 0 degrees sidereal
        const int end = start + 800;
        const int startSign = start / 1800;
        const int endSign = (end - 1) / 1800;
        const QStringList expected = {QString::fromLatin1(ordinals[k]),
                                      degreesAndMinutes(start - startSign * 1800),
                                      degreesAndMinutes(end - endSign * 1800),
                                      QString::fromLatin1(signs[startSign]),
                                      QString::fromLatin1(signs[endSign]),
                                      text(row.rulingPlanet),
                                      text(row.rulingDeva)};
        for (const QString& part : expected) {
            QVERIFY2(
                introduction.contains(QRegularExpression(QStringLiteral("\\b%1").arg(QRegularExpression::escape(part)),
                                                         QRegularExpression::CaseInsensitiveOption)),
                qPrintable(text(row.nakshatraName) + QStringLiteral(" lacks ") + part));
        }
    }
}

void ProfilesTest::noParagraphIsSharedOrMarkedUp()
{
    QSet<QString> seen;
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        for (const ProseColumn& column : proseColumns) {
            const QString paragraph = text(row.*column.field);
            QVERIFY2(!seen.contains(paragraph), qPrintable(text(row.nakshatraName) + QLatin1String(column.name)));
            seen.insert(paragraph);
            for (const char* forbidden : {"http", "www.", "<", ">", "://"}) {
                QVERIFY2(!paragraph.contains(QLatin1String(forbidden)), qPrintable(paragraph.left(40)));
            }
        }
    }
}

void ProfilesTest::phraseOccursAtMostItsLimit_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("most");
    // The paragraphs describe people in the third person; they neither address the reader nor diagnose anyone.
    QTest::newRow("second person") << QStringLiteral("\\byou(r|rs|rself)?\\b") << 0;
    QTest::newRow("organ or disease") << QStringLiteral(
        "\\b(kidneys?|liver|urinary|bladder|lungs?|spleen|intestines?|bowels?|sinus|diabetes|"
        "tumou?rs?|ulcers?|weight gain|fevers?|headaches?|acidity|rashes|arthritis|asthma)\\b")
                                      << 0;
    QTest::newRow("natives") << QStringLiteral("\\bnatives?\\b") << 0;
    // One writer's voice: a stock turn of phrase may recur, but only a few times in all the paragraphs.
    QTest::newRow("its emblem is") << QStringLiteral("\\bits emblem is\\b") << 3;
    QTest::newRow("their animal") << QStringLiteral("\\btheir animal\\b") << 3;
    QTest::newRow("planet gives them") << QStringLiteral(
        "\\b(Ketu|Venus|Sun|Moon|Mars|Rahu|Jupiter|Saturn|Mercury)('s \\w+)? (gives|lends|brings|adds) "
        "them\\b") << 3;
}

void ProfilesTest::phraseOccursAtMostItsLimit()
{
    QFETCH(QString, pattern);
    QFETCH(int, most);
    const QRegularExpression phrase(pattern, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(phrase.isValid());
    int count = 0;
    QStringList where;
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        for (const ProseColumn& column : proseColumns) {
            for (auto match = phrase.globalMatch(text(row.*column.field)); match.hasNext();) {
                ++count;
                where << text(row.nakshatraName) + QLatin1Char(' ') + QLatin1String(column.name) + QStringLiteral(": ")
                        + match.next().captured();
            }
        }
    }
    QVERIFY2(
        count <= most,
        qPrintable(QStringLiteral("%1 times, at most %2:\n").arg(count).arg(most) + where.join(QLatin1Char('\n'))));
}

void ProfilesTest::everyParagraphNamesItsStarInItsFirstSentence()
{
    // Each paragraph is shown alone in its own box, so its opening says which star it describes.
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        const QString name = text(row.nakshatraName);
        for (const ProseColumn& column : proseColumns) {
            const QString paragraph = text(row.*column.field);
            const QString firstSentence = paragraph.left(paragraph.indexOf(QStringLiteral(". ")));
            QVERIFY2(firstSentence.contains(name),
                     qPrintable(name + QLatin1Char(' ') + QLatin1String(column.name) + QStringLiteral(": ")
                                + firstSentence));
        }
    }
}

void ProfilesTest::proseFollowsTheRowsDoshaAndTemperament()
{
    const QStringList doshas = {QStringLiteral("Vata"), QStringLiteral("Pitta"), QStringLiteral("Kapha")};
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        const QString name = text(row.nakshatraName);
        const QString dosha = text(row.dosha);
        const QString health = text(row.health);
        for (const QString& each : doshas) {
            QVERIFY2(health.contains(each) == (each == dosha), qPrintable(name + QStringLiteral(" health: ") + health));
        }
        // A Rakshasa temperament is a trait of character like any other, so the good qualities speak of it too.
        if (text(row.temperaments).startsWith(QStringLiteral("Rakshasa"))) {
            QVERIFY2(text(row.positiveHumanTraits).contains(QStringLiteral("Rakshasa")), qPrintable(name));
        }
    }
}

void ProfilesTest::noParagraphOpensWithAPronoun()
{
    // Each paragraph is shown alone in its own box, so an opening pronoun would have nothing to refer to.
    const QRegularExpression pronoun(
        QStringLiteral(
            "^(I|We|You|He|She|It|They|Them|Their|Theirs|His|Her|Hers|Its|Our|Your|This|These|Those|That)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        for (const ProseColumn& column : proseColumns) {
            const QStringList paragraphs = text(row.*column.field).split(QStringLiteral("\r\n\r\n"));
            for (const QString& paragraph : paragraphs) {
                QVERIFY2(!paragraph.contains(pronoun),
                         qPrintable(text(row.nakshatraName) + QLatin1Char(' ') + QLatin1String(column.name)
                                    + QStringLiteral(": ") + paragraph.left(40)));
            }
        }
    }
}

void ProfilesTest::healthDescribesWithoutDirectives()
{
    const QRegularExpression directive(QStringLiteral("\\b(should|must|advised)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        const QString health = text(row.health);
        QVERIFY2(!health.contains(directive), qPrintable(text(row.nakshatraName) + QStringLiteral(": ") + health));
    }
}

void ProfilesTest::shortAttributesAreShortAndPresent()
{
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        for (const auto field : shortColumns) {
            const QString value = text(row.*field);
            QVERIFY2(!value.isEmpty() && value.size() <= 38, qPrintable(text(row.nakshatraName) + ": " + value));
        }
    }
}

QTEST_GUILESS_MAIN(ProfilesTest)
#include "ProfilesTest.moc"
