#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>

class QIODevice;
class QLocale;
class QPdfWriter;
class QTextDocument;

// Writes a document as a PDF of real text (a reader can search and copy it): laid out on pages of one size within
// margins, carrying a title, and only as many pages as hold something, so it never ends in an empty page.
class SheetPdfWriter
{
public:
    SheetPdfWriter(const QPageSize& pageSize, const QString& title);

    // The whole PDF to the open device; false with a reason when it cannot be made or the device takes less.
    bool write(const QTextDocument& document, QIODevice* device, QString* errorText) const;
    // The PDF to a temporary file beside `path`, which takes the place of `path` only once it is complete. On any
    // failure `path` is left as it was (an earlier file there stays whole) and the reason is given.
    bool writeFile(const QTextDocument& document, const QString& path, QString* errorText) const;
    // How many pages the document fills on this writer's pages.
    int pageCount(const QTextDocument& document) const;

    const QPageSize& pageSize() const { return m_pageSize; }

private:
    void prepare(QPdfWriter* writer) const;

    QPageSize m_pageSize;
    QString m_title;
    QMarginsF m_marginsMillimetres {18, 16, 18, 16};
};

// The paper of a locale's country: US Letter where that is the everyday paper (the territories of the Unicode CLDR's
// paperSize data: Belize, Canada, Chile, Colombia, Costa Rica, Guatemala, Mexico, Nicaragua, Panama, the
// Philippines, Puerto Rico, El Salvador, the United States, Venezuela), ISO A4 everywhere else and for a locale
// without a country.
QPageSize paperSizeFor(const QLocale& locale);
