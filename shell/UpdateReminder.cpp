#include "shell/UpdateReminder.h"

#include "desktop/Clock.h"
#include "desktop/MessageBoxes.h"
#include "desktop/PageOpeners.h"
#include "desktop/SettingsStore.h"
#include "report/Scrambling.h"

#include <QLocale>
#include <QSettings>

#include <cmath>

namespace {

constexpr qint64 quietDays = 14; // no question while the last reminder is at most this many days away

QString settingKey()
{
    return QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration"));
}

void storeReminderDate(QSettings& settings, QDate date)
{
    settings.setValue(settingKey(), scrambleText(reminderDateText(date)));
    settings.sync();
}

} // namespace

QString reminderDateText(QDate date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate readReminderDate(const QString& text, QDate today)
{
    const QLocale locale;
    const QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid() || locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy"))) {
        return date;
    }
    // Qt reads a two-digit year as 19yy, which would make every date of this century look a hundred years old.
    const int centuries = static_cast<int>(std::lround((today.year() - date.year()) / 100.0));
    return date.addYears(100 * centuries);
}

void RemindOfUpdate(QWidget* parent)
{
    const std::unique_ptr<QSettings> settings = SettingsStore::open();
    const QDate today = Clock::instance().today();
    const QVariant stored = settings->value(settingKey());
    const QDate last = readReminderDate(unscrambleText(stored.toString()), today);
    if (!last.isValid()) {
        // First start, or a date this program can no longer read (the date format changed, the file was
        // damaged): start counting afresh instead of failing at every start.
        storeReminderDate(*settings, today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -quietDays && days <= quietDays) {
        return;
    }
    const QMessageBox::StandardButton answer = MessageBoxes::questionYesNo(parent, QString::fromLatin1(updateQuestion));
    storeReminderDate(*settings, today);
    if (answer == QMessageBox::Yes) {
        OpenUpdatePage();
    }
}
