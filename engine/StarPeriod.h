#pragma once

#include "engine/BirthData.h"

#include <array>
#include <string_view>

// The margin of a reading: which quarter of its nakshatra and which sign the Moon stood in, and when the Moon
// entered the birth star and will leave it. Angles in degrees, times in hours. Pure functions, no state.

// The quarter (pada) of the nakshatra, 1 to 4, each 3 degrees 20 minutes from the nakshatra's start; a boundary
// belongs to the quarter that begins there, as with nakshatraNumberAt.
int padaAt(double siderealLongitude);

inline constexpr int moonSignCount = 12;

// The Moon sign (rashi), 0 to 11, 30 degrees each from 0 degrees sidereal; a boundary belongs to the sign
// beginning there.
int moonSignAt(double siderealLongitude);

// The 12 signs in order from 0 degrees sidereal.
inline constexpr std::array<std::string_view, moonSignCount> moonSignNames = {
    "Mesha (Aries)",       "Vrishabha (Taurus)", "Mithuna (Gemini)",  "Karka (Cancer)",
    "Simha (Leo)",         "Kanya (Virgo)",      "Tula (Libra)",      "Vrishchika (Scorpio)",
    "Dhanu (Sagittarius)", "Makara (Capricorn)", "Kumbha (Aquarius)", "Meena (Pisces)",
};

// The stretch of time around a birth during which the Moon stood in the birth star, as signed offsets in hours
// of the birth's own clock: at startHours the star is already the birth star, at endHours it is already the next.
// Each end lies within one second after the true crossing.
struct StarPeriod
{
    double startHours = 0.0; // <= 0
    double endHours = 0.0; // > 0
    int nakshatraNumber = 0; // the birth star, as findBirthStar gives it
    int previousNakshatraNumber = 0; // the star the Moon left at startHours
    int nextNakshatraNumber = 0; // the star the Moon enters at endHours
};

StarPeriod starPeriod(const BirthData& birth);
