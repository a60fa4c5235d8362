#pragma once

#include <QLocale>
#include <QString>

class QWidget;
struct FileDialogRequest;
struct ReadingDescription;

// "Export Reading…" of the result window: asks for a file name through the file-dialog seam, composes the reading
// sheet of `reading` and writes it as a PDF on the paper of the user's country. Cancel writes nothing; a failure says
// so in a message box and leaves any earlier file of that name as it was.
void exportReading(QWidget* parent, const ReadingDescription& reading);

// What the save dialog is asked: "Export Reading", PDF files, ".pdf" added to a name without it, and a name made of
// the person's and the star's names in the user's documents folder (the home folder where there is none).
FileDialogRequest exportDialogRequest(const ReadingDescription& reading);

// The locale whose paper the user prints on: LC_ALL, else LC_PAPER, else the system's locale (Qt reads no LC_PAPER
// of its own).
QLocale paperLocale();
