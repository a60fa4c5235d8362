#pragma once

#include "knowledge/NakshatraProfile.h"

#include <array>
#include <cstddef>

// The profile as the report groups it: six sections, each a heading and the labelled fields under it. The report
// shows them as they stand; the reading sheet shows the same labels without their colons.
namespace ProfileSections {

using Field = QString NakshatraProfile::*;

// The six section headings, in report order; every heading and label ends in a colon and a space.
inline constexpr std::array<const char*, 6> headings {
    "Common: ",
    "More about Nakshatra Name: ",
    "General & Physical Features: ",
    "Positive Human Traits: ",
    "Negative Human Traits: ",
    "Career And Health And Domestic: ",
};

// One line per value: the section it belongs to, its label and the profile field shown after it.
struct Line
{
    std::size_t section;
    const char* label;
    Field field;
};

inline constexpr std::array<Line, 22> lines {{
    {0, "Nakshatra: ", &NakshatraProfile::nakshatraName},
    {0, "Ruling Planet: ", &NakshatraProfile::rulingPlanet},
    {0, "Animal Symbol: ", &NakshatraProfile::animalSymbol},
    {0, "Symbol: ", &NakshatraProfile::symbol},
    {0, "Astronomical Name: ", &NakshatraProfile::astronomicalName},
    {1, "Nature of Nakshatra: ", &NakshatraProfile::nature},
    {1, "Name of Ruling Deva /Demi God: ", &NakshatraProfile::rulingDeva},
    {1, "Purpose of the Deva: ", &NakshatraProfile::purposeOfTheDeva},
    {1, "Element / Tatthwa: ", &NakshatraProfile::element},
    {1, "Part of Body: ", &NakshatraProfile::partOfBody},
    {1, "Dosha: ", &NakshatraProfile::dosha},
    {1, "Gender: ", &NakshatraProfile::gender},
    {1, "Purpose in Life: ", &NakshatraProfile::purposeInLife},
    {1, "Temperaments: ", &NakshatraProfile::temperaments},
    {1, "Best Direction: ", &NakshatraProfile::bestDirection},
    {1, "Lucky Gemstone: ", &NakshatraProfile::luckyGemstone},
    {2, "General & Physical Features: ", &NakshatraProfile::generalAndPhysicalFeatures},
    {3, "Positive Human Traits: ", &NakshatraProfile::positiveHumanTraits},
    {4, "Negative Human Traits: ", &NakshatraProfile::negativeHumanTraits},
    {5, "Best Career Options: ", &NakshatraProfile::bestCareerOptions},
    {5, "Domestic Life: ", &NakshatraProfile::domesticLife},
    {5, "Health: ", &NakshatraProfile::health},
}};

// The sections from this one on hold the six paragraphs of prose; those before it the short attributes.
inline constexpr std::size_t firstProseSection = 2;

// Lines come section by section and every section has at least one.
constexpr bool linesFollowTheSections()
{
    std::size_t expected = 0;
    for (const Line& line : lines) {
        if (line.section == expected + 1) {
            ++expected;
        } else if (line.section != expected) {
            return false;
        }
    }
    return expected == headings.size() - 1;
}
static_assert(linesFollowTheSections());

} // namespace ProfileSections
