#pragma once

#include "engine/BirthData.h"

// The birth details of the latest reading, filled by the entry window's "Find My Birth Star" command and written
// to a ".bir" file by the report window. Lives as long as the program.
extern BirthData currentBirthData;
