#pragma once

#include "desktop/Seam.h"

#include <QString>

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
