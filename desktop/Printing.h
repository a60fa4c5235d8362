#pragma once

#include "desktop/Seam.h"

#include <QString>

class QPrinter;
class QTextDocument;

// Prints a whole document on the default printer, with no dialog. Returns false with a reason the user can read
// when there is no printer or the job fails. Tests print to a PDF file instead.
class Printing : public Seam<Printing>
{
public:
    virtual ~Printing() = default;
    virtual bool print(const QTextDocument& document, QString* errorText) = 0;
};

template <>
Printing& Seam<Printing>::real();

// Prints the document as one job, formatted as shown: no page numbers, and only the pages up to the last one that
// holds text, so empty lines at the end of a document never feed a sheet of their own. Returns false with a reason
// when the printer cannot start or ends in error.
bool printDocumentPages(const QTextDocument& document, QPrinter* printer, QString* errorText);
