#pragma once

#include <string_view>

// The six descriptive paragraphs of one nakshatra, UTF-8, in the field order of NakshatraProfile.
struct NakshatraProse
{
    std::string_view generalAndPhysicalFeatures;
    std::string_view positiveHumanTraits;
    std::string_view negativeHumanTraits;
    std::string_view bestCareerOptions;
    std::string_view domesticLife;
    std::string_view health;
};
