#include "knowledge/BirthClock.h"

#include "engine/Vimshottari.h"

#include <cmath>

QDateTime birthClockTime(const BirthData& birth, double offsetHours)
{
    const QDateTime midnight(QDate(birth.year, birth.month, 1).addDays(birth.day - 1), QTime(0, 0), Qt::UTC);
    const double birthMinutes = birth.hour * 60.0 + birth.minute;
    return midnight.addSecs(60 * std::llround(birthMinutes + offsetHours * 60.0));
}

QDateTime birthClockAt(const BirthData& birth, double julianDay)
{
    return birthClockTime(birth, (julianDay - birthJulianDay(birth)) * 24.0);
}
