#include "engine/Vimshottari.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double arcMinutesPerNakshatra = 800.0; // 13 degrees 20 minutes, as nakshatraNumberAt scales
constexpr int monthsPerYear = 12;
constexpr int daysPerMonth = 30;

int yearsOf(int lord)
{
    return dashaLords[static_cast<std::size_t>(lord)].years;
}

int lordAfter(int lord, int steps)
{
    return (lord + steps) % dashaLordCount;
}

// A period's whole span cut to [from, to].
DashaPeriod cutPeriod(int lord, double wholeStartDay, double wholeEndDay, double from, double to)
{
    return {lord, std::clamp(wholeStartDay, from, to), std::clamp(wholeEndDay, from, to), wholeStartDay, wholeEndDay};
}

} // namespace

double birthJulianDay(const BirthData& birth)
{
    // dayNumber is the Julian day at noon of the civil date; Universal Time counts from its midnight.
    return dayNumber(birth.month, birth.day, birth.year) - 0.5 + universalHours(birth) / 24.0;
}

double fractionOfStarCrossed(double siderealLongitude)
{
    const double inStars = siderealLongitude * 60.0 / arcMinutesPerNakshatra;
    const double crossed = inStars - nakshatraNumberAt(siderealLongitude);
    return std::clamp(crossed, 0.0, std::nextafter(1.0, 0.0));
}

VimshottariDasha vimshottariDasha(const BirthData& birth)
{
    return vimshottariDashaAt(birthJulianDay(birth), findBirthStar(birth).siderealLongitude);
}

VimshottariDasha vimshottariDashaAt(double birthDay, double siderealLongitude)
{
    VimshottariDasha dasha;
    dasha.birthDay = birthDay;
    dasha.cycleEndDay = birthDay + dashaCycleYears * daysPerDashaYear;
    dasha.birthLord = dashaLordOfNakshatra(nakshatraNumberAt(siderealLongitude));
    dasha.fractionCrossed = fractionOfStarCrossed(siderealLongitude);
    const int birthYears = yearsOf(dasha.birthLord);
    dasha.balanceYears = (1.0 - dasha.fractionCrossed) * birthYears;

    // Every boundary is measured from the one start the sequence has, the whole first period's, by a whole number of
    // years: no error builds up from period to period, and each period begins exactly where the one before ends.
    const double sequenceStartDay = birthDay - dasha.fractionCrossed * birthYears * daysPerDashaYear;
    int yearsBefore = 0;
    for (int step = 0; step <= dashaLordCount; ++step) {
        const int lord = lordAfter(dasha.birthLord, step);
        const double wholeStartDay = sequenceStartDay + yearsBefore * daysPerDashaYear;
        yearsBefore += yearsOf(lord);
        const double wholeEndDay = sequenceStartDay + yearsBefore * daysPerDashaYear;
        if (std::max(wholeStartDay, birthDay) >= dasha.cycleEndDay) {
            break;
        }
        dasha.majorPeriods.push_back(cutPeriod(lord, wholeStartDay, wholeEndDay, birthDay, dasha.cycleEndDay));
    }
    return dasha;
}

std::array<DashaPeriod, dashaLordCount> subPeriods(const DashaPeriod& major)
{
    const int majorYears = yearsOf(major.lord);
    std::array<DashaPeriod, dashaLordCount> subs {};
    int yearsBefore = 0; // sum of the sub planets' years so far; each sub lasts majorYears x its years / 120 years
    for (int step = 0; step < dashaLordCount; ++step) {
        const int lord = lordAfter(major.lord, step);
        const double wholeStartDay
            = major.wholeStartDay + yearsBefore * majorYears * daysPerDashaYear / dashaCycleYears;
        yearsBefore += yearsOf(lord);
        // The last one ends where its major period ends, to the bit.
        const double wholeEndDay = step + 1 == dashaLordCount
            ? major.wholeEndDay
            : major.wholeStartDay + yearsBefore * majorYears * daysPerDashaYear / dashaCycleYears;
        subs[static_cast<std::size_t>(step)]
            = cutPeriod(lord, wholeStartDay, wholeEndDay, major.startDay, major.endDay);
    }
    return subs;
}

YearsMonthsDays yearsMonthsDays(double years)
{
    const double wholeYears = std::floor(years);
    const double months = (years - wholeYears) * monthsPerYear;
    const double wholeMonths = std::floor(months);
    const double days = std::floor((months - wholeMonths) * daysPerMonth);
    return {static_cast<int>(wholeYears), std::min(static_cast<int>(wholeMonths), monthsPerYear - 1),
            std::min(static_cast<int>(days), daysPerMonth - 1)};
}
