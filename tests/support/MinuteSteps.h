#pragma once

#include "engine/BirthData.h"
#include "engine/Ephemeris.h"

#include <cstdint>

// Walking a birth minute by minute on the clock, for the tests that look for where its star begins and ends.

inline constexpr int longestScanMinutes = 40 * 60; // far beyond the longest stay of the Moon in one star

// The same birth a whole number of minutes later on the clock. The engine reads the minute field linearly, so a
// minute beyond 59 or below 0 simply runs on into the next hour or day.
inline BirthData minutesLater(const BirthData& data, int minutes)
{
    BirthData later = data;
    later.minute = static_cast<std::int16_t>(data.minute + minutes);
    return later;
}

// The 0-based number of the birth's star.
inline int birthStarOf(const BirthData& data)
{
    return findBirthStar(data).nakshatraNumber;
}
