#include "tests/support/TestSeams.h"

#include "desktop/SettingsStore.h"

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

QMessageBox::StandardButton RecordingMessageBoxes::ask(QWidget* parent, const MessageRequest& request)
{
    shown.append(request);
    parents.append(parent);
    if (!m_answers.isEmpty()) {
        return m_answers.dequeue();
    }
    if (request.buttons == QMessageBox::Ok) {
        return QMessageBox::Ok;
    }
    missingAnswer = true;
    return QMessageBox::No;
}

QStringList RecordingMessageBoxes::texts() const
{
    QStringList result;
    for (const MessageRequest& request : shown) {
        result.append(request.text);
    }
    return result;
}

QString ScriptedFileDialogs::getOpenFileName(QWidget*, const FileDialogRequest& request)
{
    openRequests.append(request);
    return std::exchange(nextFileName, QString());
}

QString ScriptedFileDialogs::getSaveFileName(QWidget*, const FileDialogRequest& request)
{
    saveRequests.append(request);
    return std::exchange(nextFileName, QString());
}

QStringList RecordingUrlOpener::openedStrings() const
{
    QStringList result;
    for (const QUrl& url : opened) {
        result.append(url.toString(QUrl::FullyEncoded));
    }
    return result;
}

bool PdfPrinting::print(const QTextDocument& document, QString* errorText)
{
    if (failNext) {
        failNext = false;
        *errorText = QStringLiteral("No printer is set up on this computer.");
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    if (!printDocumentPages(document, &printer, errorText)) {
        return false;
    }
    ++jobs;
    lastPlainText = document.toPlainText();
    return true;
}

double FixedClock::random()
{
    return randomValues.isEmpty() ? 0.0 : randomValues.takeFirst();
}

TestSeams::TestSeams()
{
    MessageBoxes::setInstance(&messages);
    FileDialogs::setInstance(&files);
    UrlOpener::setInstance(&urls);
    Printing::setInstance(&printing);
    Clock::setInstance(&clock);
    SettingsStore::setFileForTesting(settingsFile());
    printing.outputFile = dir.filePath(QStringLiteral("printed.pdf"));
}

TestSeams::~TestSeams()
{
    MessageBoxes::setInstance(nullptr);
    FileDialogs::setInstance(nullptr);
    UrlOpener::setInstance(nullptr);
    Printing::setInstance(nullptr);
    Clock::setInstance(nullptr);
    SettingsStore::setFileForTesting(QString());
}

QString TestSeams::settingsFile() const
{
    return dir.filePath(QStringLiteral("settings.ini"));
}
