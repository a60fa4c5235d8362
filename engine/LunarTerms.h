#pragma once

#include <algorithm>
#include <iterator>

// One periodic term of the Moon's longitude: coefficient * sin(d*D + m*M + mPrime*M' + f*F), times E if marked.
struct LunarTerm
{
    double coefficient; // degrees
    int d;
    int m;
    int mPrime;
    int f;
    bool timesE;
};

// The 25 largest terms of the ELP-2000/82 longitude series (Meeus, Astronomical Algorithms, table 47.A, rows 1-25),
// coefficients converted from 0.000001 degree to degrees.
inline constexpr LunarTerm lunarTerms[] = {
    {+6.288774, 0, 0, 1, 0, false},  {+1.274027, 2, 0, -1, 0, false}, {+0.658314, 2, 0, 0, 0, false},
    {+0.213618, 0, 0, 2, 0, false},  {-0.185116, 0, 1, 0, 0, true},   {-0.114332, 0, 0, 0, 2, false},
    {+0.058793, 2, 0, -2, 0, false}, {+0.057066, 2, -1, -1, 0, true}, {+0.053322, 2, 0, 1, 0, false},
    {+0.045758, 2, -1, 0, 0, true},  {-0.040923, 0, 1, -1, 0, true},  {-0.034720, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},   {+0.015327, 2, 0, 0, -2, false}, {-0.012528, 0, 0, 1, 2, false},
    {+0.010980, 0, 0, 1, -2, false}, {+0.010675, 4, 0, -1, 0, false}, {+0.010034, 0, 0, 3, 0, false},
    {+0.008548, 4, 0, -2, 0, false}, {-0.007888, 2, 1, -1, 0, true},  {-0.006766, 2, 1, 0, 0, true},
    {-0.005163, 1, 0, -1, 0, false}, {+0.004987, 1, 1, 0, 0, true},   {+0.004036, 2, -1, 1, 0, true},
    {+0.003994, 2, 0, 2, 0, false},
};

static_assert(std::size(lunarTerms) == 25, "the series has exactly 25 periodic terms");
static_assert(std::ranges::all_of(lunarTerms, [](const LunarTerm& t) { return t.timesE == (t.m == 1 || t.m == -1); }),
              "exactly the terms in the Sun's mean anomaly to the first power carry the eccentricity factor");

inline constexpr double degreesToRadians
    = 0.0174532925199433; // pi/180 to 15 significant digits, as the method fixes it

// The four fundamental arguments of the series at T centuries from J2000, linear in T, in radians, unreduced.
struct FundamentalArguments
{
    double elongation; // D, the Moon's mean elongation
    double sunAnomaly; // M
    double moonAnomaly; // M'
    double latitudeArgument; // F
};

constexpr FundamentalArguments fundamentalArguments(double t)
{
    return {(297.8502042 + 445267.1115168 * t) * degreesToRadians, (357.5291092 + 35999.0502909 * t) * degreesToRadians,
            (134.9634114 + 477198.8676313 * t) * degreesToRadians,
            (93.2720993 + 483202.0175273 * t) * degreesToRadians};
}

// The sine argument of one term, in radians.
constexpr double termArgument(const LunarTerm& term, const FundamentalArguments& a)
{
    return term.d * a.elongation + term.m * a.sunAnomaly + term.mPrime * a.moonAnomaly + term.f * a.latitudeArgument;
}
