#include "desktop/Printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

namespace {

// QPrinter quietly turns into a nameless PDF printer when the system has none, and QTextDocument::print reports
// nothing, so both are checked here.
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
        {
            QPainter probe;
            if (!probe.begin(&printer)) {
                *errorText
                    = QStringLiteral("The printer \"%1\" could not be started.").arg(defaultPrinter.printerName());
                return false;
            }
            probe.end();
        }
        document.print(&printer);
        if (printer.printerState() == QPrinter::Error) {
            *errorText = QStringLiteral("The report could not be printed on \"%1\".").arg(defaultPrinter.printerName());
            return false;
        }
        return true;
    }
};

} // namespace

template <>
Printing& Seam<Printing>::real()
{
    static DefaultPrinter real;
    return real;
}
