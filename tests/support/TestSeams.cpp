#include "tests/support/TestSeams.h"

#include "desktop/SettingsStore.h"

#include <QDir>
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
    unanswered.append(request.text);
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

namespace {

template <typename Interface>
void uninstallIfOwn(Interface* own)
{
    if (Interface::installed() == own) {
        Interface::setInstance(nullptr);
    }
}

} // namespace

TestSeams::~TestSeams()
{
    uninstallIfOwn<MessageBoxes>(&messages);
    uninstallIfOwn<FileDialogs>(&files);
    uninstallIfOwn<UrlOpener>(&urls);
    uninstallIfOwn<Printing>(&printing);
    uninstallIfOwn<Clock>(&clock);
    if (QDir::cleanPath(SettingsStore::filePath()) == QDir::cleanPath(settingsFile())) {
        SettingsStore::setFileForTesting(QString());
    }
}

QString TestSeams::settingsFile() const
{
    return dir.filePath(QStringLiteral("settings.ini"));
}

QStringList TestSeams::looseEnds() const
{
    QStringList found;
    for (const QString& text : messages.unanswered) {
        found.append(QStringLiteral("no answer was queued for the message \"%1\"").arg(text));
    }
    if (messages.unusedAnswers() > 0) {
        found.append(QStringLiteral("%1 queued message answer(s) were never asked for").arg(messages.unusedAnswers()));
    }
    if (!files.nextFileName.isEmpty()) {
        found.append(QStringLiteral("no file dialog asked for \"%1\"").arg(files.nextFileName));
    }
    if (printing.failNext) {
        found.append(QStringLiteral("the print failure that was set up never happened"));
    }
    return found;
}
