#pragma once

#include <QString>

class QTextDocument;

// Prints a whole document on the default printer, with no dialog. Returns false with a reason the user can read
// when there is no printer or the job fails. Tests print to a PDF file instead.
class Printing
{
public:
    virtual ~Printing() = default;
    virtual bool print(const QTextDocument& document, QString* errorText) = 0;

    static Printing& instance();
    static void setInstance(Printing* printing); // nullptr restores the real printer
};
