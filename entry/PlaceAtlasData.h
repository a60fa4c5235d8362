#pragma once

#include "entry/PlaceAtlas.h"

#include <QByteArray>
#include <QString>

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The atlas file, once uncompressed, is UTF-8 text in lines:
//   ondara-atlas<TAB>2<TAB>credit
//   zones<TAB>n, then n IANA zone ids
//   countries<TAB>n, then n country names
//   states<TAB>n, then n state names
//   places<TAB>n, then n places, most populous first:
//       city, ASCII spelling or empty, state row or empty, country row, latitude and longitude in 1e-5 degrees,
//       population, zone row (tab-separated)
//   keys<TAB>n, then n matching keys in byte order: folded name<TAB>place row<TAB>other name or empty
//       (the other name, "Bombay", is what the list shows beside the place's own; its own names leave it empty)
// The rows of the places are their population ranks, so the matcher orders its finds by row alone.

namespace PlaceAtlasFormat {

inline constexpr int placeFieldCount = 8;

// A whole number written in plain decimal digits, with an optional minus sign when `signedValue`.
inline std::optional<qint64> wholeNumber(std::string_view text, bool signedValue)
{
    if (text.empty() || text.front() == '+' || (!signedValue && text.front() == '-')) {
        return std::nullopt;
    }
    qint64 value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The tab-separated fields of a place line; false unless there are exactly placeFieldCount.
inline bool splitFields(std::string_view line, std::string_view (&fields)[placeFieldCount])
{
    int count = 0;
    while (count < placeFieldCount) {
        const std::size_t tab = line.find('\t');
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) {
            break;
        }
        line.remove_prefix(tab + 1);
        if (count == placeFieldCount) {
            return false; // a ninth field
        }
    }
    return count == placeFieldCount;
}

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace PlaceAtlasFormat

// The atlas as read: the text and the views into it that the matcher searches.
struct PlaceAtlas::Data
{
    struct Key
    {
        quint32 offset; // into text: the key line
        quint32 row;
        quint16 length; // of the folded name
        quint16 otherNameLength; // of the other name after it; 0 for the place's own names
    };

    QByteArray text; // the uncompressed file; every view below points into it
    std::vector<std::string_view> zones;
    std::vector<std::string_view> countries;
    std::vector<std::string_view> states;
    std::vector<quint32> placeLines; // where each place's line starts in text
    std::vector<Key> keys;

    class Parser;

    std::string_view key(const Key& key) const { return {text.constData() + key.offset, key.length}; }

    // Other names are many, and some are far from what anyone types ("Peng-teng-san-chhi" for Pingdingshan): one
    // is found by its start only once the text covers half of it, so "pe" does not offer Beijing as "Peken" while
    // "pek" offers it as "Pekin".
    static bool admitsStart(const Key& key, std::size_t typedLength)
    {
        return key.otherNameLength == 0 || 2 * typedLength >= key.length;
    }

    // The other name is the key line's last field.
    std::string_view otherName(const Key& key) const
    {
        const std::string_view line(text.constData() + key.offset, static_cast<std::size_t>(text.size()) - key.offset);
        return line.substr(line.find('\n') - key.otherNameLength, key.otherNameLength);
    }

    std::string_view placeLine(qsizetype row) const
    {
        const std::string_view rest(text.constData() + placeLines[static_cast<std::size_t>(row)],
                                    static_cast<std::size_t>(text.size()) - placeLines[static_cast<std::size_t>(row)]);
        return rest.substr(0, rest.find('\n'));
    }
};
