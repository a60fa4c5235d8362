#include "knowledge/CurrentReading.h"

#include "knowledge/NakshatraProfiles.h"

BirthData currentBirthData;
BirthPlace currentBirthPlace;
NakshatraProfile currentProfile;
ReadingMargin currentMargin;
BirthStarGifts currentGifts;

void findNakshatraProfile(const QString& name)
{
    findNakshatraProfile(name, currentProfile);
}
