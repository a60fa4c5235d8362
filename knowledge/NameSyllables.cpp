#include "knowledge/NameSyllables.h"

#include "engine/Ephemeris.h"

#include <array>
#include <string_view>

namespace {

struct SyllableRow
{
    std::string_view nakshatraName;
    std::array<std::string_view, padasPerNakshatra> latin;
    std::array<std::string_view, padasPerNakshatra> devanagari;
};

// Pada 1 to 4 of each star, in zodiac order. Sources: the Hoda (Avakahada) chakra as Balabhadra's Hora Ratnam gives
// it in its final form, and the 27-star tables of charan letters in Hindi almanacs and primers (for example "Saral
// Jyotish"), whose long vowels the Devanagari follows. The Latin is the plain spelling naming lists print, without
// diacritics; the Devanagari beside it tells apart what Latin writes alike (Da for डा, दा; Na for ण, ना, ञ).
// Shravana: the Hoda chakra counts 28 stars and gives Ju, Je, Jo, Kha to Abhijit, which lies across the end of
// Uttara Ashadha and the start of Shravana, and Khi, Khu, Khe, Kho to Shravana itself. Lists of 27 stars that fold
// Abhijit in give Shravana Abhijit's four (printed Ju, Je, Jo, Gha in some English lists). This program divides the
// zodiac into 27 equal stars with no Abhijit, so each of Shravana's quarters keeps Shravana's own syllable.
// clang-format off
constexpr std::array<SyllableRow, nakshatraCount> syllableRows = {{
    {"Ashwini",           {"Chu", "Che", "Cho", "La"},   {"चू", "चे", "चो", "ला"}},
    {"Bharani",           {"Li", "Lu", "Le", "Lo"},      {"ली", "लू", "ले", "लो"}},
    {"Krittika",          {"A", "I", "U", "E"},          {"अ", "ई", "उ", "ए"}},
    {"Rohini",            {"O", "Va", "Vi", "Vu"},       {"ओ", "वा", "वी", "वू"}},
    {"Mrigasira",         {"Ve", "Vo", "Ka", "Ki"},      {"वे", "वो", "का", "की"}},
    {"Ardra",             {"Ku", "Gha", "Nga", "Chha"},  {"कू", "घ", "ङ", "छ"}},
    {"Punarvasu",         {"Ke", "Ko", "Ha", "Hi"},      {"के", "को", "हा", "ही"}},
    {"Pushya",            {"Hu", "He", "Ho", "Da"},      {"हू", "हे", "हो", "डा"}},
    {"Ashlesha",          {"Di", "Du", "De", "Do"},      {"डी", "डू", "डे", "डो"}},
    {"Magha",             {"Ma", "Mi", "Mu", "Me"},      {"मा", "मी", "मू", "मे"}},
    {"Poorva Phalguni",   {"Mo", "Ta", "Ti", "Tu"},      {"मो", "टा", "टी", "टू"}},
    {"Uttara Phalguni",   {"Te", "To", "Pa", "Pi"},      {"टे", "टो", "पा", "पी"}},
    {"Hasta",             {"Pu", "Sha", "Na", "Tha"},    {"पू", "ष", "ण", "ठ"}},
    {"Chitra",            {"Pe", "Po", "Ra", "Ri"},      {"पे", "पो", "रा", "री"}},
    {"Swati",             {"Ru", "Re", "Ro", "Ta"},      {"रू", "रे", "रो", "ता"}},
    {"Vishakha",          {"Ti", "Tu", "Te", "To"},      {"ती", "तू", "ते", "तो"}},
    {"Anuradha",          {"Na", "Ni", "Nu", "Ne"},      {"ना", "नी", "नू", "ने"}},
    {"Jyeshtha",          {"No", "Ya", "Yi", "Yu"},      {"नो", "या", "यी", "यू"}},
    {"Moola",             {"Ye", "Yo", "Bha", "Bhi"},    {"ये", "यो", "भा", "भी"}},
    {"Purva Ashadha",     {"Bhu", "Dha", "Pha", "Dha"},  {"भू", "धा", "फा", "ढा"}},
    {"Uttara Ashadha",    {"Bhe", "Bho", "Ja", "Ji"},    {"भे", "भो", "जा", "जी"}},
    {"Shravana",          {"Khi", "Khu", "Khe", "Kho"},  {"खी", "खू", "खे", "खो"}},
    {"Dhanistha",         {"Ga", "Gi", "Gu", "Ge"},      {"गा", "गी", "गू", "गे"}},
    {"Shatabhisha",       {"Go", "Sa", "Si", "Su"},      {"गो", "सा", "सी", "सू"}},
    {"Poorva Bhadrapada", {"Se", "So", "Da", "Di"},      {"से", "सो", "दा", "दी"}},
    {"Uttara Bhadrapada", {"Du", "Tha", "Jha", "Na"},    {"दू", "थ", "झ", "ञ"}},
    {"Revati",            {"De", "Do", "Cha", "Chi"},    {"दे", "दो", "चा", "ची"}},
}};
// clang-format on

constexpr bool rowsFollowTheStars()
{
    for (std::size_t star = 0; star < syllableRows.size(); ++star) {
        if (syllableRows[star].nakshatraName != nakshatraNames[star]) {
            return false;
        }
        for (std::size_t pada = 0; pada < padasPerNakshatra; ++pada) {
            if (syllableRows[star].latin[pada].empty() || syllableRows[star].devanagari[pada].empty()) {
                return false;
            }
        }
    }
    return true;
}
static_assert(syllableRows.size() * padasPerNakshatra == 108);
static_assert(rowsFollowTheStars(), "one row per star, in the engine's order, with all eight cells filled");

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool isStar(int nakshatraNumber)
{
    return nakshatraNumber >= 0 && nakshatraNumber < nakshatraCount;
}

} // namespace

NameSyllable nameSyllable(int nakshatraNumber, int pada)
{
    if (!isStar(nakshatraNumber) || pada < 1 || pada > padasPerNakshatra) {
        return {};
    }
    const SyllableRow& row = syllableRows[static_cast<std::size_t>(nakshatraNumber)];
    const auto index = static_cast<std::size_t>(pada - 1);
    return {text(row.latin[index]), text(row.devanagari[index])};
}

QList<NameSyllable> nakshatraSyllables(int nakshatraNumber)
{
    QList<NameSyllable> syllables;
    if (isStar(nakshatraNumber)) {
        for (int pada = 1; pada <= padasPerNakshatra; ++pada) {
            syllables.append(nameSyllable(nakshatraNumber, pada));
        }
    }
    return syllables;
}

QString syllableText(const NameSyllable& syllable)
{
    if (syllable.latin.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1 (%2)").arg(syllable.latin, syllable.devanagari);
}
