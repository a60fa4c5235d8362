#include "report/SheetBuilder.h"

#include "report/ReportComposer.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>

#include <algorithm>

namespace {

// The report's colours: purple headings, teal labels, black values.
const QColor headingColour(128, 0, 128);
const QColor labelColour(0, 128, 128);
const QColor valueColour(0, 0, 0);
const QColor warningColour(160, 40, 20);
const QColor smallPrintColour(90, 90, 90);

constexpr double titlePoints = 18.0;
constexpr double headingPoints = 12.5;
constexpr double smallPrintPoints = 8.0;
constexpr int labelColumnPercent = 36; // of a table of label-and-value rows

QTextCharFormat textFormat(const QColor& colour, QFont::Weight weight = QFont::Normal, double points = 0.0)
{
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(weight);
    if (points > 0.0) {
        format.setFontPointSize(points);
    }
    return format;
}

QTextBlockFormat blockFormat(double top, double bottom, Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextBlockFormat format;
    format.setTopMargin(top);
    format.setBottomMargin(bottom);
    format.setAlignment(alignment);
    return format;
}

QStringList linesOf(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

} // namespace

SheetBuilder::SheetBuilder(QTextDocument* document)
    : m_document(document)
    , m_title(textFormat(valueColour, QFont::Bold, titlePoints))
    , m_heading(textFormat(headingColour, QFont::Bold, headingPoints))
    , m_label(textFormat(labelColour))
    , m_value(textFormat(valueColour))
    , m_warning(textFormat(warningColour, QFont::Bold))
    , m_smallPrint(textFormat(smallPrintColour, QFont::Normal, smallPrintPoints))
{
    m_document->clear();
    m_document->setUndoRedoEnabled(false);
    // Latin text needs no shaping; without it no letters are joined into ligatures, so the PDF's text reads back
    // letter for letter ("off", not "o\ufb00") and a reader's search finds every word.
    QFont font = reportFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_document->setDefaultFont(font);
    m_cursor = QTextCursor(m_document);
}

void SheetBuilder::startBlock(const QTextBlockFormat& paragraph, const QTextCharFormat& characters)
{
    if (m_blockIsFree) {
        m_cursor.setBlockFormat(paragraph);
        m_cursor.setBlockCharFormat(characters);
        m_blockIsFree = false;
    } else {
        m_cursor.insertBlock(paragraph, characters);
    }
}

void SheetBuilder::insertTextLines(const QString& text, const QTextBlockFormat& paragraph,
                                   const QTextCharFormat& characters)
{
    for (const QString& line : linesOf(text)) {
        startBlock(paragraph, characters);
        m_cursor.insertText(line, characters);
    }
}

void SheetBuilder::addTitle(const QString& title)
{
    insertTextLines(title, blockFormat(0, 8), m_title);
}

void SheetBuilder::addHeading(const QString& heading)
{
    insertTextLines(heading, blockFormat(14, 4), m_heading);
}

void SheetBuilder::addTable(const QList<QStringList>& rows, const QStringList& header, bool labelled)
{
    QList<QStringList> cells = rows;
    if (!header.isEmpty()) {
        cells.prepend(header);
    }
    qsizetype columns = 0;
    for (const QStringList& row : std::as_const(cells)) {
        columns = std::max(columns, row.size());
    }
    if (cells.isEmpty() || columns == 0) {
        return;
    }
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setBorder(0);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setTopMargin(2);
    format.setBottomMargin(4);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setHeaderRowCount(header.isEmpty() ? 0 : 1);
    if (labelled && columns == 2) {
        format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, labelColumnPercent),
                                          QTextLength(QTextLength::PercentageLength, 100 - labelColumnPercent)});
    }
    // A table goes after the block the cursor is in, or takes the place of a free one.
    if (m_blockIsFree) {
        m_cursor.setBlockFormat(blockFormat(0, 0));
    }
    QTextTable* table = m_cursor.insertTable(static_cast<int>(cells.size()), static_cast<int>(columns), format);
    QTextCharFormat headerFormat = m_value;
    headerFormat.setFontWeight(QFont::Bold);
    for (qsizetype row = 0; row < cells.size(); ++row) {
        for (qsizetype column = 0; column < cells.at(row).size(); ++column) {
            const bool isHeader = !header.isEmpty() && row == 0;
            const QTextCharFormat& charFormat = isHeader ? headerFormat : labelled && column == 0 ? m_label : m_value;
            QTextCursor cell = table->cellAt(static_cast<int>(row), static_cast<int>(column)).firstCursorPosition();
            const QStringList lines = linesOf(cells.at(row).at(column));
            for (qsizetype line = 0; line < lines.size(); ++line) {
                if (line > 0) {
                    cell.insertBlock();
                }
                cell.insertText(lines.at(line), charFormat);
            }
        }
    }
    // Past the table, in the empty block a document always keeps after one.
    m_cursor = table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockIsFree = true;
}

void SheetBuilder::addRows(const QList<Row>& rows)
{
    QList<QStringList> shown;
    for (const Row& row : rows) {
        if (!row.value.isEmpty()) {
            shown.append({row.label, row.value});
        }
    }
    addTable(shown, {}, true);
}

void SheetBuilder::addParagraph(const QString& text)
{
    insertTextLines(text, blockFormat(0, 4), m_value);
}

void SheetBuilder::addLabelledParagraph(const QString& label, const QString& text)
{
    insertTextLines(label, blockFormat(6, 1), m_label);
    addParagraph(text);
}

void SheetBuilder::addWarning(const QString& text)
{
    insertTextLines(text, blockFormat(4, 4), m_warning);
}

void SheetBuilder::addPictures(const QList<Picture>& pictures)
{
    if (pictures.isEmpty()) {
        return;
    }
    startBlock(blockFormat(6, 6, Qt::AlignHCenter), m_value);
    for (qsizetype index = 0; index < pictures.size(); ++index) {
        const Picture& picture = pictures.at(index);
        const QUrl name(QStringLiteral("sheet-picture:%1").arg(picture.name));
        m_document->addResource(QTextDocument::ImageResource, name, picture.image);
        QTextImageFormat format;
        format.setName(name.toString());
        format.setWidth(picture.size.width());
        format.setHeight(picture.size.height());
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        if (index > 0) {
            m_cursor.insertText(QStringLiteral("\u2003\u2003"), m_value); // two em spaces between pictures
        }
        m_cursor.insertImage(format);
    }
}

void SheetBuilder::addSmallPrint(const QString& text)
{
    insertTextLines(text, blockFormat(10, 0), m_smallPrint);
}
