#include "report/ReportComposer.h"

#include "knowledge/NakshatraProfiles.h"
#include "tests/support/ProfileFixtures.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QStringList headings {
    QStringLiteral("Common: "),
    QStringLiteral("More about Nakshatra Name: "),
    QStringLiteral("General & Physical Features: "),
    QStringLiteral("Positive Human Traits: "),
    QStringLiteral("Negative Human Traits: "),
    QStringLiteral("Career And Health And Domestic: "),
};

struct LabelledField
{
    const char* label;
    QString NakshatraProfile::*field;
};

const LabelledField labelledFields[] = {
    {"Nakshatra: ", &NakshatraProfile::nakshatraName},
    {"Ruling Planet: ", &NakshatraProfile::rulingPlanet},
    {"Animal Symbol: ", &NakshatraProfile::animalSymbol},
    {"Symbol: ", &NakshatraProfile::symbol},
    {"Astronomical Name: ", &NakshatraProfile::astronomicalName},
    {"Nature of Nakshatra: ", &NakshatraProfile::nature},
    {"Name of Ruling Deva /Demi God: ", &NakshatraProfile::rulingDeva},
    {"Purpose of the Deva: ", &NakshatraProfile::purposeOfTheDeva},
    {"Element / Tatthwa: ", &NakshatraProfile::element},
    {"Part of Body: ", &NakshatraProfile::partOfBody},
    {"Dosha: ", &NakshatraProfile::dosha},
    {"Gender: ", &NakshatraProfile::gender},
    {"Purpose in Life: ", &NakshatraProfile::purposeInLife},
    {"Temperaments: ", &NakshatraProfile::temperaments},
    {"Best Direction: ", &NakshatraProfile::bestDirection},
    {"Lucky Gemstone: ", &NakshatraProfile::luckyGemstone},
    {"General & Physical Features: ", &NakshatraProfile::generalAndPhysicalFeatures},
    {"Positive Human Traits: ", &NakshatraProfile::positiveHumanTraits},
    {"Negative Human Traits: ", &NakshatraProfile::negativeHumanTraits},
    {"Best Career Options: ", &NakshatraProfile::bestCareerOptions},
    {"Domestic Life: ", &NakshatraProfile::domesticLife},
    {"Health: ", &NakshatraProfile::health},
};

// The report of a profile whose fields are all empty, line by line.
const QString emptyReport = QStringLiteral("Common: \r\n"
                                           "Nakshatra: \r\n"
                                           "Ruling Planet: \r\n"
                                           "Animal Symbol: \r\n"
                                           "Symbol: \r\n"
                                           "Astronomical Name: \r\n"
                                           "\r\n"
                                           "\r\n"
                                           "More about Nakshatra Name: \r\n"
                                           "Nature of Nakshatra: \r\n"
                                           "Name of Ruling Deva /Demi God: \r\n"
                                           "Purpose of the Deva: \r\n"
                                           "Element / Tatthwa: \r\n"
                                           "Part of Body: \r\n"
                                           "Dosha: \r\n"
                                           "Gender: \r\n"
                                           "Purpose in Life: \r\n"
                                           "Temperaments: \r\n"
                                           "Best Direction: \r\n"
                                           "Lucky Gemstone: \r\n"
                                           "\r\n"
                                           "\r\n"
                                           "General & Physical Features: \r\n"
                                           "General & Physical Features: \r\n"
                                           "\r\n"
                                           "\r\n"
                                           "Positive Human Traits: \r\n"
                                           "Positive Human Traits: \r\n"
                                           "\r\n"
                                           "\r\n"
                                           "Negative Human Traits: \r\n"
                                           "Negative Human Traits: \r\n"
                                           "\r\n"
                                           "\r\n"
                                           "Career And Health And Domestic: \r\n"
                                           "Best Career Options: \r\n"
                                           "Domestic Life: \r\n"
                                           "Health: \r\n"
                                           "\r\n"
                                           "\r\n");

QStringList reportLines(const NakshatraProfile& profile)
{
    QTextDocument document;
    composeReport(&document, profile);
    return reportPlainText(document).split(QStringLiteral("\r\n"));
}

// Lines that begin with a heading or a label, in report order.
QStringList headingAndLabelLines(const QStringList& lines)
{
    QStringList starts;
    for (const QString& heading : headings) {
        starts.append(heading);
    }
    for (const LabelledField& entry : labelledFields) {
        starts.append(QString::fromUtf8(entry.label));
    }
    QStringList found;
    for (const QString& line : lines) {
        for (const QString& start : starts) {
            if (line.startsWith(start)) {
                found.append(line);
                break;
            }
        }
    }
    return found;
}

struct Fragment
{
    QString text;
    QTextCharFormat format;
};

QList<Fragment> fragmentsOf(const QTextDocument& document)
{
    QList<Fragment> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            fragments.append({it.fragment().text(), it.fragment().charFormat()});
        }
    }
    return fragments;
}

const QColor purple(128, 0, 128);
const QColor teal(0, 128, 128);
const QColor black(0, 0, 0);

} // namespace

Q_DECLARE_METATYPE(NakshatraProfile)

class ReportComposerTest : public QObject
{
    Q_OBJECT

private slots:
    void allEmptyProfileKeepsHeadingsAndLabels();
    void sectionOneOfAshwiniReadsLineByLine();
    void everyProfileHasTheReportShape_data();
    void everyProfileHasTheReportShape();
    void vishakhaPositiveTraitsSpanThreeLines();
    void headingsAreTheOnlyBoldText_data();
    void headingsAreTheOnlyBoldText();
    void nakshatraLabelIsTealAndNameBlack();
    void usesTheReportFont();
    void composingAgainReplacesTheReportAndCannotBeUndone();
};

void ReportComposerTest::allEmptyProfileKeepsHeadingsAndLabels()
{
    QTextDocument document;
    composeReport(&document, NakshatraProfile {});
    QCOMPARE(reportPlainText(document), emptyReport);
    QCOMPARE(headingAndLabelLines(reportLines(NakshatraProfile {})).size(), 28);
}

void ReportComposerTest::sectionOneOfAshwiniReadsLineByLine()
{
    const QStringList lines = reportLines(profileNamed(QStringLiteral("Ashwini")));
    const QStringList expected {
        QStringLiteral("Common: "),
        QStringLiteral("Nakshatra: Ashwini"),
        QStringLiteral("Ruling Planet: Ketu"),
        QStringLiteral("Animal Symbol: Horse"),
        QStringLiteral("Symbol: Head of a Horse"),
        QStringLiteral("Astronomical Name: Beta Arietis"),
        QString(),
        QString(),
        QStringLiteral("More about Nakshatra Name: "),
    };
    QCOMPARE(lines.mid(0, expected.size()), expected);
}

void ReportComposerTest::everyProfileHasTheReportShape_data()
{
    QTest::addColumn<NakshatraProfile>("profile");
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        const NakshatraProfile profile = toProfile(row);
        QTest::newRow(qPrintable(profile.nakshatraName)) << profile;
    }
}

void ReportComposerTest::everyProfileHasTheReportShape()
{
    QFETCH(NakshatraProfile, profile);
    QTextDocument document;
    composeReport(&document, profile);
    const QString text = reportPlainText(document);

    QVERIFY(text.startsWith(QStringLiteral("Common: \r\nNakshatra: ")));
    QVERIFY(text.endsWith(profile.health + QStringLiteral("\r\n\r\n\r\n")));
    QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n\r\n\r\n")));

    // The labels in the order of the empty report, each with its field unaltered behind it.
    const QStringList skeleton = headingAndLabelLines(emptyReport.split(QStringLiteral("\r\n")));
    const QStringList found = headingAndLabelLines(text.split(QStringLiteral("\r\n")));
    QCOMPARE(found.size(), 28);
    for (qsizetype i = 0; i < found.size(); ++i) {
        QVERIFY2(found.at(i).startsWith(skeleton.at(i)), qPrintable(found.at(i)));
    }
    for (const LabelledField& entry : labelledFields) {
        const QString line = QString::fromUtf8(entry.label) + profile.*entry.field + QStringLiteral("\r\n");
        QVERIFY2(text.contains(line), entry.label);
    }
    for (const QString& heading : headings.mid(1)) {
        QVERIFY2(text.contains(QStringLiteral("\r\n\r\n\r\n") + heading + QStringLiteral("\r\n")), qPrintable(heading));
    }
}

void ReportComposerTest::vishakhaPositiveTraitsSpanThreeLines()
{
    const NakshatraProfile vishakha = profileNamed(QStringLiteral("Vishakha"));
    const QStringList paragraphs = vishakha.positiveHumanTraits.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(paragraphs.size(), 2);

    const QStringList lines = reportLines(vishakha);
    const qsizetype heading = lines.indexOf(QStringLiteral("Positive Human Traits: "));
    QVERIFY(heading > 0);
    const QStringList expected {
        QStringLiteral("Positive Human Traits: "),
        QStringLiteral("Positive Human Traits: ") + paragraphs.at(0),
        QString(),
        paragraphs.at(1),
        QString(),
        QString(),
        QStringLiteral("Negative Human Traits: "),
    };
    QCOMPARE(lines.mid(heading, expected.size()), expected);
}

void ReportComposerTest::headingsAreTheOnlyBoldText_data()
{
    QTest::addColumn<NakshatraProfile>("profile");
    QTest::newRow("Ashwini") << profileNamed(QStringLiteral("Ashwini"));
    QTest::newRow("Vishakha") << profileNamed(QStringLiteral("Vishakha"));
    QTest::newRow("all empty") << NakshatraProfile {};
}

void ReportComposerTest::headingsAreTheOnlyBoldText()
{
    QFETCH(NakshatraProfile, profile);
    QTextDocument document;
    composeReport(&document, profile);

    QStringList boldTexts;
    QStringList tealTexts;
    QString blackText;
    for (const Fragment& fragment : fragmentsOf(document)) {
        const QColor colour = fragment.format.foreground().color();
        if (fragment.format.fontWeight() == QFont::Bold) {
            QCOMPARE(colour, purple);
            boldTexts.append(fragment.text);
        } else if (colour == teal) {
            tealTexts.append(fragment.text);
        } else {
            QCOMPARE(colour, black);
            blackText += fragment.text;
        }
    }
    QCOMPARE(boldTexts, headings);
    QStringList labels;
    for (const LabelledField& entry : labelledFields) {
        labels.append(QString::fromUtf8(entry.label));
    }
    QCOMPARE(tealTexts, labels);
    for (const LabelledField& entry : labelledFields) {
        QVERIFY(blackText.contains(QString(profile.*entry.field).remove(QStringLiteral("\r\n"))));
    }
    // The breaks and empty lines carry the value format.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.charFormat().fontWeight(), int(QFont::Normal));
    }
}

void ReportComposerTest::nakshatraLabelIsTealAndNameBlack()
{
    QTextDocument document;
    composeReport(&document, profileNamed(QStringLiteral("Ashwini")));
    const QTextBlock line = document.findBlockByNumber(1);
    QList<Fragment> fragments;
    for (auto it = line.begin(); !it.atEnd(); ++it) {
        fragments.append({it.fragment().text(), it.fragment().charFormat()});
    }
    QCOMPARE(fragments.size(), 2);
    QCOMPARE(fragments.at(0).text, QStringLiteral("Nakshatra: "));
    QCOMPARE(fragments.at(0).format.foreground().color(), teal);
    QCOMPARE(fragments.at(0).format.fontWeight(), int(QFont::Normal));
    QCOMPARE(fragments.at(1).text, QStringLiteral("Ashwini"));
    QCOMPARE(fragments.at(1).format.foreground().color(), black);
    QCOMPARE(fragments.at(1).format.fontWeight(), int(QFont::Normal));
}

void ReportComposerTest::usesTheReportFont()
{
    QTextDocument document;
    composeReport(&document, NakshatraProfile {});
    QCOMPARE(document.defaultFont().family(), QStringLiteral("Verdana"));
    QCOMPARE(document.defaultFont().pointSizeF(), 9.75);
    QCOMPARE(document.defaultFont().weight(), QFont::Normal);
}

void ReportComposerTest::composingAgainReplacesTheReportAndCannotBeUndone()
{
    QTextDocument document;
    composeReport(&document, profileNamed(QStringLiteral("Revati")));
    composeReport(&document, NakshatraProfile {});
    QCOMPARE(reportPlainText(document), emptyReport);
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(ReportComposerTest)
#include "ReportComposerTest.moc"
