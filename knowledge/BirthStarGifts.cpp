#include "knowledge/BirthStarGifts.h"

#include "engine/Ephemeris.h"
#include "engine/StarPeriod.h"
#include "knowledge/BirthClock.h"

#include <QLocale>

#include <algorithm>

namespace {

QString planetName(int lord)
{
    const std::string_view planet = dashaLords[static_cast<std::size_t>(lord)].planet;
    return QString::fromUtf8(planet.data(), static_cast<qsizetype>(planet.size()));
}

QString countText(int count, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

PeriodPlace placeOf(const DashaPeriod& period, const VimshottariDasha& dasha)
{
    if (period.wholeEndDay <= dasha.birthDay) {
        return PeriodPlace::BeforeBirth;
    }
    if (period.wholeStartDay >= dasha.cycleEndDay) {
        return PeriodPlace::AfterCycle;
    }
    return PeriodPlace::Within;
}

PeriodRow periodRow(const BirthData& birth, const DashaPeriod& period, PeriodPlace place)
{
    const bool within = place == PeriodPlace::Within;
    return {planetName(period.lord), birthClockAt(birth, within ? period.startDay : period.wholeStartDay),
            birthClockAt(birth, within ? period.endDay : period.wholeEndDay), place};
}

void addPeriods(BirthStarGifts& gifts, const BirthData& birth, const VimshottariDasha& dasha)
{
    for (const DashaPeriod& major : dasha.majorPeriods) {
        gifts.majorPeriods.append(periodRow(birth, major, PeriodPlace::Within));
        QList<PeriodRow> subs;
        for (const DashaPeriod& sub : subPeriods(major)) {
            subs.append(periodRow(birth, sub, placeOf(sub, dasha)));
        }
        gifts.subPeriods.append(subs);
    }
}

bool runsOn(const PeriodRow& row, QDate date)
{
    return row.place == PeriodPlace::Within && row.start.date() <= date && date < row.end.date();
}

qsizetype indexRunningOn(const QList<PeriodRow>& rows, QDate date)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (runsOn(rows[i], date)) {
            return i;
        }
    }
    return -1;
}

} // namespace

BirthStarGifts birthStarGifts(const BirthData& birth)
{
    const BirthStarReading reading = findBirthStar(birth);
    const VimshottariDasha dasha = vimshottariDasha(birth);
    BirthStarGifts gifts;
    gifts.nakshatraName = QString::fromUtf8(reading.nakshatraName.data(), qsizetype(reading.nakshatraName.size()));
    gifts.birthPada = padaAt(reading.siderealLongitude);
    gifts.syllable = nameSyllable(reading.nakshatraNumber, gifts.birthPada);
    gifts.starSyllables = nakshatraSyllables(reading.nakshatraNumber);
    gifts.balancePlanet = planetName(dasha.birthLord);
    gifts.balance = yearsMonthsDays(dasha.balanceYears);
    gifts.balanceText = balanceText(gifts.balancePlanet, gifts.balance);
    gifts.birth = birthClockTime(birth, 0.0);
    addPeriods(gifts, birth, dasha);
    return gifts;
}

QString balanceText(const QString& planet, const YearsMonthsDays& balance)
{
    return QStringLiteral("%1: %2, %3, %4")
        .arg(planet, countText(balance.years, "year", "years"), countText(balance.months, "month", "months"),
             countText(balance.days, "day", "days"));
}

QString periodDateText(QDate date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString periodDateText(const QDateTime& clock)
{
    return periodDateText(clock.date());
}

RunningPeriods runningAtBirth(const BirthStarGifts& gifts)
{
    if (gifts.majorPeriods.isEmpty()) {
        return {};
    }
    // The first sub-period within the years is the one the birth falls in: those before it were over.
    const QList<PeriodRow>& subs = gifts.subPeriods.constFirst();
    const auto within = std::find_if(subs.cbegin(), subs.cend(),
                                     [](const PeriodRow& row) { return row.place == PeriodPlace::Within; });
    return {0, within == subs.cend() ? -1 : within - subs.cbegin()};
}

RunningPeriods runningOn(const BirthStarGifts& gifts, QDate date)
{
    const qsizetype major = indexRunningOn(gifts.majorPeriods, date);
    if (major < 0) {
        return {};
    }
    return {major, indexRunningOn(gifts.subPeriods[major], date)};
}
