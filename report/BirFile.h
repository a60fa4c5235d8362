#pragma once

#include "engine/BirthData.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

class QIODevice;

// The ".bir" saved-reading file: 15 scrambled Windows-1252 lines ended by CR LF, holding one BirthData.
namespace BirFile {

inline constexpr int lineCount = 15;

// No field needs anywhere near this many bytes; a longer line means the file is not a saved reading, and reading
// stops there instead of taking the rest of the file into memory.
inline constexpr qint64 maximumLineBytes = 4096;

// The 15 unscrambled texts in file order (name, month, day, year, hour, minute, longitude degrees and minutes,
// latitude degrees and minutes, zone hours and minutes, east, south, daylight saving).
QStringList linesOf(const BirthData& birth);

// The 15 texts of a saved reading by what they hold, as the entry window puts them back into its fields.
struct SavedTexts
{
    QString name;
    QString month; // 1 to 12
    QString day;
    QString year;
    QString hour;
    QString minute;
    QString longitudeDegrees;
    QString longitudeMinutes;
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString zoneHours;
    QString zoneMinutes;
    bool isEast = false; // the line is exactly "1"
    bool isSouth = false;
    bool daylightSaving = false;
};

// The texts of the lines that read() gives, in file order; a missing line counts as empty.
SavedTexts textsOf(const QStringList& lines);

// Writes the 15 lines. False with a reason when the device fails.
bool write(QIODevice* device, const BirthData& birth, QString* errorText);

// Reads at most the first 15 lines, unscrambled; a line the file lacks is empty. nullopt (with a reason) when the
// device cannot be read or the content is not a plausible ".bir" file. Never holds more than a bounded amount of
// the file in memory.
std::optional<QStringList> read(QIODevice* device, QString* errorText);

// The last three characters of the path are exactly "bir" (case-sensitive; no dot required).
bool hasBirEnding(const QString& path);

// Characters of the name that a ".bir" file cannot hold (outside Windows-1252, or shifted past 255); empty if none.
QString unstorableCharacters(const QString& name);

} // namespace BirFile
