#pragma once

#include "knowledge/BirthPlace.h"

// Texts shown by several windows.
namespace ProgramTexts {

inline constexpr const char* caption = "Ondara v1.90";

// The two offers that lie on top of each other in every main window and the report window, as stored: a doubled
// "&&" shows as one "&" in a label with access keys.
inline constexpr const char* coBrandOffer
    = "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  "
      "link here. See \"Help\" for details.    Click Here for more info on co-branding.";
inline constexpr const char* fullBrandOffer
    = "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
      "branded for your website. Click here for more details.";

// The profiles' health paragraphs speak of the body in the tradition's terms; a reader must not take them for more.
inline constexpr const char* notMedicalAdvice
    = "The profiles describe what the tradition of Vedic astrology associates with each nakshatra; they are not "
      "medical advice.";

// The birth-place atlas's credit, as the reading sheet carries it too.
inline constexpr const char* atlasCredit = BirthPlace::atlasCredit;

} // namespace ProgramTexts
