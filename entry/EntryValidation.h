#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The checks of the entry window, free of widgets: the window hands in the texts and list positions of its fields
// and shows whatever failure comes back.

// The fields a failed check can send the focus to.
enum class EntryField {
    Name,
    ZoneHour,
    ZoneMinute,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes
};

enum class EntryIcon { Error, Information };

struct EntryFailure
{
    std::optional<EntryField> focus; // nothing: the focus stays where it is
    QString message;
    EntryIcon icon = EntryIcon::Error;

    friend bool operator==(const EntryFailure&, const EntryFailure&) = default;
};

struct EntryTexts
{
    QString name;
    QString zoneHour;
    QString zoneMinute;
    QString longitudeDegrees;
    QString longitudeMinutes;
    QString latitudeDegrees;
    QString latitudeMinutes;
    int monthPosition = 0; // 0 is January
    int dayPosition = 0; // 0 is the 1st
    int year = 1901;
};

// The eight checks of "Find My Birth Star" in their fixed order; the first failure, or nothing when all pass.
std::optional<EntryFailure> validateEntry(const EntryTexts& texts);

// The numbers the reading is computed from must be what the boxes show: a whole number from 0 to 32767 (the zone
// boxes may carry the picker's leading "-", whose absolute value is taken). Runs after validateEntry has passed, so
// no box is blank here; the first box that fails, or nothing.
std::optional<EntryFailure> checkNumbers(const EntryTexts& texts);

// The value of a numeric box as the reading stores it: its trimmed text as a whole number from 0 to 32767, after
// dropping one leading "-" when `signAllowed`; nothing for any other text.
std::optional<std::int16_t> boxNumber(const QString& text, bool signAllowed);

// The key filter of the six numeric boxes: only the digits (codes 48 to 57) and Backspace (8) may be typed.
constexpr bool isAcceptedKeyCode(int code)
{
    return (code >= 48 && code <= 57) || code == 8;
}

// What a numeric box does with a key press, from the key and the text it would type.
enum class NumericKey {
    Type, // a digit or Backspace: the box handles it
    Pass, // produces no character (arrows, Home, End, Delete, Tab, modifiers): the box keeps working as usual
    Refuse // any other character, printable or control: "Only Numbers Are Accepted"
};
NumericKey classifyNumericKey(int key, const QString& text);
