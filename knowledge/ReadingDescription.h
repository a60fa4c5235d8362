#pragma once

#include "engine/BirthData.h"
#include "knowledge/BirthPlace.h"
#include "knowledge/BirthStarGifts.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/ReadingMargin.h"

#include <QString>

// One reading in the words every place that shows it uses: whose it is, when and where, the birth star with its
// margin, and the star's profile. The result window and the reading sheet both show this one description, so they
// never word a reading differently; what a reading comes to say later is added here once, for both.
struct ReadingDescription
{
    // Whose reading, when and where, as entered.
    QString name;
    QString born; // "26 March 1990, 12:00", by the birth place's clock; empty for a date the calendar lacks
    QString place; // "Madrid, Madrid, Spain": the names given, in that order; empty when none was
    // The atlas's note on the zone, or "Typed by hand: " and the zone as the record holds it (typedZoneText).
    QString zone;
    QString coordinates; // "40° 25′ North, 3° 42′ West"
    QString placeCredit; // the atlas's credit when the place came from it; empty otherwise

    // The birth star and how sure it is; each empty without a reading.
    QString pada; // "2"
    QString moonSign; // "Vrishabha (Taurus)"
    QString moonPosition; // "46° 34′ sidereal, 6° 34′ into Rohini"
    QString starPeriod; // "From 20 March 1950, 18:42 to 21 March 1950, 21:43"
    QString caution; // the warning near a change of star; empty far from one
    QString skyText; // what the sky picture shows, in words: "Moon at 46° 34′ sidereal in Rohini, pada 2"

    ReadingMargin margin; // what the sky picture is drawn from
    NakshatraProfile profile;
    BirthStarGifts gifts; // the name syllable and the periods; empty without a reading

    // "Asha Rao: Rohini"; the star alone when there is no name, the name alone when there is no star.
    QString title() const;
};

ReadingDescription describeReading(const BirthData& birth, const BirthPlace& place, const ReadingMargin& margin,
                                   const NakshatraProfile& profile, const BirthStarGifts& gifts = {});

// The description of the program-wide reading: currentBirthData, currentBirthPlace, currentMargin, currentProfile,
// currentGifts.
ReadingDescription describeCurrentReading();

// The zone exactly as the record holds it, "5 h 30 min East, no daylight saving (UTC+05:30)": hours and minutes
// with their sign, the side of Greenwich the engine counts them toward, daylight saving, and the offset from
// Universal Time all of that comes to.
QString typedZoneText(const BirthData& birth);
