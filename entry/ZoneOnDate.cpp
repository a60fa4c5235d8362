#include "entry/ZoneOnDate.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <cmath>
#include <cstdlib>

namespace {

// Every offset the world has used lies within 15 hours of UTC, and Apia's skipped day moved its clocks by 24 hours:
// the periods that can hold a clock reading all meet a window this wide on either side of it.
constexpr qint64 reachSeconds = qint64(36) * 3600;

ZoneOnDate fromOffsetData(const QTimeZone::OffsetData& data, LocalTimeKind kind, int otherOffsetSeconds)
{
    return {data.offsetFromUtc,           data.standardTimeOffset,
            data.daylightTimeOffset != 0, kind,
            otherOffsetSeconds,           data.abbreviation == QLatin1String("LMT")};
}

} // namespace

std::optional<ZoneOnDate> zoneOnDate(const QByteArray& zoneId, QDate date, QTime time)
{
    // An empty id would give the machine's own zone.
    if (zoneId.isEmpty() || !date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const QTimeZone zone(zoneId);
    if (!zone.isValid()) {
        return std::nullopt;
    }
    // The clock reading written as if it were UTC; a period with offset o holds it when reading - o is inside it.
    const QDateTime reading(date, time, Qt::UTC);
    const qint64 readingSeconds = reading.toSecsSinceEpoch();
    const QDateTime windowStart = reading.addSecs(-reachSeconds);
    const QDateTime windowEnd = reading.addSecs(reachSeconds);

    // The periods of one offset that meet the window, in time order: the one in force at its start, then one from
    // each change.
    QList<QTimeZone::OffsetData> periods {zone.offsetData(windowStart)};
    periods += zone.transitions(windowStart, windowEnd);
    const auto periodStart = [&](qsizetype i) { return periods[i].atUtc.toSecsSinceEpoch(); };
    const auto periodEnd
        = [&](qsizetype i) { return i + 1 < periods.size() ? periodStart(i + 1) : windowEnd.toSecsSinceEpoch() + 1; };

    QList<qsizetype> holding; // the periods that hold the reading, in time order
    for (qsizetype i = 0; i < periods.size(); ++i) {
        const qint64 instant = readingSeconds - periods[i].offsetFromUtc;
        if (instant >= periodStart(i) && instant < periodEnd(i)) {
            holding.append(i);
        }
    }
    if (!holding.isEmpty()) {
        const QTimeZone::OffsetData& first = periods[holding.first()];
        return fromOffsetData(first, holding.size() == 1 ? LocalTimeKind::Unique : LocalTimeKind::Repeated,
                              periods[holding.last()].offsetFromUtc);
    }
    // Skipped: the reading lies between the last clock reading of one period and the first of the next.
    for (qsizetype i = 0; i + 1 < periods.size(); ++i) {
        const qint64 lastReading = periodEnd(i) + periods[i].offsetFromUtc;
        const qint64 nextReading = periodStart(i + 1) + periods[i + 1].offsetFromUtc;
        if (readingSeconds >= lastReading && readingSeconds < nextReading) {
            return fromOffsetData(periods[i], LocalTimeKind::Skipped, periods[i + 1].offsetFromUtc);
        }
    }
    return std::nullopt; // only for a database whose periods do not join up
}

ZoneFields zoneFieldsFor(const ZoneOnDate& zone, bool countsEast)
{
    constexpr int oneHour = 3600;
    const bool savingInBox = zone.daylightSaving && zone.offsetSeconds - zone.standardOffsetSeconds == oneHour;
    const int aheadSeconds = savingInBox ? zone.standardOffsetSeconds : zone.offsetSeconds;
    const int towardSide = countsEast ? aheadSeconds : -aheadSeconds;
    const int minutes = static_cast<int>(std::lround(towardSide / 60.0));
    return {minutes / 60, minutes % 60, savingInBox}; // C++ division keeps the sign on both parts
}

QString utcOffsetText(int offsetSeconds)
{
    const int minutes = static_cast<int>(std::lround(offsetSeconds / 60.0));
    const int magnitude = std::abs(minutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

int localMeanTimeOffsetSeconds(double longitude)
{
    constexpr double secondsPerDegree = 240.0; // 24 hours over 360 degrees
    return static_cast<int>(std::lround(longitude * secondsPerDegree));
}
