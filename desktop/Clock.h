#pragma once

#include <QDate>

// Today's date and the program's random numbers; tests fix both.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    // Uniform in [0, 1), like the original generator the program's random choices were designed for.
    virtual double random() = 0;

    static Clock& instance();
    static void setInstance(Clock* clock); // nullptr restores the system clock
};
