#pragma once

#include "desktop/Seam.h"

#include <QDate>

// Today's date and the program's random numbers; tests fix both.
class Clock : public Seam<Clock>
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    // Uniform in [0, 1): the program's random choices scale it to the range they need.
    virtual double random() = 0;
};

template <>
Clock& Seam<Clock>::real();
