#pragma once

#include "entry/PlaceAtlas.h"
#include "entry/ZoneOnDate.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <optional>
#include <string_view>

// A city that kept a clock of its own after its zone moved to a standard time.
struct CityClock
{
    std::string_view city; // the atlas's name of the place
    std::string_view country;
    std::string_view zoneId; // the zone the atlas gives it
    std::string_view cityName; // the name its clock went by
    std::string_view clockName;
    int offsetSeconds; // local time minus UTC
    int firstYear; // the whole years in which it was kept beside the zone's time
    int lastYear;
};

// The tz database's commentary on Asia/Kolkata (file "asia" of the IANA time zone database): after India Standard
// Time began in 1906 some municipalities kept their former time; Bombay Time (UTC+04:51) lasted until 1955 and
// Calcutta Time (UTC+05:53:20) until 1948. The commentary gives whole years, so each year counts in full. The
// database's own offset stays the default: the city's clock is only offered.
inline constexpr std::array<CityClock, 2> cityClocks = {{
    {"Mumbai", "India", "Asia/Kolkata", "Bombay", "Bombay Time", 4 * 3600 + 51 * 60, 1906, 1955},
    {"Kolkata", "India", "Asia/Kolkata", "Calcutta", "Calcutta Time", 5 * 3600 + 53 * 60 + 20, 1906, 1948},
}};

// The city clock kept at `place` on `date`, if any.
const CityClock* cityClockAt(const Place& place, QDate date);

// What the clock of a birthplace meant at a local date and time, and what the entry window says of it.
struct PlaceClock
{
    // The offset the zone boxes take: the database's, except that a zone still on local mean time gives the
    // birthplace's own mean time (its longitude at four minutes a degree), not that of the zone's main city.
    ZoneOnDate zone;
    QString note; // for lblZoneNote
    const CityClock* cityClock = nullptr; // a city's own clock to offer beside the default, or none
};

// Nothing for a zone the machine's database does not know or a date or time the calendar lacks.
std::optional<PlaceClock> placeClock(const Place& place, QDate date, QTime time);

// The birth star for a birth at `place` on `date` at `time` read at `offsetSeconds` from UTC (the coordinates as the
// entry boxes take them, to the minute). The note uses it where two offsets are possible.
QString starAtOffset(const Place& place, QDate date, QTime time, int offsetSeconds);

// The zone boxes' fields for a fixed offset with no daylight saving, as zoneFieldsFor writes them.
ZoneFields fixedOffsetFields(int offsetSeconds, bool countsEast);

// An angle's magnitude in whole minutes of arc, as the coordinate boxes take it.
int roundedArcMinutes(double angle);

// Whether the engine takes a place's longitude as east once it is in the boxes: east of Greenwich and not 0 degrees
// 0 minutes when rounded to the minute (the engine counts 0 degrees 0 minutes as west).
bool longitudeCountsEast(double longitude);

// "UTC+05:53:20" where the offset has seconds, else as utcOffsetText.
QString utcOffsetTextWithSeconds(int offsetSeconds);
