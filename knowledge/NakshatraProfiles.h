#pragma once

#include "engine/Ephemeris.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/NakshatraProse.h"

#include <array>
#include <string_view>

// The key and the fifteen short attributes of one nakshatra, UTF-8, in the order of NakshatraProfile. Every cell is a
// literal of the knowledge base and is shown as written, odd spellings and spaces included.
struct NakshatraShortColumns
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
};

// One row of the knowledge base: the short columns, then the six paragraphs, in the order of NakshatraProfile.
struct NakshatraProfileRow : NakshatraShortColumns, NakshatraProse
{
};

// The 27 profiles in zodiac order, Ashwini first: row n belongs to nakshatra number n - 1.
extern const std::array<NakshatraProfileRow, nakshatraCount> nakshatraProfiles;

// The whole row as a profile, key included.
NakshatraProfile toProfile(const NakshatraProfileRow& row);
