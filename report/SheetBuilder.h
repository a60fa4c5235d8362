#pragma once

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

// Writes a sheet into a QTextDocument from top to bottom with one cursor, in the sheet's few formats: a title,
// headings, tables, label-and-value rows, paragraphs, a warning, pictures side by side and small print. Each piece
// starts a block (or a table) of its own and none leaves an empty block behind it (but for the one a document keeps
// between two tables), so the document ends with the last piece added and never feeds an empty page. End a sheet with
// a piece of text, not a table, which a document always follows with an empty block.
class SheetBuilder
{
public:
    struct Row
    {
        QString label;
        QString value;
    };

    struct Picture
    {
        QImage image; // at any device pixel ratio: it is drawn at `size`
        QSizeF size; // in the document's pixels, 1/96 inch
        QString name; // unique within the sheet
    };

    // Clears the document and sets the sheet's font.
    explicit SheetBuilder(QTextDocument* document);

    void addTitle(const QString& title);
    void addHeading(const QString& heading);
    // A table without borders; the first column in the label format when `labelled`, and a bold first row when
    // `header` is not empty.
    void addTable(const QList<QStringList>& rows, const QStringList& header = {}, bool labelled = false);
    // Label and value side by side; a row whose value is empty is left out.
    void addRows(const QList<Row>& rows);
    // A paragraph; each line break of the text starts a paragraph of its own.
    void addParagraph(const QString& text);
    // The label on a line of its own above the paragraph.
    void addLabelledParagraph(const QString& label, const QString& text);
    void addWarning(const QString& text);
    void addPictures(const QList<Picture>& pictures);
    void addSmallPrint(const QString& text);

private:
    void startBlock(const QTextBlockFormat& paragraph, const QTextCharFormat& characters);
    void insertTextLines(const QString& text, const QTextBlockFormat& paragraph, const QTextCharFormat& characters);

    QTextDocument* m_document;
    QTextCursor m_cursor;
    bool m_blockIsFree = true; // the cursor's block holds nothing yet: the next piece goes into it
    QTextCharFormat m_title;
    QTextCharFormat m_heading;
    QTextCharFormat m_label;
    QTextCharFormat m_value;
    QTextCharFormat m_warning;
    QTextCharFormat m_smallPrint;
};
