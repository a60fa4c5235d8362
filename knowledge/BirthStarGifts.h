#pragma once

#include "engine/BirthData.h"
#include "engine/Vimshottari.h"
#include "knowledge/NameSyllables.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// What the birth star gives, as the result window's tab and the reading sheet both show it: the name syllable of the
// birth pada and the Vimshottari periods with their dates.

// Where a period lies against the years the reading lists, from the birth to 120 years after it.
enum class PeriodPlace {
    Within, // inside those years
    BeforeBirth, // a sub-period of the first period that was over before the birth
    AfterCycle, // a sub-period of the last period that begins once the 120 years are over
};

struct PeriodRow
{
    QString planet; // "Venus"
    // The birth place's clock with the birth's zone and daylight saving held (BirthClock.h), to the minute. A row
    // within the years shows its span cut to the birth and to the 120 years; a row outside them its whole span.
    QDateTime start;
    QDateTime end;
    PeriodPlace place = PeriodPlace::Within;

    friend bool operator==(const PeriodRow&, const PeriodRow&) = default;
};

struct BirthStarGifts
{
    QString nakshatraName; // empty until the first reading
    int birthPada = 0; // 1 to 4; 0 until the first reading
    NameSyllable syllable; // the birth pada's
    QList<NameSyllable> starSyllables; // the birth star's four, pada 1 first
    QString balancePlanet; // the planet whose period runs at birth
    YearsMonthsDays balance; // what remains of that period at birth
    QString balanceText; // "Venus: 11 years, 2 months, 9 days"
    QDateTime birth; // the birth on its own clock
    // From the birth to 120 years after it, the period running at birth first and starting at the birth; the last,
    // the birth planet's again, ends at 120 years (see Vimshottari.h).
    QList<PeriodRow> majorPeriods;
    // The nine sub-periods of each major period, index for index, each beginning with its major period's planet.
    QList<QList<PeriodRow>> subPeriods;

    friend bool operator==(const BirthStarGifts&, const BirthStarGifts&) = default;
};

// The gifts of the reading findBirthStar gives for `birth`, from the same sidereal longitude.
BirthStarGifts birthStarGifts(const BirthData& birth);

// "Venus: 11 years, 2 months, 9 days", singular where a part is 1.
QString balanceText(const QString& planet, const YearsMonthsDays& balance);

// A date as the reading writes dates, "3 March 2031", in English whatever the user's locale.
QString periodDateText(QDate date);
QString periodDateText(const QDateTime& clock);

// The rows running at one moment: an index into majorPeriods and one into that period's subPeriods; -1 for none.
struct RunningPeriods
{
    qsizetype major = -1;
    qsizetype sub = -1;

    friend bool operator==(const RunningPeriods&, const RunningPeriods&) = default;
};

// At the birth instant: the first major period and its sub-period that holds the birth.
RunningPeriods runningAtBirth(const BirthStarGifts& gifts);

// On `date` of the birth's clock: the rows within the years whose start date is on or before it and whose end date
// is after it, so on the day one ends and the next begins it is the one beginning. None before the birth's date or
// from the 120 years' last date on.
RunningPeriods runningOn(const BirthStarGifts& gifts, QDate date);
