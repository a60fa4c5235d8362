#pragma once

#include "engine/BirthData.h"

// Births the tests share. Each is written down here value by value, so a test that compares against one compares
// with these values, never with what the program produced.

// A birth at a moment and place, north of the equator, as the engine's tests write them.
inline BirthData birth(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes,
                       int lonDegrees, int lonMinutes, bool east, bool dst = false)
{
    BirthData data;
    data.day = static_cast<std::int16_t>(day);
    data.month = static_cast<std::int16_t>(month);
    data.year = static_cast<std::int16_t>(year);
    data.hour = static_cast<std::int16_t>(hour);
    data.minute = static_cast<std::int16_t>(minute);
    data.zoneHours = static_cast<std::int16_t>(zoneHours);
    data.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    data.longitudeDegrees = static_cast<std::int16_t>(lonDegrees);
    data.longitudeMinutes = static_cast<std::int16_t>(lonMinutes);
    data.isEast = east;
    data.daylightSaving = dst;
    return data;
}

struct SampleBirth
{
    BirthData details;
    const char* star; // the nakshatra the Moon stood in, from the worked examples of the reading
};

// 1 January 2000 at zone 5 h 30 min, 77° 12′ East, 28° 36′ North: the Moon in Swati at noon; it moves on into
// Vishakha at about 18:34.4 that evening.
inline BirthData newYear2000(int hour, int minute)
{
    BirthData data = birth(1, 1, 2000, hour, minute, 5, 30, 77, 12, true);
    data.latitudeDegrees = 28;
    data.latitudeMinutes = 36;
    return data;
}

// 1 January 2000, 12:00, as above: the Moon in Swati.
inline SampleBirth swatiBirth()
{
    BirthData data = newYear2000(12, 0);
    data.name = "Asha Rao";
    return {data, "Swati"};
}

// 21 March 1950, 06:30 at zone 0 h 0 min, 0° 0′ West, 28° 36′ North: the Moon in Ashwini.
inline SampleBirth ashwiniBirth()
{
    BirthData data = birth(21, 3, 1950, 6, 30, 0, 0, 0, 0, false);
    data.name = "Asha Rao";
    data.latitudeDegrees = 28;
    data.latitudeMinutes = 36;
    return {data, "Ashwini"};
}

// 15 July 1990, 14:54 in Madrid, 3° 42′ West, 40° 25′ North, on summer time (UTC+02:00). The zone is written as the
// atlas writes it for a place west of Greenwich whose clocks run ahead of UTC: -1 h 0 min with daylight saving. The
// Moon entered Ashwini, at 0° sidereal, at 14:50, four minutes before the birth.
inline SampleBirth madridBirth()
{
    BirthData data = birth(15, 7, 1990, 14, 54, -1, 0, 3, 42, false, true);
    data.name = "Asha Rao";
    data.latitudeDegrees = 40;
    data.latitudeMinutes = 25;
    return {data, "Ashwini"};
}

// The readings of the golden files in tests/report/data, written by hand from the file format.

// abc.bir: 25 December 1990, 14:30 at zone 5 h 30 min, 77° 13′ East, 28° 36′ North.
inline BirthData abcGoldenBirth()
{
    BirthData birth;
    birth.name = "abc";
    birth.month = 12;
    birth.day = 25;
    birth.year = 1990;
    birth.hour = 14;
    birth.minute = 30;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 36;
    birth.zoneHours = 5;
    birth.zoneMinutes = 30;
    birth.isEast = true;
    return birth;
}

// southern-dst.bir: 2 January 2001, 00:05 at zone 10 h 0 min with daylight saving, 151° 12′ East, 33° 52′ South, and
// a name with the punctuation a file name could trip on.
inline BirthData southernGoldenBirth()
{
    BirthData birth;
    birth.name = "O'Neil-Smith+Co";
    birth.month = 1;
    birth.day = 2;
    birth.year = 2001;
    birth.hour = 0;
    birth.minute = 5;
    birth.longitudeDegrees = 151;
    birth.longitudeMinutes = 12;
    birth.latitudeDegrees = 33;
    birth.latitudeMinutes = 52;
    birth.zoneHours = 10;
    birth.zoneMinutes = 0;
    birth.isEast = true;
    birth.isSouth = true;
    birth.daylightSaving = true;
    return birth;
}
