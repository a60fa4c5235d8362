#include "report/ReportComposer.h"

#include "report/ProfileSections.h"

#include <QColor>
#include <QFont>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

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
    cursor.insertText(QString::fromUtf8(ProfileSections::headings.at(section)), formats.heading);
    insertLineBreak(cursor, formats);
    for (const ProfileSections::Line& line : ProfileSections::lines) {
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
    for (std::size_t section = 0; section < ProfileSections::headings.size(); ++section) {
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
