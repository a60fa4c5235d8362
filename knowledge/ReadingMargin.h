#pragma once

#include "engine/BirthData.h"

#include <QDateTime>
#include <QString>

// How close a reading stands to its edges: the quarter and sign the Moon stood in, when it entered the birth star
// and when it left it, and how far the birth lies from the nearer of those changes.
struct ReadingMargin
{
    double siderealLongitude = 0.0; // the Moon's, in degrees, 0 <= value < 360, as findBirthStar gives it
    int nakshatraNumber = 0; // the birth star, 0 to 26, counted from 0 degrees sidereal
    int pada = 0; // 1 to 4; 0 until the first reading
    int moonSign = 0; // 0 to 11, counted from 0 degrees sidereal
    // The birth place's clock as entered (its zone and daylight saving), each to the nearest minute. They are
    // carried as UTC only so that no zone of this machine shifts them or finds them in a gap.
    QDateTime starBegins;
    QDateTime starEnds;
    QString nakshatraName;
    QString previousNakshatraName; // the star the Moon left at starBegins
    QString nextNakshatraName; // the star the Moon enters at starEnds
    double minutesSinceStarBegan = 0.0; // clock minutes from the Moon's entry into the birth star to the birth
    double minutesUntilStarEnds = 0.0; // clock minutes from the birth to the Moon's entry into the next star

    friend bool operator==(const ReadingMargin&, const ReadingMargin&) = default;
};

// A birth closer than this to either change (in clock minutes) may belong to the neighbouring star if its time is
// a little off.
inline constexpr double starCautionMinutes = 15.0;

// Which edge of the birth star a birth lies near, within starCautionMinutes; the star's period lasts far longer
// than twice that, so at most one side is near.
enum class StarEdge {
    None,
    Start, // the Moon entered the birth star less than starCautionMinutes before the birth
    End // the Moon moves into the next star less than starCautionMinutes after it
};

// The margin of the reading findBirthStar gives for `birth`.
ReadingMargin readingMargin(const BirthData& birth);

// What the result window shows; each is empty for a margin without a reading.
QString padaText(const ReadingMargin& margin); // "2"
QString moonSignText(const ReadingMargin& margin); // "Mesha (Aries)"
QString starPeriodText(const ReadingMargin& margin); // "From 20 March 1950, 18:42 to 21 March 1950, 21:43"
// The warning for a birth within starCautionMinutes of a change, naming the star on that side; empty otherwise.
QString starCautionText(const ReadingMargin& margin);
// The edge that warning speaks of; None exactly when it is empty.
StarEdge cautionEdge(const ReadingMargin& margin);
// The star across that edge; empty for None.
QString starAcrossEdge(const ReadingMargin& margin);

// Degrees and whole arc minutes, rounded down so a longitude never reads as the next degree: "46° 34′".
QString degreesAndMinutesText(double degrees);
// "46° 34′ sidereal, 6° 34′ into Rohini"; empty for a margin without a reading.
QString moonPositionText(const ReadingMargin& margin);
