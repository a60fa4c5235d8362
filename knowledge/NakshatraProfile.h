#pragma once

#include <QString>

// The profile of one nakshatra: its key and 21 text attributes, in the order the program shows them.
struct NakshatraProfile
{
    QString nakshatraName;
    QString rulingDeva;
    QString purposeOfTheDeva;
    QString rulingPlanet;
    QString animalSymbol;
    QString symbol;
    QString astronomicalName;
    QString element;
    QString partOfBody;
    QString nature;
    QString gender;
    QString purposeInLife;
    QString dosha;
    QString temperaments;
    QString bestDirection;
    QString luckyGemstone;
    QString generalAndPhysicalFeatures;
    QString positiveHumanTraits;
    QString negativeHumanTraits;
    QString bestCareerOptions;
    QString domesticLife;
    QString health;

    friend bool operator==(const NakshatraProfile&, const NakshatraProfile&) = default;
};

// The profile of the reading on screen: empty until the first successful lookup, then overwritten by each reading
// (key by the caller, attributes by findNakshatraProfile). The result window and the report read only this.
extern NakshatraProfile currentProfile;

// Copies the 21 attributes of the row whose key equals `name` exactly (case-sensitive, no trimming) into
// `profile`; leaves it untouched when no row matches. Returns whether a row matched.
bool findNakshatraProfile(const QString& name, NakshatraProfile& profile);

// The program's lookup: fills currentProfile.
void findNakshatraProfile(const QString& name);
