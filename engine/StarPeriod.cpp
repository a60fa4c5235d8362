#include "engine/StarPeriod.h"

#include "engine/Ephemeris.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double arcMinutesPerQuarter = 200.0; // 3 degrees 20 minutes
constexpr int quarterCount = 4 * nakshatraCount;
constexpr int quartersPerNakshatra = 4;
constexpr int quartersPerSign = 9; // a sign is 2 1/4 nakshatras, so every sign boundary is a quarter boundary

constexpr double hoursPerCentury = 24.0 * 36525.0;
// The Moon takes more than 20 hours to cross a nakshatra, so stepping two hours at a time never steps over
// a whole star and the first change met is the crossing next to the birth.
constexpr double bracketStepHours = 2.0;
constexpr double precisionHours = 1.0 / 3600.0;

// 0 to 107. Scaling by 200 arc minutes instead of 800 differs by a power of two only, so this index divided by 4
// is exactly nakshatraNumberAt for every longitude: quarters, signs and stars share their boundaries bit for bit.
int quarterIndexAt(double siderealLongitude)
{
    const int index = static_cast<int>(std::floor(siderealLongitude * 60.0 / arcMinutesPerQuarter));
    return std::clamp(index, 0, quarterCount - 1);
}

// The birth star at a moment offset from the birth. The clock moves T linearly whatever the zone and daylight
// saving, so an offset in clock hours is an offset in T.
class StarClock
{
public:
    explicit StarClock(const BirthData& birth)
        : m_birthCenturies(centuriesSinceJ2000(birth))
    {
    }

    int starAt(double hours) const
    {
        return nakshatraNumberAt(siderealLongitudeAt(m_birthCenturies + hours / hoursPerCentury));
    }

    // Where the Moon crosses the edge of `star`, the birth's own star, searching in `direction` (+1 or -1): the
    // first sampled moment of the later of the two stars, at most a second after the crossing itself.
    double crossingFromBirth(int star, double direction) const
    {
        double inside = 0.0;
        double outside = direction * bracketStepHours;
        while (starAt(outside) == star) {
            inside = outside;
            outside += direction * bracketStepHours;
        }
        while (std::fabs(outside - inside) > precisionHours) {
            const double middle = 0.5 * (inside + outside);
            (starAt(middle) == star ? inside : outside) = middle;
        }
        return direction > 0 ? outside : inside;
    }

private:
    double m_birthCenturies;
};

} // namespace

int padaAt(double siderealLongitude)
{
    return quarterIndexAt(siderealLongitude) % quartersPerNakshatra + 1;
}

int moonSignAt(double siderealLongitude)
{
    return quarterIndexAt(siderealLongitude) / quartersPerSign;
}

StarPeriod starPeriod(const BirthData& birth)
{
    const StarClock clock(birth);
    const int star = clock.starAt(0.0);
    // The Moon always moves forward, so it came from the star before and goes on to the one after.
    return {clock.crossingFromBirth(star, -1.0), clock.crossingFromBirth(star, +1.0), star,
            (star + nakshatraCount - 1) % nakshatraCount, (star + 1) % nakshatraCount};
}
