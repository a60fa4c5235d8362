#include "knowledge/CurrentReading.h"

BirthData currentBirthData;
