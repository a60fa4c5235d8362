#pragma once

#include "engine/BirthData.h"

#include <array>
#include <string_view>

// The birth-star engine: from birth details to the nakshatra in which the Moon stood.
// Angles are in degrees, clock times and zones in hours, dates are Julian day numbers. Pure functions, no state.

// Julian day number (noon-based) of a civil date: Julian calendar before 15 October 1582, Gregorian from then on.
double dayNumber(int month, int day, int year);

// Universal Time of birth in hours, counted from 0 h of the local civil date; may be negative or 24 and above.
double universalHours(const BirthData& birth);

// T: Julian centuries of 36525 days from JD 2451545.0 to the moment of birth.
double centuriesSinceJ2000(const BirthData& birth);

// The Moon's tropical geocentric longitude, mean equinox of date, 0 <= result <= 360.
double moonLongitude(double centuries);

// Correction to add to a tropical longitude to get the sidereal one (negative in our era).
double ayanamsaOffset(double centuries);

// The Moon's sidereal longitude at T, 0 <= result < 360: the one longitude the birth star is read from.
double siderealLongitudeAt(double centuries);

inline constexpr int nakshatraCount = 27;

// The 27 nakshatras in order from 0 degrees sidereal; the knowledge base keys its profiles on these very strings.
inline constexpr std::array<std::string_view, nakshatraCount> nakshatraNames = {
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigasira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Poorva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Moola",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanistha",
    "Shatabhisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
};

struct BirthStarReading
{
    double siderealLongitude = 0.0; // 0 <= value < 360
    int nakshatraNumber = 0; // 0 to 26, counted from 0 degrees sidereal
    std::string_view nakshatraName; // one of nakshatraNames
};

// Sidereal longitude in degrees to the 0-based nakshatra containing it; a boundary belongs to the one beginning there.
int nakshatraNumberAt(double siderealLongitude);

// The engine's one entry operation.
BirthStarReading findBirthStar(const BirthData& birth);

// The tropical longitude's normalisation: add 360 while below 0, then subtract 360 while above 360.
// Exactly 360 stays 360. Exposed so its shortcut can be checked against the plain loops.
double normalizeTropicalLongitude(double longitude);
