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

// Copies the 21 attributes of the row whose key equals `name` exactly (case-sensitive, no trimming) into
// `profile`; leaves it untouched when no row matches. Returns whether a row matched.
bool findNakshatraProfile(const QString& name, NakshatraProfile& profile);
