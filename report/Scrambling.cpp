#include "report/Scrambling.h"

#include <QList>

#include <array>
#include <cstdint>
#include <optional>

namespace {

// Windows-1252 bytes 0x80..0x9F and their Unicode code points (the rest of the page equals Latin-1). The five
// codes Windows leaves undefined keep the C1 control of the same number, so every byte has exactly one character.
struct CodePageRow
{
    std::uint8_t byte;
    char32_t codePoint;
};

constexpr std::array<CodePageRow, 32> windows1252Upper {{
    {0x80, U'\u20AC'}, {0x81, U'\u0081'}, {0x82, U'\u201A'}, {0x83, U'\u0192'}, {0x84, U'\u201E'}, {0x85, U'\u2026'},
    {0x86, U'\u2020'}, {0x87, U'\u2021'}, {0x88, U'\u02C6'}, {0x89, U'\u2030'}, {0x8A, U'\u0160'}, {0x8B, U'\u2039'},
    {0x8C, U'\u0152'}, {0x8D, U'\u008D'}, {0x8E, U'\u017D'}, {0x8F, U'\u008F'}, {0x90, U'\u0090'}, {0x91, U'\u2018'},
    {0x92, U'\u2019'}, {0x93, U'\u201C'}, {0x94, U'\u201D'}, {0x95, U'\u2022'}, {0x96, U'\u2013'}, {0x97, U'\u2014'},
    {0x98, U'\u02DC'}, {0x99, U'\u2122'}, {0x9A, U'\u0161'}, {0x9B, U'\u203A'}, {0x9C, U'\u0153'}, {0x9D, U'\u009D'},
    {0x9E, U'\u017E'}, {0x9F, U'\u0178'},
}};

constexpr bool rowsFollowTheBytes()
{
    for (std::size_t i = 0; i < windows1252Upper.size(); ++i) {
        if (windows1252Upper[i].byte != 0x80 + i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFollowTheBytes(), "row n must hold byte 0x80 + n");

char32_t characterOf(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return windows1252Upper[byte - 0x80].codePoint;
    }
    return byte;
}

std::optional<std::uint8_t> byteOf(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<std::uint8_t>(codePoint);
    }
    for (const CodePageRow& row : windows1252Upper) {
        if (row.codePoint == codePoint) {
            return row.byte;
        }
    }
    return std::nullopt;
}

QString fromCodePoint(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}

// Shifts each character's code by `shift`; characters without a code, or whose shifted code leaves 0..255, are
// left out and the order is kept.
QString shifted(const QString& text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        const std::optional<std::uint8_t> byte = byteOf(codePoint);
        if (!byte) {
            continue;
        }
        const int code = *byte + shift;
        if (code < 0 || code > 255) {
            continue;
        }
        result += fromCodePoint(characterOf(static_cast<std::uint8_t>(code)));
    }
    return result;
}

} // namespace

QByteArray toCodePage(const QString& text, QString* unmappable)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        if (const std::optional<std::uint8_t> byte = byteOf(codePoint)) {
            bytes.append(static_cast<char>(*byte));
        } else if (unmappable) {
            *unmappable += fromCodePoint(codePoint);
        }
    }
    return bytes;
}

QString fromCodePage(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += fromCodePoint(characterOf(static_cast<std::uint8_t>(byte)));
    }
    return text;
}

QString scrambleText(const QString& text)
{
    return shifted(text, scrambleShift);
}

QString unscrambleText(const QString& text)
{
    return shifted(text, -scrambleShift);
}
