#include "desktop/Printing.h"

#include "report/DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <memory>

namespace {

// QPrinter quietly turns into a nameless PDF printer when the system has none, so the default printer is checked
// here. Only one painter is ever begun on the printer: on a print queue every painter that ends is a job.
class DefaultPrinter : public Printing
{
public:
    bool print(const QTextDocument& document, QString* errorText) override
    {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull()) {
            *errorText = QStringLiteral("No printer is set up on this computer.");
            return false;
        }
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Ondara"));
        return printDocumentPages(document, &printer, errorText);
    }
};

// Two centimetres of margin inside the printer's own, given in screen pixels: the layout scales them to the printer.
void setPrintMargins(QTextDocument* document)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal screenDpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const qreal margin = 2.0 / 2.54 * screenDpi;
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    format.setMargin(margin);
    document->rootFrame()->setFrameFormat(format);
}

} // namespace

template <>
Printing& Seam<Printing>::real()
{
    static DefaultPrinter real;
    return real;
}

bool printDocumentPages(const QTextDocument& document, QPrinter* printer, QString* errorText)
{
    QPainter painter;
    if (!painter.begin(printer)) {
        *errorText = QStringLiteral("The printer \"%1\" could not be started.").arg(printer->printerName());
        return false;
    }
    // Laid out again for the printer's resolution and page, as QTextDocument::print does, on a copy so the view's
    // document keeps its own layout.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    for (QTextBlock from = document.begin(), to = copy->begin(); from.isValid() && to.isValid();
         from = from.next(), to = to.next()) {
        to.layout()->setFormats(from.layout()->formats()); // the marks of the view's highlighter, links among them
    }
    copy->documentLayout()->setPaintDevice(printer);
    setPrintMargins(copy.get());
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    copy->setPageSize(page.size());

    drawPagesUpToLastLine(painter, *copy, page, [printer] { printer->newPage(); });
    painter.end();
    if (printer->printerState() == QPrinter::Error) {
        *errorText = QStringLiteral("The report could not be printed on \"%1\".").arg(printer->printerName());
        return false;
    }
    return true;
}
