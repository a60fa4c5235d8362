#pragma once

#include <cstdint>
#include <string>

// The birth details exactly as the entry window collects them and a ".bir" file stores them.
// Zone, longitude and latitude are magnitudes; their direction comes from the flags.
struct BirthData
{
    std::string name; // UTF-8; the engine never reads it
    std::int16_t month = 0; // 1 to 12
    std::int16_t day = 0; // 1 to 31
    std::int16_t year = 0; // the entry window offers 1901 to 2050
    std::int16_t hour = 0; // local civil clock hour
    std::int16_t minute = 0;
    std::int16_t zoneHours = 0;
    std::int16_t zoneMinutes = 0;
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    bool isEast = false;
    bool isSouth = false;
    bool daylightSaving = false;

    friend bool operator==(const BirthData&, const BirthData&) = default;
};
