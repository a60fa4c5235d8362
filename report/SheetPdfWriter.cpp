#include "report/SheetPdfWriter.h"

#include "report/DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// Unicode CLDR supplemental data, measurementData: <paperSize type="US-Letter" territories="BZ CA CL CO CR GT MX NI
// PA PH PR SV US VE"/>; every other territory (001) uses A4.
constexpr std::array letterTerritories {
    QLocale::Belize,     QLocale::Canada,     QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,
    QLocale::Guatemala,  QLocale::Mexico,     QLocale::Nicaragua,    QLocale::Panama,    QLocale::Philippines,
    QLocale::PuertoRico, QLocale::ElSalvador, QLocale::UnitedStates, QLocale::Venezuela,
};
static_assert(letterTerritories.size() == 14);

// A copy of the document laid out on the writer's page, which it shares with no one.
std::unique_ptr<QTextDocument> laidOutCopy(const QTextDocument& document, QPdfWriter* writer, QRectF* page)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(writer);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0); // the page's own margins hold the text
    copy->rootFrame()->setFrameFormat(frame);
    *page = writer->pageLayout().paintRectPixels(writer->resolution());
    copy->setPageSize(page->size());
    return copy;
}

} // namespace

SheetPdfWriter::SheetPdfWriter(const QPageSize& pageSize, const QString& title)
    : m_pageSize(pageSize)
    , m_title(title)
{
}

void SheetPdfWriter::prepare(QPdfWriter* writer) const
{
    writer->setTitle(m_title);
    writer->setCreator(QStringLiteral("Ondara"));
    writer->setPageSize(m_pageSize);
    writer->setPageMargins(m_marginsMillimetres, QPageLayout::Millimeter);
}

bool SheetPdfWriter::write(const QTextDocument& document, QIODevice* device, QString* errorText) const
{
    // Made in memory first: the PDF engine does not report a failing device, a plain write does.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        prepare(&writer);
        QRectF page;
        const std::unique_ptr<QTextDocument> copy = laidOutCopy(document, &writer, &page);
        QPainter painter;
        if (!painter.begin(&writer)) {
            *errorText = QStringLiteral("The PDF could not be started.");
            return false;
        }
        // Pictures of lines and letters stay sharp: no JPEG blur around them.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        drawPagesUpToLastLine(painter, *copy, page, [&writer] { writer.newPage(); });
        painter.end();
    }
    const QByteArray& pdf = buffer.data();
    if (device->write(pdf) != pdf.size()) {
        *errorText = device->errorString();
        return false;
    }
    return true;
}

bool SheetPdfWriter::writeFile(const QTextDocument& document, const QString& path, QString* errorText) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorText = file.errorString();
        return false;
    }
    if (!write(document, &file, errorText)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *errorText = file.errorString();
        return false;
    }
    return true;
}

int SheetPdfWriter::pageCount(const QTextDocument& document) const
{
    QBuffer nowhere;
    QPdfWriter writer(&nowhere);
    prepare(&writer);
    QRectF page;
    const std::unique_ptr<QTextDocument> copy = laidOutCopy(document, &writer, &page);
    return pagesUpToLastLine(*copy, page.height());
}

QPageSize paperSizeFor(const QLocale& locale)
{
    const bool letter = std::ranges::find(letterTerritories, locale.territory()) != letterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}
