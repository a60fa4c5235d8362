#pragma once

#include "engine/BirthData.h"

#include <QDateTime>

// The birth place's clock as entered: its zone and daylight saving are held for every moment before and after the
// birth, so a later date reads as the birth's own clock would show it. The result is carried as UTC only so that no
// zone of this machine shifts it or finds it in a gap.

// The birth's clock moved by `offsetHours` from the birth, rounded to the nearest minute. Plain arithmetic on the
// date and time as entered: a day beyond the month's end runs on into the next month, as it does for the engine.
QDateTime birthClockTime(const BirthData& birth, double offsetHours);

// The birth's clock at the moment `julianDay` (Universal Time), rounded to the nearest minute.
QDateTime birthClockAt(const BirthData& birth, double julianDay);
