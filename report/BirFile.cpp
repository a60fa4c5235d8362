#include "report/BirFile.h"

#include "report/Scrambling.h"

#include <QIODevice>

#include <array>
#include <cstdint>

namespace {

constexpr char lineEnd[] = "\r\n";

// Scrambling shifts every code up, so a saved line never holds a byte below the shift: such a byte (other than the
// CR LF or lone LF that ends a line) marks a file that is not a saved reading.
constexpr unsigned char lowestScrambledByte = scrambleShift;

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool isPlausibleLine(const QByteArray& line)
{
    for (const char byte : line) {
        if (static_cast<unsigned char>(byte) < lowestScrambledByte) {
            return false;
        }
    }
    return true;
}

enum class LineResult { Line, EndOfData, Refused };

// Reads one line of at most BirFile::maximumLineBytes plus its end, without its CR LF or LF.
LineResult readLine(QIODevice* device, QByteArray* line, QString* errorText)
{
    if (device->atEnd()) {
        return LineResult::EndOfData;
    }
    std::array<char, BirFile::maximumLineBytes + 3> buffer {}; // the line, CR, LF and readLine's terminating zero
    const qint64 count = device->readLine(buffer.data(), static_cast<qint64>(buffer.size()));
    if (count < 0) {
        *errorText = QStringLiteral("The file could not be read.");
        return LineResult::Refused;
    }
    QByteArray bytes(buffer.data(), count);
    const bool ended = bytes.endsWith('\n');
    if (ended) {
        bytes.chop(bytes.endsWith(lineEnd) ? 2 : 1);
    }
    if (bytes.size() > BirFile::maximumLineBytes || (!ended && !device->atEnd())) {
        *errorText = QStringLiteral("The file holds a line far longer than a saved reading has.");
        return LineResult::Refused;
    }
    if (!isPlausibleLine(bytes)) {
        *errorText = QStringLiteral("The file holds characters that a saved reading never contains.");
        return LineResult::Refused;
    }
    *line = bytes;
    return LineResult::Line;
}

} // namespace

namespace BirFile {

QStringList linesOf(const BirthData& birth)
{
    return {QString::fromStdString(birth.name),
            QString::number(birth.month),
            QString::number(birth.day),
            QString::number(birth.year),
            QString::number(birth.hour),
            QString::number(birth.minute),
            QString::number(birth.longitudeDegrees),
            QString::number(birth.longitudeMinutes),
            QString::number(birth.latitudeDegrees),
            QString::number(birth.latitudeMinutes),
            QString::number(birth.zoneHours),
            QString::number(birth.zoneMinutes),
            flag(birth.isEast),
            flag(birth.isSouth),
            flag(birth.daylightSaving)};
}

SavedTexts textsOf(const QStringList& lines)
{
    const auto flagSet = [&lines](qsizetype line) { return lines.value(line) == QLatin1String("1"); };
    // The order of linesOf.
    return {lines.value(0),  lines.value(1),  lines.value(2), lines.value(3), lines.value(4),
            lines.value(5),  lines.value(6),  lines.value(7), lines.value(8), lines.value(9),
            lines.value(10), lines.value(11), flagSet(12),    flagSet(13),    flagSet(14)};
}

bool write(QIODevice* device, const BirthData& birth, QString* errorText)
{
    QByteArray bytes;
    for (const QString& line : linesOf(birth)) {
        bytes += toCodePage(scrambleText(line));
        bytes += lineEnd;
    }
    if (device->write(bytes) != bytes.size()) {
        *errorText = device->errorString().isEmpty() ? QStringLiteral("The file could not be written.")
                                                     : device->errorString();
        return false;
    }
    return true;
}

std::optional<QStringList> read(QIODevice* device, QString* errorText)
{
    if (!device || !device->isReadable()) {
        *errorText = QStringLiteral("The file could not be read.");
        return std::nullopt;
    }
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) {
        QByteArray line;
        const LineResult result = readLine(device, &line, errorText);
        if (result == LineResult::Refused) {
            return std::nullopt;
        }
        if (result == LineResult::EndOfData) {
            break;
        }
        lines.append(unscrambleText(fromCodePage(line)));
    }
    while (lines.size() < lineCount) {
        lines.append(QString());
    }
    return lines;
}

bool hasBirEnding(const QString& path)
{
    return path.endsWith(QStringLiteral("bir"), Qt::CaseSensitive);
}

QString unstorableCharacters(const QString& name)
{
    QString result;
    for (const char32_t codePoint : name.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        QString unmappable;
        const QByteArray code = toCodePage(character, &unmappable);
        const bool storable = unmappable.isEmpty() && static_cast<std::uint8_t>(code.at(0)) <= highestScramblableCode;
        if (!storable && !result.contains(character)) {
            result += character;
        }
    }
    return result;
}

} // namespace BirFile
