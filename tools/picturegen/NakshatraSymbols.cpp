#include "NakshatraSymbols.h"

#include "SymbolDrawings.h"
#include "engine/Ephemeris.h"

#include <array>

namespace {

using namespace symbols;

struct SymbolRow
{
    std::string_view nakshatraName;
    SymbolPainter paint;
};

// One row per nakshatra, in the engine's order; the symbol is the first object of the profile's symbol text.
constexpr std::array<SymbolRow, nakshatraCount> symbolRows = {{
    {"Ashwini", paintHorseHead},
    {"Bharani", paintYoni},
    {"Krittika", paintRazor},
    {"Rohini", paintChariot},
    {"Mrigasira", paintDeerHead},
    {"Ardra", paintPreciousStone},
    {"Punarvasu", paintBow},
    {"Pushya", paintCircle},
    {"Ashlesha", paintSerpent},
    {"Magha", paintHouse},
    {"Poorva Phalguni", paintFirePlace},
    {"Uttara Phalguni", paintSmallBed},
    {"Hasta", paintFist},
    {"Chitra", paintPearl},
    {"Swati", paintCoral},
    {"Vishakha", paintPottersWheel},
    {"Anuradha", paintLotus},
    {"Jyeshtha", paintUmbrella},
    {"Moola", paintLionTail},
    {"Purva Ashadha", paintTusk},
    {"Uttara Ashadha", paintSmallCot},
    {"Shravana", paintEar},
    {"Dhanistha", paintDrum},
    {"Shatabhisha", paintHundredFlowers},
    {"Poorva Bhadrapada", paintSword},
    {"Uttara Bhadrapada", paintTwins},
    {"Revati", paintFish},
}};

constexpr bool rowsFollowEngineNames()
{
    for (std::size_t i = 0; i < symbolRows.size(); ++i) {
        if (symbolRows[i].nakshatraName != nakshatraNames[i]) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFollowEngineNames(), "symbol rows must use the engine's names in the engine's order");

} // namespace

SymbolPainter symbolPainterFor(std::string_view nakshatraName)
{
    for (const SymbolRow& row : symbolRows) {
        if (row.nakshatraName == nakshatraName) {
            return row.paint;
        }
    }
    return nullptr;
}
