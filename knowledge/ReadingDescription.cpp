#include "knowledge/ReadingDescription.h"

#include "engine/Ephemeris.h"
#include "knowledge/CurrentReading.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

QString bornText(const BirthData& birth)
{
    const QDate date(birth.year, birth.month, birth.day);
    const QTime time(birth.hour, birth.minute);
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    // English month names whatever the user's locale, as in the rest of the reading.
    return QLocale::c().toString(QDateTime(date, time), QStringLiteral("d MMMM yyyy, HH:mm"));
}

QString placeText(const BirthPlace& place)
{
    QStringList names;
    for (const QString& name : {place.city, place.state, place.country}) {
        if (!name.trimmed().isEmpty()) {
            names.append(name.trimmed());
        }
    }
    return names.join(QStringLiteral(", "));
}

QString coordinatesText(const BirthData& birth)
{
    const auto angle
        = [](int degrees, int minutes) { return QStringLiteral("%1\u00b0 %2\u2032").arg(degrees).arg(minutes); };
    return QStringLiteral("%1 %2, %3 %4")
        .arg(angle(birth.latitudeDegrees, birth.latitudeMinutes),
             birth.isSouth ? QStringLiteral("South") : QStringLiteral("North"),
             angle(birth.longitudeDegrees, birth.longitudeMinutes),
             birth.isEast ? QStringLiteral("East") : QStringLiteral("West"));
}

// "UTC+05:30", to the minute.
QString utcOffsetText(double offsetHours)
{
    const long long minutes = std::llround(offsetHours * 60.0);
    const long long size = std::llabs(minutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(size / 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

QString skyPictureText(const ReadingMargin& margin)
{
    if (margin.pada == 0) {
        return QStringLiteral("No reading");
    }
    QString text = QStringLiteral("Moon at %1 sidereal in %2, pada %3")
                       .arg(degreesAndMinutesText(margin.siderealLongitude), margin.nakshatraName)
                       .arg(margin.pada);
    const QString across = starAcrossEdge(margin);
    if (!across.isEmpty()) {
        text += QStringLiteral(", at its edge with %1").arg(across);
    }
    return text;
}

} // namespace

QString ReadingDescription::title() const
{
    const QString star = profile.nakshatraName;
    if (name.isEmpty() || star.isEmpty()) {
        return name.isEmpty() ? star : name;
    }
    return QStringLiteral("%1: %2").arg(name, star);
}

QString typedZoneText(const BirthData& birth)
{
    // The engine counts 0 degrees 0 minutes East as west, and the zone toward the same side as the longitude.
    const bool countsEast = birth.isEast && (birth.longitudeDegrees != 0 || birth.longitudeMinutes != 0);
    const double clockHours = birth.hour + birth.minute / 60.0;
    return QStringLiteral("%1 h %2 min %3, %4 (%5)")
        .arg(birth.zoneHours)
        .arg(birth.zoneMinutes)
        .arg(countsEast ? QStringLiteral("East") : QStringLiteral("West"),
             birth.daylightSaving ? QStringLiteral("with daylight saving") : QStringLiteral("no daylight saving"),
             utcOffsetText(clockHours - universalHours(birth)));
}

ReadingDescription describeReading(const BirthData& birth, const BirthPlace& place, const ReadingMargin& margin,
                                   const NakshatraProfile& profile, const BirthStarGifts& gifts)
{
    ReadingDescription reading;
    reading.name = QString::fromStdString(birth.name);
    reading.born = bornText(birth);
    reading.place = placeText(place);
    reading.zone
        = place.zoneNote.isEmpty() ? QStringLiteral("Typed by hand: %1").arg(typedZoneText(birth)) : place.zoneNote;
    reading.coordinates = coordinatesText(birth);
    if (place.fromAtlas) {
        reading.placeCredit = QString::fromLatin1(BirthPlace::atlasCredit);
    }
    reading.pada = padaText(margin);
    reading.moonSign = moonSignText(margin);
    reading.moonPosition = moonPositionText(margin);
    reading.starPeriod = starPeriodText(margin);
    reading.caution = starCautionText(margin);
    reading.skyText = skyPictureText(margin);
    reading.margin = margin;
    reading.profile = profile;
    reading.gifts = gifts;
    return reading;
}

ReadingDescription describeCurrentReading()
{
    return describeReading(currentBirthData, currentBirthPlace, currentMargin, currentProfile, currentGifts);
}
