#pragma once

#include "engine/BirthData.h"
#include "knowledge/BirthPlace.h"
#include "knowledge/BirthStarGifts.h"
#include "knowledge/NakshatraProfile.h"
#include "knowledge/ReadingMargin.h"

// The latest reading, program-wide and as long-lived as the program: each "Find My Birth Star" overwrites all four.

// The birth details, filled by the entry window and written to a ".bir" file by the report window.
extern BirthData currentBirthData;

// Where that birth took place, as the entry window showed it when the reading was made: the place's names and the
// atlas's note on the zone. The entry window fills it with currentBirthData (an empty record when the place is not
// known); the reading sheet reads it.
extern BirthPlace currentBirthPlace;

// The profile of the reading on screen: empty until the first successful lookup, then overwritten by each reading
// (key by the caller, attributes by findNakshatraProfile). The report reads only this.
extern NakshatraProfile currentProfile;

// The margin of that reading, filled with it from currentBirthData; the result window reads it once, at load.
extern ReadingMargin currentMargin;

// The name syllable and the periods of that reading, filled with it from currentBirthData; empty until then.
extern BirthStarGifts currentGifts;

// The program's lookup: fills currentProfile's attributes from the row keyed `name`.
void findNakshatraProfile(const QString& name);
