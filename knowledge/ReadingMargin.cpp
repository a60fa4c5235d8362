#include "knowledge/ReadingMargin.h"

#include "engine/Ephemeris.h"
#include "engine/StarPeriod.h"
#include "knowledge/BirthClock.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr double nakshatraSpanDegrees = 360.0 / nakshatraCount; // 13 degrees 20 minutes

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString starName(int number)
{
    return text(nakshatraNames[static_cast<std::size_t>(number)]);
}

// Whole minutes, rounded down: the birth lies at least this far from the change.
QString minutesText(double minutes)
{
    const auto whole = static_cast<long long>(std::floor(minutes));
    if (whole < 1) {
        return QStringLiteral("less than a minute");
    }
    return whole == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(whole);
}

bool hasReading(const ReadingMargin& margin)
{
    return margin.pada > 0;
}

} // namespace

ReadingMargin readingMargin(const BirthData& birth)
{
    const BirthStarReading reading = findBirthStar(birth);
    const StarPeriod period = starPeriod(birth);
    ReadingMargin margin;
    margin.siderealLongitude = reading.siderealLongitude;
    margin.nakshatraNumber = reading.nakshatraNumber;
    margin.pada = padaAt(reading.siderealLongitude);
    margin.moonSign = moonSignAt(reading.siderealLongitude);
    margin.starBegins = birthClockTime(birth, period.startHours);
    margin.starEnds = birthClockTime(birth, period.endHours);
    margin.nakshatraName = starName(period.nakshatraNumber);
    margin.previousNakshatraName = starName(period.previousNakshatraNumber);
    margin.nextNakshatraName = starName(period.nextNakshatraNumber);
    margin.minutesSinceStarBegan = -period.startHours * 60.0;
    margin.minutesUntilStarEnds = period.endHours * 60.0;
    return margin;
}

QString padaText(const ReadingMargin& margin)
{
    return hasReading(margin) ? QString::number(margin.pada) : QString();
}

QString moonSignText(const ReadingMargin& margin)
{
    return hasReading(margin) ? text(moonSignNames[static_cast<std::size_t>(margin.moonSign)]) : QString();
}

QString starPeriodText(const ReadingMargin& margin)
{
    if (!hasReading(margin)) {
        return {};
    }
    // English month names whatever the user's locale: the rest of the reading is English too.
    const QLocale english = QLocale::c();
    const QString format = QStringLiteral("d MMMM yyyy, HH:mm");
    return QStringLiteral("From %1 to %2")
        .arg(english.toString(margin.starBegins, format), english.toString(margin.starEnds, format));
}

StarEdge cautionEdge(const ReadingMargin& margin)
{
    if (!hasReading(margin)) {
        return StarEdge::None;
    }
    if (margin.minutesUntilStarEnds < starCautionMinutes) {
        return StarEdge::End;
    }
    if (margin.minutesSinceStarBegan < starCautionMinutes) {
        return StarEdge::Start;
    }
    return StarEdge::None;
}

QString starAcrossEdge(const ReadingMargin& margin)
{
    switch (cautionEdge(margin)) {
    case StarEdge::Start:
        return margin.previousNakshatraName;
    case StarEdge::End:
        return margin.nextNakshatraName;
    case StarEdge::None:
        break;
    }
    return {};
}

QString starCautionText(const ReadingMargin& margin)
{
    switch (cautionEdge(margin)) {
    case StarEdge::End:
        return QStringLiteral("Born %1 before the Moon moved into %2. If the birth time could be off by that much, "
                              "the birth star may be %2.")
            .arg(minutesText(margin.minutesUntilStarEnds), margin.nextNakshatraName);
    case StarEdge::Start:
        return QStringLiteral("Born %1 after the Moon moved into %2 from %3. If the birth time could be off by that "
                              "much, the birth star may be %3.")
            .arg(minutesText(margin.minutesSinceStarBegan), margin.nakshatraName, margin.previousNakshatraName);
    case StarEdge::None:
        break;
    }
    return {};
}

QString degreesAndMinutesText(double degrees)
{
    const auto arcMinutes = static_cast<long long>(std::floor(degrees * 60.0 + 1e-9));
    return QStringLiteral("%1\u00b0 %2\u2032").arg(arcMinutes / 60).arg(arcMinutes % 60);
}

QString moonPositionText(const ReadingMargin& margin)
{
    if (!hasReading(margin)) {
        return {};
    }
    const double intoStar = margin.siderealLongitude - margin.nakshatraNumber * nakshatraSpanDegrees;
    return QStringLiteral("%1 sidereal, %2 into %3")
        .arg(degreesAndMinutesText(margin.siderealLongitude), degreesAndMinutesText(std::max(0.0, intoStar)),
             margin.nakshatraName);
}
