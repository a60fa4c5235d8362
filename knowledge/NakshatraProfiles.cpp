#include "knowledge/NakshatraProfiles.h"

#include "engine/Ephemeris.h"
#include "knowledge/prose/ProseAshwiniToAshlesha.h"
#include "knowledge/prose/ProseMaghaToJyeshtha.h"
#include "knowledge/prose/ProseMoolaToRevati.h"

#include <algorithm>

namespace {

// clang-format off
constexpr NakshatraShortColumns shortColumns[] = {
    {"Ashwini", "Ashwina Kumara", "Physician of the Demi Gods", "Ketu", "Horse", "Head of a Horse", "Beta Arietis", "Prithvi (Earth)", "Upper Part of Feet", "Light / Swift", "Male", "Dharma", "Vata", "Deva (Godly)", "North-East", "Cat's Eye"},
    {"Bharani", "Yamaraja", "Punisher of Death", "Venus", "Elephant", "Yoni ( Female Sexual Organ)", "35 Arietis", "Prithvi (Earth)", "Soles", "Ferocious", "Male", "Artha", "Pitta", "Manushya (Human)", "North-East", "Diamond"},
    {"Krittika", "Agni", "The Demi God of Fire", "Sun", "Sheep", "A Razor", "Eta Tauri", "Prithvi (Earth)", "Head", "Sharp & Soft", "Female", "Kama", "Kapha", "Rakshasa (Demon)", "Central", "Ruby"},
    {"Rohini", "Brahma", "Creator of the Universe", "Moon", "Serpent", "A Chariot", "Aldebaran", "Prithvi (Earth)", "Forehead", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "Central", "White Pearl"},
    {"Mrigasira", "Chandra", "Moon, Deity of the Mind", "Mars", "Serpent", "Head of a Deer", "Lambda Orionis", "Prithvi (Earth)", "Eye Brows", "Soft", "Female", "Moksha", "Pitta", "Deva (Godly)", "Central", "Red Coral"},
    {"Ardra", "Rudra", "Shiva, Lord of Destruction & Anger", "Rahu", "Dog", "Precious Stone", "Alpha Orionis", "Jala (Water)", "Eyes", "Sharp & Dreadful", "Female", "Kama", "Vata", "Manushya (Human)", "East", "Gomeda"},
    {"Punarvasu", "Aditi", "Mother of the Demigods", "Jupiter", "Cat", "A Bow / A House", "Beta Geminorium", "Jala (Water)", "Nose", "Mutable", "Female", "Artha", "Vata", "Deva (Godly)", "East", "Yellow Sapphire"},
    {"Pushya", "Brihaspati", "Jupiter, Teacher of the Demigods", "Saturn", "Sheep", "A Circle / A Flower/ An Arrow", "Delta Cancri", "Jala (Water)", "Face", "Light / Swift", "Male", "Dharma", "Pitta", "Deva (Godly)", "East", "Blue Sapphire"},
    {"Ashlesha", "Naga", "The Serpent Demigod", "Mercury", "Cat", "A Serpent", "Alpha Hydroe", "Jala (Water)", "Ears", "Sharp & Dreadful", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-East", "Emerald"},
    {"Magha", "Pitara", "The Forefathers", "Ketu", "Rat", "A House or a Palaquin", "Regulus", "Jala (Water)", "Lips & Chin", "Ferocious", "Male", "Artha", "Kapha", "Rakshasa (Demon)", "South-East", "Cat's Eye"},
    {"Poorva Phalguni", "Bhaga", "The Demi God of Lavishness", "Venus", "Rat", "A Fire Place", "Delta Leonis", "Jala (Water)", "Right Hand", "Ferocious", "Female", "Kama", "Pitta", "Manushya (Human)", "South-East", "Diamond"},
    {"Uttara Phalguni", "Aryama", "Lord of the Manes", "Sun", "Cow", "A Small Bed", "Beta Leonis", "Tejo (Fire)", "Left Hand", "Fixed", "Male", "Moksha", "Vata", "Manushya (Human)", "South", "Ruby"},
    {"Hasta", "Aditya", "The Sun, Demi God of Light", "Moon", "Buffalo", "The Fist", "Delta Corvi", "Tejo (Fire)", "Fingers", "Light / Swift", "Female", "Moksha", "Vata", "Deva (Godly)", "South", "White Pearl"},
    {"Chitra", "Thvasta", "Vishwakarma, Architect of the Demigods", "Mars", "Tiger", "A Pearl", "Spica Virginis -Vegus", "Tejo (Fire)", "Neck", "Soft", "Female", "Kama", "Pitta", "Rakshasa (Demon)", "South", "Coral"},
    {"Swati", "Vayu", "Demi God of Wind", "Rahu", "Buffalo", "A Coral", "Arcturus", "Tejo (Fire)", "Chest", "Mutable", "Male", "Artha", "Kapha", "Deva (Godly)", "South-West", "Gomeda"},
    {"Vishakha", "Shakragni", "Combination of Indra & Agni", "Jupiter", "Tiger", "A Potter's Wheel", "Alpha Libroe", "Tejo (Fire)", "Breasts", "Sharp & Soft", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-West", "Yellow Sapphire"},
    {"Anuradha", "Mitra", "Demi God of Brain", "Saturn", "Hare", "A Lotus Flower", "Delta Scorpio", "Tejo (Fire)", "Stomach", "Soft", "Female", "Dharma", "Pitta", "Deva (Godly)", "South-West", "Blue Sapphire"},
    {"Jyeshtha", "Indra", "Vasava, King of the Demigods", "Mercury", "Hare", "An Umbrella", "Antares", "Vayu (Air)", "Right Side of Trunk", "Sharp & Dreadful", "Male", "Artha", "Vata", "Rakshasa (Demon)", "West", "Emerald"},
    {"Moola", "Nirriti", "Rakshasa, King of Demons", "Ketu", "Dog", "Tail of a Lion", "Lambda Scorpio", "Vayu (Air)", "Left Side of Trunk", "Sharp & Dreadful", "Male", "Kama", "Vata", "Rakshasa (Demon)", "West", "Cat's Eye"},
    {"Purva Ashadha", "Varuna", "Demi God of Water", "Venus", "Monkey", "Tusk of an Elephant / A Handfan", "Delta Sagittari", "Vayu (Air)", "Back", "Ferocious", "Male", "Moksha", "Pitta", "Manushya (Human)", "West", "Diamond"},
    {"Uttara Ashadha", "Vishwadeva", "Demi God of the Stars", "Sun", "Mongoose", "A Small Cot", "Sigma Sagittari", "Vayu (Air)", "Waist", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "North-West", "Ruby"},
    {"Shravana", "Govinda", "Lord Vishnu", "Moon", "Monkey", "An Ear /An Arrow / Three Footprints", "Alpha Aquiloe", "Vayu (Air)", "Sex Organs", "Mutable", "Female", "Artha", "Kapha", "Manushya (Human)", "North-West", "White Pearl"},
    {"Dhanistha", "Vasu", "Deity of the Sun", "Mars", "Lion", "A Musical Drum / A Flute", "Beta Delphinum", "Akasha (Space)", "Anus", "Mutable", "Female", "Dharma", "Pitta", "Rakshasa (Demon)", "North-West", "Red Coral"},
    {"Shatabhisha", "Varuna", "God of the Rains", "Rahu", "Horse", "Hundred Flowers / A Circle", "Lambda Aquarius", "Akasha (Space)", "Right Thigh", "Mutable", "Female", "Dharma", "Vata", "Rakshasa (Demon)", "North", "Gomeda"},
    {"Poorva Bhadrapada", "Ajaekapat", "A form of Shiva", "Jupiter", "Lion", "A Sword", "Alpha Pegasi", "Akasha (Space)", "Left Thigh", "Ferocious", "Male", "Artha", "Vata", "Manushya (Human)", "North", "Yellow Sapphire"},
    {"Uttara Bhadrapada", "Ahirbudhanya", "The Snake that holds the Universe", "Saturn", "Cow", "Twins or the Number Two", "Gama Pegasi", "Akasha (Space)", "Shins", "Fixed", "Female", "Kama", "Pitta", "Manushya (Human)", "North", "Blue Sapphire"},
    {"Revati", "Pushan", "Demi God for Agriculture", "Mercury", "Elephant", "A Fish", "Zeta Piscum", "Akasha (Space)", "Ankles", "Soft", "Female", "Moksha", "Kapha", "Deva (Godly)", "North-East", "Emerald"},
};
// clang-format on

static_assert(std::size(shortColumns) == nakshatraCount);
static_assert(std::size(proseAshwiniToAshlesha) + std::size(proseMaghaToJyeshtha) + std::size(proseMoolaToRevati)
              == nakshatraCount);

constexpr const NakshatraProse& proseOfRow(std::size_t index)
{
    if (index < 9) {
        return proseAshwiniToAshlesha[index];
    }
    if (index < 18) {
        return proseMaghaToJyeshtha[index - 9];
    }
    return proseMoolaToRevati[index - 18];
}

constexpr std::array<NakshatraProfileRow, nakshatraCount> joinColumns()
{
    std::array<NakshatraProfileRow, nakshatraCount> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {shortColumns[i], proseOfRow(i)};
    }
    return rows;
}

constexpr bool keysAreTheEngineNames(const std::array<NakshatraProfileRow, nakshatraCount>& rows)
{
    return std::ranges::equal(rows, nakshatraNames, {}, &NakshatraProfileRow::nakshatraName);
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

constexpr std::array<NakshatraProfileRow, nakshatraCount> nakshatraProfiles = joinColumns();

// A key that differs from the engine's name in any character would leave that birth star without a profile.
static_assert(keysAreTheEngineNames(nakshatraProfiles));

NakshatraProfile toProfile(const NakshatraProfileRow& row)
{
    return {text(row.nakshatraName),
            text(row.rulingDeva),
            text(row.purposeOfTheDeva),
            text(row.rulingPlanet),
            text(row.animalSymbol),
            text(row.symbol),
            text(row.astronomicalName),
            text(row.element),
            text(row.partOfBody),
            text(row.nature),
            text(row.gender),
            text(row.purposeInLife),
            text(row.dosha),
            text(row.temperaments),
            text(row.bestDirection),
            text(row.luckyGemstone),
            text(row.generalAndPhysicalFeatures),
            text(row.positiveHumanTraits),
            text(row.negativeHumanTraits),
            text(row.bestCareerOptions),
            text(row.domesticLife),
            text(row.health)};
}

bool findNakshatraProfile(const QString& name, NakshatraProfile& profile)
{
    // Walk in table order and compare whole strings by character code: case-sensitive, no trimming.
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        if (text(row.nakshatraName) == name) {
            const QString key = profile.nakshatraName; // the key is the caller's to set
            profile = toProfile(row);
            profile.nakshatraName = key;
            return true;
        }
    }
    return false;
}
