#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// How often a local clock reading occurred in a zone.
enum class LocalTimeKind {
    Unique, // once: the usual case
    Repeated, // twice, in the hour the clocks went back; the first occurrence is taken
    Skipped // never, in the hour the clocks went forward; the clock not yet put forward is taken
};

// The UTC offset of a zone at one local date and time, from the machine's time zone database (QTimeZone, which on
// Linux reads /usr/share/zoneinfo and so knows the history: Asia/Kolkata +06:30 in 1943, Europe/London +02:00 in
// the double summer time of 1944).
struct ZoneOnDate
{
    int offsetSeconds = 0; // local time minus UTC: +19800 for +05:30
    int standardOffsetSeconds = 0; // the offset without daylight saving then in force
    bool daylightSaving = false; // offsetSeconds includes daylight saving (or war time)
    LocalTimeKind kind = LocalTimeKind::Unique;
    // Repeated: the offset of the second occurrence; Skipped: the offset the clocks were put forward to; else the
    // same as offsetSeconds.
    int otherOffsetSeconds = 0;
    // The zone still kept the local mean time of its main city (the database's "LMT" period, before the zone's
    // first standard time); offsetSeconds is then that city's mean time, not the birthplace's.
    bool localMeanTime = false;

    friend bool operator==(const ZoneOnDate&, const ZoneOnDate&) = default;
};

// The offset in force in `zoneId` when its clocks showed `date` at `time`. Where that reading happened twice, the
// offset of the first time (the one before the clocks went back); where it never happened, the offset before the
// clocks went forward, as a clock that had not been changed yet would read it. Both are the offset in force just
// before the change, which is what someone reading an unchanged clock or a record written before the change means.
// Nothing for a zone the database does not know or an invalid date or time.
std::optional<ZoneOnDate> zoneOnDate(const QByteArray& zoneId, QDate date, QTime time);

// What the entry window's zone boxes and DST box hold for a zone of the atlas, so that the reading comes out at the
// true Universal Time. The engine counts the zone toward the longitude's side (Universal Time is the clock minus the
// zone east of Greenwich, plus it west) and the DST box adds one hour toward that side. A place whose offset points
// the other way (Madrid, west of Greenwich but ahead of UTC) therefore gets a negative zone: "-1" west of Greenwich
// means one hour ahead. A saving of exactly one hour goes in the DST box; any other (London's double summer time of
// two hours) is part of the zone itself, with the box clear. Hours and minutes carry the same sign.
struct ZoneFields
{
    int hours = 0;
    int minutes = 0;
    bool daylightSaving = false;

    friend bool operator==(const ZoneFields&, const ZoneFields&) = default;
};

// `countsEast`: whether the engine takes the longitude as east (East chosen and not 0 degrees 0 minutes).
ZoneFields zoneFieldsFor(const ZoneOnDate& zone, bool countsEast);

// "UTC+05:30", "UTC-03:00", "UTC+00:00"; seconds are rounded to the minute.
QString utcOffsetText(int offsetSeconds);

// The mean solar time of a longitude (degrees, east positive) as an offset from UTC, to the second: four minutes
// of time for each degree.
int localMeanTimeOffsetSeconds(double longitude);
