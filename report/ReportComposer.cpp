#include "report/ReportComposer.h"

#include <QColor>
#include <QFont>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <array>

namespace {

using Field = QString NakshatraProfile::*;

// The six section headings, in report order; every heading and label ends in a colon and a space.
constexpr std::array<const char*, 6> reportHeadings {
    "Common: ",
    "More about Nakshatra Name: ",
    "General & Physical Features: ",
    "Positive Human Traits: ",
    "Negative Human Traits: ",
    "Career And Health And Domestic: ",
};

// One line per value: the section it belongs to, its label and the profile field shown after it.
struct ReportLine
{
    std::size_t section;
    const char* label;
    Field field;
};

constexpr std::array<ReportLine, 22> reportLines {{
    {0, "Nakshatra: ", &NakshatraProfile::nakshatraName},
    {0, "Ruling Planet: ", &NakshatraProfile::rulingPlanet},
    {0, "Animal Symbol: ", &NakshatraProfile::animalSymbol},
    {0, "Symbol: ", &NakshatraProfile::symbol},
    {0, "Astronomical Name: ", &NakshatraProfile::astronomicalName},
    {1, "Nature of Nakshatra: ", &NakshatraProfile::nature},
    {1, "Name of Ruling Deva /Demi God: ", &NakshatraProfile::rulingDeva},
    {1, "Purpose of the Deva: ", &NakshatraProfile::purposeOfTheDeva},
    {1, "Element / Tatthwa: ", &NakshatraProfile::element},
    {1, "Part of Body: ", &NakshatraProfile::partOfBody},
    {1, "Dosha: ", &NakshatraProfile::dosha},
    {1, "Gender: ", &NakshatraProfile::gender},
    {1, "Purpose in Life: ", &NakshatraProfile::purposeInLife},
    {1, "Temperaments: ", &NakshatraProfile::temperaments},
    {1, "Best Direction: ", &NakshatraProfile::bestDirection},
    {1, "Lucky Gemstone: ", &NakshatraProfile::luckyGemstone},
    {2, "General & Physical Features: ", &NakshatraProfile::generalAndPhysicalFeatures},
    {3, "Positive Human Traits: ", &NakshatraProfile::positiveHumanTraits},
    {4, "Negative Human Traits: ", &NakshatraProfile::negativeHumanTraits},
    {5, "Best Career Options: ", &NakshatraProfile::bestCareerOptions},
    {5, "Domestic Life: ", &NakshatraProfile::domesticLife},
    {5, "Health: ", &NakshatraProfile::health},
}};

// Lines come section by section and every section has at least one.
constexpr bool linesFollowTheSections()
{
    std::size_t expected = 0;
    for (const ReportLine& line : reportLines) {
        if (line.section == expected + 1) {
            ++expected;
        } else if (line.section != expected) {
            return false;
        }
    }
    return expected == reportHeadings.size() - 1;
}
static_assert(linesFollowTheSections());

QTextCharFormat textFormat(QFont::Weight weight, const QColor& colour)
{
    QTextCharFormat format;
    format.setFontWeight(weight);
    format.setForeground(colour);
    return format;
}

struct ReportFormats
{
    QTextCharFormat heading = textFormat(QFont::Bold, QColor(128, 0, 128));
    QTextCharFormat label = textFormat(QFont::Normal, QColor(0, 128, 128));
    QTextCharFormat value = textFormat(QFont::Normal, QColor(0, 0, 0));
};

// A line break ends the block; the empty lines and the break itself carry the value format, so nothing but the
// heading text is bold.
void insertLineBreak(QTextCursor& cursor, const ReportFormats& formats)
{
    cursor.insertBlock(cursor.blockFormat(), formats.value);
}

// Inserts a field as it is: each of its own line breaks (CR LF, or a lone LF or CR) starts a new line.
void insertValue(QTextCursor& cursor, const QString& text, const ReportFormats& formats)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            insertLineBreak(cursor, formats);
        }
        cursor.insertText(lines.at(i), formats.value);
    }
}

void insertSection(QTextCursor& cursor, std::size_t section, const NakshatraProfile& profile,
                   const ReportFormats& formats)
{
    cursor.insertText(QString::fromUtf8(reportHeadings.at(section)), formats.heading);
    insertLineBreak(cursor, formats);
    for (const ReportLine& line : reportLines) {
        if (line.section != section) {
            continue;
        }
        cursor.insertText(QString::fromUtf8(line.label), formats.label);
        insertValue(cursor, profile.*line.field, formats);
        insertLineBreak(cursor, formats);
    }
    insertLineBreak(cursor, formats);
    insertLineBreak(cursor, formats);
}

} // namespace

QFont reportFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    return font;
}

void composeReport(QTextDocument* document, const NakshatraProfile& profile)
{
    // Composition is not something the user should be able to undo.
    const bool undoWasEnabled = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    document->setDefaultFont(reportFont());

    const ReportFormats formats;
    QTextCursor cursor(document);
    cursor.setBlockCharFormat(formats.value);
    for (std::size_t section = 0; section < reportHeadings.size(); ++section) {
        insertSection(cursor, section, profile, formats);
    }
    document->setUndoRedoEnabled(undoWasEnabled);
    document->setModified(false);
}

QString reportPlainText(const QTextDocument& document)
{
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
