#pragma once

#include <QDate>
#include <QString>

class QWidget;

// The question the reminder asks. Its two sentences are parted by a carriage return alone, which the message boxes
// show as a line break.
inline constexpr const char* updateQuestion
    = "There maybe an update to this software available\rDo you want to check for an update?";

// At start-up: when the date of the last reminder lies more than 14 days away from today (either way), asks whether
// to look for an update and opens the download page on Yes. A missing or unreadable date only records today.
void RemindOfUpdate(QWidget* parent = nullptr);

// The reminder's date as stored (before scrambling): the user's short date format.
QString reminderDateText(QDate date);
// Reads reminderDateText's output back; invalid when the text is no date in the current short format. A two-digit
// year is placed in the century that brings the date nearest to `today`.
QDate readReminderDate(const QString& text, QDate today);
