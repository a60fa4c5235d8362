#include "knowledge/window/ReadingExport.h"

#include "desktop/FileDialogs.h"
#include "desktop/MessageBoxes.h"
#include "knowledge/ReadingDescription.h"
#include "report/ReadingSheet.h"
#include "report/SheetPdfWriter.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// "Asha Rao - Rohini.pdf", without the characters a file name cannot hold on any common system.
QString suggestedFileName(const ReadingDescription& reading)
{
    QStringList parts;
    for (const QString& part : {reading.name, reading.profile.nakshatraName}) {
        if (!part.trimmed().isEmpty()) {
            parts.append(part.trimmed());
        }
    }
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = parts.join(QStringLiteral(" - ")).replace(unsafe, QStringLiteral(" ")).simplified();
    while (name.startsWith(QLatin1Char('.'))) {
        name.remove(0, 1);
    }
    return (name.isEmpty() ? QStringLiteral("Reading") : name) + QStringLiteral(".pdf");
}

// The wait cursor for as long as the sheet is being written.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

FileDialogRequest exportDialogRequest(const ReadingDescription& reading)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = suggestedFileName(reading);
    FileDialogRequest request {
        QStringLiteral("Export Reading"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), {}, name};
    if (!documents.isEmpty() && QDir(documents).exists()) {
        request.selectedFile = QDir(documents).filePath(name);
    }
    return request;
}

QLocale paperLocale()
{
    for (const char* variable : {"LC_ALL", "LC_PAPER"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            return QLocale(name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0));
        }
    }
    return QLocale::system();
}

void exportReading(QWidget* parent, const ReadingDescription& reading)
{
    const QString path = FileDialogs::instance().getSaveFileName(parent, exportDialogRequest(reading));
    if (path.isEmpty()) {
        return;
    }
    QString reason;
    bool written = false;
    {
        const WaitCursor waiting;
        QTextDocument sheet;
        composeReadingSheet(&sheet, reading);
        written = SheetPdfWriter(paperSizeFor(paperLocale()), reading.title()).writeFile(sheet, path, &reason);
    }
    if (!written) {
        MessageBoxes::error(parent,
                            QStringLiteral("The reading could not be exported to \"%1\". %2")
                                .arg(QDir::toNativeSeparators(path), reason));
    }
}
