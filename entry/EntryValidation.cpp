#include "entry/EntryValidation.h"

#include <QtCore/qnamespace.h>

#include <array>

namespace {

struct BlankCheck
{
    QString EntryTexts::*text;
    EntryField focus;
    const char* message;
};

// Checks 3 to 6: one box each, in the order the user fills them.
constexpr std::array<BlankCheck, 4> coordinateChecks = {{
    {&EntryTexts::longitudeDegrees, EntryField::LongitudeDegrees, "Please Enter Degree of Longitude"},
    {&EntryTexts::longitudeMinutes, EntryField::LongitudeMinutes, "Please Enter Minute of Longitude"},
    {&EntryTexts::latitudeDegrees, EntryField::LatitudeDegrees, "Please Enter Degree of Latitude"},
    {&EntryTexts::latitudeMinutes, EntryField::LatitudeMinutes, "Please Enter Minute of Latitude"},
}};

struct NumberCheck
{
    QString EntryTexts::*text;
    EntryField field;
    bool signAllowed; // the time zone picker writes west as positive and east as negative
    const char* message;
};

constexpr std::array<NumberCheck, 6> numberChecks = {{
    {&EntryTexts::zoneHour, EntryField::ZoneHour, true,
     "The hours of the time zone must be a whole number from 0 to 32767."},
    {&EntryTexts::zoneMinute, EntryField::ZoneMinute, true,
     "The minutes of the time zone must be a whole number from 0 to 32767."},
    {&EntryTexts::longitudeDegrees, EntryField::LongitudeDegrees, false,
     "The degree of longitude must be a whole number from 0 to 32767."},
    {&EntryTexts::longitudeMinutes, EntryField::LongitudeMinutes, false,
     "The minute of longitude must be a whole number from 0 to 32767."},
    {&EntryTexts::latitudeDegrees, EntryField::LatitudeDegrees, false,
     "The degree of latitude must be a whole number from 0 to 32767."},
    {&EntryTexts::latitudeMinutes, EntryField::LatitudeMinutes, false,
     "The minute of latitude must be a whole number from 0 to 32767."},
}};

constexpr int februaryPosition = 1;
constexpr int lastDayPosition = 30; // the 31st
constexpr std::array<int, 4> thirtyDayMonthPositions = {3, 5, 8, 10}; // April, June, September, November
constexpr int largestBoxNumber = 32767; // the reading keeps every number in a 16-bit signed integer

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

EntryFailure errorAt(EntryField field, const char* message)
{
    return {field, QString::fromLatin1(message), EntryIcon::Error};
}

EntryFailure wrongDate(const char* message)
{
    return {std::nullopt, QString::fromLatin1(message), EntryIcon::Information};
}

// The leap-year test is divisibility by 4 alone, which agrees with the calendar over the offered years.
bool isPastEndOfFebruary(int dayPosition, int year)
{
    const int lastDay = year % 4 == 0 ? 29 : 28;
    return dayPosition + 1 > lastDay;
}

bool isThirtyDayMonth(int monthPosition)
{
    for (const int position : thirtyDayMonthPositions) {
        if (position == monthPosition) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<EntryFailure> validateEntry(const EntryTexts& texts)
{
    if (isBlank(texts.name)) {
        return errorAt(EntryField::Name, "Please Enter Name");
    }
    if (isBlank(texts.zoneHour) || isBlank(texts.zoneMinute)) {
        return errorAt(EntryField::ZoneHour, "Please Enter Degree and Minute of Time Zone");
    }
    for (const BlankCheck& check : coordinateChecks) {
        if (isBlank(texts.*check.text)) {
            return errorAt(check.focus, check.message);
        }
    }
    if (texts.monthPosition == februaryPosition && isPastEndOfFebruary(texts.dayPosition, texts.year)) {
        return wrongDate("Please Enter Correct Date Or Month!");
    }
    if (isThirtyDayMonth(texts.monthPosition) && texts.dayPosition == lastDayPosition) {
        return wrongDate("Please Enter Correct Date Or Month !");
    }
    return std::nullopt;
}

std::optional<EntryFailure> checkNumbers(const EntryTexts& texts)
{
    for (const NumberCheck& check : numberChecks) {
        if (!boxNumber(texts.*check.text, check.signAllowed)) {
            return errorAt(check.field, check.message);
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> boxNumber(const QString& text, bool signAllowed)
{
    QStringView digits = QStringView(text).trimmed();
    if (signAllowed && digits.startsWith(u'-')) {
        digits = digits.mid(1);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar character : digits) {
        const char16_t code = character.unicode();
        if (code < u'0' || code > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (code - u'0');
        if (value > largestBoxNumber) {
            return std::nullopt;
        }
    }
    return static_cast<std::int16_t>(value);
}

NumericKey classifyNumericKey(int key, const QString& text)
{
    // Tab and Backtab move the focus and Delete edits like Backspace; none of them types a character, though some
    // platforms attach a control code to them.
    if (text.isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return NumericKey::Pass;
    }
    for (const QChar character : text) {
        if (!isAcceptedKeyCode(character.unicode())) {
            return NumericKey::Refuse;
        }
    }
    return NumericKey::Type;
}
