#include "entry/PlaceClock.h"

#include "engine/Ephemeris.h"

#include <cmath>
#include <cstdlib>

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString clockText(QTime time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

// "; at UTC+01:00 the star is Rohini instead" or "; both give Rohini".
QString starComparison(const QString& usedStar, const QString& otherStar, int otherOffsetSeconds)
{
    if (usedStar == otherStar) {
        return QStringLiteral(" Both give %1.").arg(usedStar);
    }
    return QStringLiteral(" At %1 the star is %2, not %3.").arg(utcOffsetText(otherOffsetSeconds), otherStar, usedStar);
}

QString repeatedNote(const Place& place, const ZoneOnDate& zone, QDate date, QTime time)
{
    const QString used = utcOffsetText(zone.offsetSeconds);
    const QString later = utcOffsetText(zone.otherOffsetSeconds);
    return QStringLiteral("%1: %2 happened twice that night, first at %3, then at %4 after the clocks went back; "
                          "%3 is used.")
               .arg(QString::fromLatin1(place.zoneId), clockText(time), used, later)
        + starComparison(starAtOffset(place, date, time, zone.offsetSeconds),
                         starAtOffset(place, date, time, zone.otherOffsetSeconds), zone.otherOffsetSeconds);
}

QString skippedNote(const Place& place, const ZoneOnDate& zone, QDate date, QTime time)
{
    const QString used = utcOffsetText(zone.offsetSeconds);
    const QString forward = utcOffsetText(zone.otherOffsetSeconds);
    return QStringLiteral("%1: %2 never showed that night, as the clocks went forward from %3 to %4; %3 is used.")
               .arg(QString::fromLatin1(place.zoneId), clockText(time), used, forward)
        + starComparison(starAtOffset(place, date, time, zone.offsetSeconds),
                         starAtOffset(place, date, time, zone.otherOffsetSeconds), zone.otherOffsetSeconds);
}

QString cityClockNote(const CityClock& clock)
{
    return QStringLiteral(" %1 kept its own clock then: %2, %3.")
        .arg(fromView(clock.cityName), fromView(clock.clockName), utcOffsetTextWithSeconds(clock.offsetSeconds));
}

} // namespace

const CityClock* cityClockAt(const Place& place, QDate date)
{
    for (const CityClock& clock : cityClocks) {
        if (place.city == fromView(clock.city) && place.country == fromView(clock.country)
            && place.zoneId == QByteArray(clock.zoneId.data(), static_cast<qsizetype>(clock.zoneId.size()))
            && date.year() >= clock.firstYear && date.year() <= clock.lastYear) {
            return &clock;
        }
    }
    return nullptr;
}

std::optional<PlaceClock> placeClock(const Place& place, QDate date, QTime time)
{
    std::optional<ZoneOnDate> zone = zoneOnDate(place.zoneId, date, time);
    if (!zone) {
        return std::nullopt;
    }
    PlaceClock clock;
    if (zone->localMeanTime) {
        const int ownMeanTime = localMeanTimeOffsetSeconds(place.longitude);
        if (zone->otherOffsetSeconds == zone->offsetSeconds) {
            zone->otherOffsetSeconds = ownMeanTime;
        }
        zone->offsetSeconds = ownMeanTime;
        zone->standardOffsetSeconds = ownMeanTime;
        zone->daylightSaving = false;
    }
    clock.zone = *zone;
    switch (zone->kind) {
    case LocalTimeKind::Repeated:
        clock.note = repeatedNote(place, *zone, date, time);
        break;
    case LocalTimeKind::Skipped:
        clock.note = skippedNote(place, *zone, date, time);
        break;
    case LocalTimeKind::Unique:
        clock.note = zone->localMeanTime
            ? QStringLiteral("Local mean time at %1, %2 on that date")
                  .arg(place.city, utcOffsetText(zone->offsetSeconds))
            : QStringLiteral("%1, %2 on that date")
                  .arg(QString::fromLatin1(place.zoneId), utcOffsetText(zone->offsetSeconds));
        break;
    }
    clock.cityClock = cityClockAt(place, date);
    if (clock.cityClock) {
        clock.note += QLatin1Char('.') + cityClockNote(*clock.cityClock);
    }
    return clock;
}

int roundedArcMinutes(double angle)
{
    return static_cast<int>(std::lround(std::abs(angle) * 60.0));
}

bool longitudeCountsEast(double longitude)
{
    return longitude > 0 && roundedArcMinutes(longitude) > 0;
}

ZoneFields fixedOffsetFields(int offsetSeconds, bool countsEast)
{
    return zoneFieldsFor({offsetSeconds, offsetSeconds, false, LocalTimeKind::Unique, offsetSeconds, false},
                         countsEast);
}

QString starAtOffset(const Place& place, QDate date, QTime time, int offsetSeconds)
{
    const bool east = longitudeCountsEast(place.longitude);
    const ZoneFields fields = fixedOffsetFields(offsetSeconds, east);
    BirthData birth;
    birth.year = static_cast<std::int16_t>(date.year());
    birth.month = static_cast<std::int16_t>(date.month());
    birth.day = static_cast<std::int16_t>(date.day());
    birth.hour = static_cast<std::int16_t>(time.hour());
    birth.minute = static_cast<std::int16_t>(time.minute());
    birth.zoneHours = static_cast<std::int16_t>(fields.hours);
    birth.zoneMinutes = static_cast<std::int16_t>(fields.minutes);
    const int longitude = roundedArcMinutes(place.longitude);
    const int latitude = roundedArcMinutes(place.latitude);
    birth.longitudeDegrees = static_cast<std::int16_t>(longitude / 60);
    birth.longitudeMinutes = static_cast<std::int16_t>(longitude % 60);
    birth.latitudeDegrees = static_cast<std::int16_t>(latitude / 60);
    birth.latitudeMinutes = static_cast<std::int16_t>(latitude % 60);
    birth.isEast = east;
    birth.isSouth = place.latitude < 0;
    return fromView(findBirthStar(birth).nakshatraName);
}

QString utcOffsetTextWithSeconds(int offsetSeconds)
{
    const int seconds = std::abs(offsetSeconds) % 60;
    if (seconds == 0) {
        return utcOffsetText(offsetSeconds);
    }
    const int magnitude = std::abs(offsetSeconds);
    return QStringLiteral("UTC%1%2:%3:%4")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
        .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}
