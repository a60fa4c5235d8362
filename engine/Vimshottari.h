#pragma once

#include "engine/BirthData.h"
#include "engine/Ephemeris.h"

#include <array>
#include <numeric>
#include <string_view>
#include <vector>

// The Vimshottari periods (dashas): nine planets rule in a fixed order for a fixed number of years each, 120 years in
// all, and the birth star's planet opens the sequence. Dates are Julian days in Universal Time, years are 365.25 days,
// and the periods follow one another end to end from the birth instant. Pure functions, no state.

struct DashaLord
{
    std::string_view planet; // as the profiles spell the ruling planet
    int years;
};

inline constexpr int dashaLordCount = 9;

// The order and the years as Brihat Parashara Hora Shastra gives them in its chapter on the Vimshottari dasha
// (counted there from Krittika = Sun, which puts Ketu on Ashwini), and as B. V. Raman's "A Manual of Hindu Astrology"
// tabulates them. Ashwini, Magha and Moola open the cycle with Ketu; every ninth star repeats the planet.
inline constexpr std::array<DashaLord, dashaLordCount> dashaLords = {{
    {"Ketu", 7},
    {"Venus", 20},
    {"Sun", 6},
    {"Moon", 10},
    {"Mars", 7},
    {"Rahu", 18},
    {"Jupiter", 16},
    {"Saturn", 19},
    {"Mercury", 17},
}};

inline constexpr int dashaCycleYears = 120;
static_assert(std::accumulate(dashaLords.begin(), dashaLords.end(), 0,
                              [](int sum, const DashaLord& lord) { return sum + lord.years; })
              == dashaCycleYears);
static_assert(nakshatraCount % dashaLordCount == 0, "the nine planets rule the 27 stars three times round");

inline constexpr double daysPerDashaYear = 365.25; // the Julian year

// The planet (an index into dashaLords) that rules nakshatra `nakshatraNumber` (0 to 26) and opens its periods.
constexpr int dashaLordOfNakshatra(int nakshatraNumber)
{
    return nakshatraNumber % dashaLordCount;
}

// The Julian day, in Universal Time, of the birth instant: the same moment findBirthStar reads the Moon at.
double birthJulianDay(const BirthData& birth);

// How much of its nakshatra's 13 degrees 20 minutes the Moon has crossed at `siderealLongitude`, 0 <= result < 1,
// measured in the very scale nakshatraNumberAt names the star by, so the star and the fraction never disagree.
double fractionOfStarCrossed(double siderealLongitude);

// One period, major or sub. The "whole" span is the period as the sequence lays it; the first major period began
// before the birth and the last runs on past 120 years, so their shown span is cut to the birth and to its 120 years.
struct DashaPeriod
{
    int lord = 0; // an index into dashaLords
    double startDay = 0.0; // Julian day (UT) the shown span begins
    double endDay = 0.0; // Julian day (UT) the shown span ends; the next period begins there
    double wholeStartDay = 0.0;
    double wholeEndDay = 0.0;
};

struct VimshottariDasha
{
    double birthDay = 0.0; // Julian day (UT) of the birth
    double cycleEndDay = 0.0; // birthDay + 120 years of 365.25 days
    int birthLord = 0; // the birth star's planet, running at birth
    double fractionCrossed = 0.0; // of the birth star, at birth
    double balanceYears = 0.0; // (1 - fractionCrossed) x the birth planet's years: what remains of its period
    // From the birth to 120 years after it: the birth planet's remaining years, the eight others whole, then the
    // birth planet again for the part the Moon had crossed before the birth, cut where the 120 years end (left out
    // when the birth falls exactly on the star's start, so no period is empty).
    std::vector<DashaPeriod> majorPeriods;
};

// The periods of a birth, read from findBirthStar's own sidereal longitude.
VimshottariDasha vimshottariDasha(const BirthData& birth);

// The periods of a birth at `birthDay` (Julian day, UT) with the Moon at `siderealLongitude`.
VimshottariDasha vimshottariDashaAt(double birthDay, double siderealLongitude);

// The nine sub-periods (antardashas) of `major`: in the planets' order starting with its own, each lasting major years
// x sub years / 120 of the whole period. Their whole spans tile the major period's whole span; their shown spans are
// cut to the major period's shown span, so one that lies wholly before the birth or after the 120 years has an empty
// shown span at that end.
std::array<DashaPeriod, dashaLordCount> subPeriods(const DashaPeriod& major);

// A span of years as years, months of a twelfth of a year and days of a thirtieth of a month, each truncated.
struct YearsMonthsDays
{
    int years = 0;
    int months = 0;
    int days = 0;

    friend bool operator==(const YearsMonthsDays&, const YearsMonthsDays&) = default;
};

YearsMonthsDays yearsMonthsDays(double years);
