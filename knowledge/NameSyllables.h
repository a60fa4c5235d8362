#pragma once

#include <QList>
#include <QString>

// The traditional first syllables of a name: each of the 27 nakshatras gives one to each of its four padas, and
// parents choose a child's name to begin with the syllable of the pada the Moon stood in at birth.

inline constexpr int padasPerNakshatra = 4;

struct NameSyllable
{
    QString latin; // a common Latin spelling, "Chu"
    QString devanagari; // the same syllable in Devanagari, "चू"

    friend bool operator==(const NameSyllable&, const NameSyllable&) = default;
};

// The syllable of pada `pada` (1 to 4) of nakshatra `nakshatraNumber` (0 to 26); empty outside those.
NameSyllable nameSyllable(int nakshatraNumber, int pada);

// The nakshatra's four syllables, pada 1 first; empty for a number outside 0 to 26.
QList<NameSyllable> nakshatraSyllables(int nakshatraNumber);

// "Chu (चू)"; empty for an empty syllable.
QString syllableText(const NameSyllable& syllable);
