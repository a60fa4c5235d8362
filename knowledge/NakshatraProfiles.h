#pragma once

#include "knowledge/NakshatraProfile.h"

#include <array>
#include <string_view>

// One row of the knowledge base, UTF-8, fields in the order of NakshatraProfile.
struct NakshatraProfileRow
{
    std::string_view nakshatraName;
    std::string_view rulingDeva;
    std::string_view purposeOfTheDeva;
    std::string_view rulingPlanet;
    std::string_view animalSymbol;
    std::string_view symbol;
    std::string_view astronomicalName;
    std::string_view element;
    std::string_view partOfBody;
    std::string_view nature;
    std::string_view gender;
    std::string_view purposeInLife;
    std::string_view dosha;
    std::string_view temperaments;
    std::string_view bestDirection;
    std::string_view luckyGemstone;
    std::string_view generalAndPhysicalFeatures;
    std::string_view positiveHumanTraits;
    std::string_view negativeHumanTraits;
    std::string_view bestCareerOptions;
    std::string_view domesticLife;
    std::string_view health;
};

// The 27 profiles in zodiac order, Ashwini first: row n belongs to nakshatra number n - 1.
extern const std::array<NakshatraProfileRow, 27> nakshatraProfiles;

// The whole row as a profile, key included.
NakshatraProfile toProfile(const NakshatraProfileRow& row);
