#include "engine/Ephemeris.h"

#include "engine/LunarTerms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double fullCircle = 360.0;
constexpr double j2000 = 2451545.0; // Julian day of 2000 January 1.5
constexpr double daysPerCentury = 36525.0;
constexpr double firstGregorianDay = 2299171.0; // 15 October 1582, counted in the Julian calendar
constexpr double arcMinutesPerNakshatra = 800.0; // 13 degrees 20 minutes

// Repeatedly adding 360 to a negative angle is exact until the last step, so the bulk of the additions can be
// made in one exact step; the loop then finishes exactly as a plain one-by-one loop would, bit for bit.
double addTurnsUntilNotNegative(double angle)
{
    if (angle < 0) {
        const double turns = std::max(0.0, std::floor(-angle / fullCircle) - 1.0);
        angle += turns * fullCircle;
    }
    while (angle < 0) {
        angle += fullCircle;
    }
    return angle;
}

// Subtracting 360 from an angle above 360 is always exact, so the same shortcut keeps the result bit for bit.
double subtractTurnsWhileAboveFullCircle(double angle)
{
    if (angle > fullCircle) {
        const double turns = std::max(0.0, std::floor(angle / fullCircle) - 1.0);
        angle -= turns * fullCircle;
    }
    while (angle > fullCircle) {
        angle -= fullCircle;
    }
    return angle;
}

// Any angle into 0 <= result < 360. Far outside the usual years the correction pushes the sum out of one turn;
// a value that rounds to 360 itself lies just below a full turn, so it becomes the largest double below 360.
double reduceToHalfOpenCircle(double angle)
{
    double reduced = std::fmod(angle, fullCircle);
    if (reduced < 0) {
        reduced += fullCircle;
    }
    if (reduced >= fullCircle) {
        reduced = std::nextafter(fullCircle, 0.0);
    }
    return reduced;
}

} // namespace

double dayNumber(int month, int day, int year)
{
    const double m = 12.0 * (year + 4800.0) + month - 3.0; // months counted from March of the year -4800
    double j = day + std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0)
        + std::floor(m / 48.0) - 32083.0;
    if (j >= firstGregorianDay) {
        j += std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

double universalHours(const BirthData& birth)
{
    const double local = birth.hour + birth.minute / 60.0;
    double zone = birth.zoneHours + birth.zoneMinutes / 60.0;
    double longitude = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    if (birth.isEast) {
        longitude = -longitude; // west positive; 0 degrees East becomes -0, which counts as west below
    }
    const bool east = longitude < 0;
    if (birth.daylightSaving) {
        zone += east ? 1.0 : -1.0;
    }
    // The date is never moved: the result may be negative or 24 and above.
    return east ? local - zone : local + zone;
}

double centuriesSinceJ2000(const BirthData& birth)
{
    const double day = dayNumber(birth.month, birth.day, birth.year);
    const double hours = universalHours(birth);
    return (day - j2000 + hours / 24.0 - 0.5) / daysPerCentury;
}

double moonLongitude(double t)
{
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const FundamentalArguments arguments = fundamentalArguments(t);
    const double eccentricity = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    double sum = 0.0;
    for (const LunarTerm& term : lunarTerms) {
        double value = term.coefficient * std::sin(termArgument(term, arguments));
        if (term.timesE) {
            value *= eccentricity;
        }
        sum += value;
    }

    return normalizeTropicalLongitude(meanLongitude + sum);
}

double normalizeTropicalLongitude(double longitude)
{
    return subtractTurnsWhileAboveFullCircle(addTurnsUntilNotNegative(longitude));
}

// Minus the true Lahiri (Chitrapaksha) ayanamsa, which sets sidereal 0 degrees about opposite the star Spica (Chitra);
// it agrees with that convention's tables to a few seconds of arc. The sum is in seconds of arc, t in Julian centuries
// from J2000.0:
// - 85886.27: the mean ayanamsa at J2000.0, 23 degrees 51 minutes 26.27 seconds (23.8573 degrees).
// - (5025.64 + 1.11 t) t: the general precession in longitude since then, Newcomb's rate of 5025.64 seconds a century
//   (50.2564 a year, 1.396 degrees a century) growing by 2.22 seconds a century in each century.
// - 17.23 sin(node) + 1.27 sin(L): the nutation in longitude, which makes it the true ayanamsa of the equinox of date
//   rather than the mean one: the main term of the Moon's ascending node (18.6-year period) and a solar term taken of
//   the Sun's mean longitude L itself, not of 2L as in the nutation series; the readings are defined with L, and the
//   two terms move the correction by 18.5 seconds at most.
// The node and L are the mean elements in degrees, left unreduced since the sine takes any angle.
double ayanamsaOffset(double t)
{
    const double ascendingNode = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    const double arcSeconds = 17.23 * std::sin(ascendingNode * degreesToRadians)
        + 1.27 * std::sin(sunMeanLongitude * degreesToRadians) - (5025.64 + 1.11 * t) * t - 85886.27;
    return arcSeconds / 3600.0;
}

int nakshatraNumberAt(double siderealLongitude)
{
    const int number = static_cast<int>(std::floor(siderealLongitude * 60.0 / arcMinutesPerNakshatra));
    return std::clamp(number, 0, nakshatraCount - 1);
}

double siderealLongitudeAt(double t)
{
    const double offset = ayanamsaOffset(t);
    const double tropical = moonLongitude(t);
    return reduceToHalfOpenCircle(tropical + offset);
}

BirthStarReading findBirthStar(const BirthData& birth)
{
    const double sidereal = siderealLongitudeAt(centuriesSinceJ2000(birth));
    const int number = nakshatraNumberAt(sidereal);
    return {sidereal, number, nakshatraNames[static_cast<std::size_t>(number)]};
}
