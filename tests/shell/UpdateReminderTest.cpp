#include "shell/UpdateReminder.h"

#include "desktop/MessageBoxes.h"
#include "desktop/WebAddresses.h"
#include "report/Scrambling.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SeamFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

namespace {

// The setting as the program keeps it: section "Settings", key and value passed through the text scrambling.
QString settingKey()
{
    return QStringLiteral("Settings/") + scrambleText(QStringLiteral("Duration"));
}

} // namespace

class UpdateReminderTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void asksOnlyBeyondFourteenDays_data();
    void asksOnlyBeyondFourteenDays();
    void firstStartStoresTodayAndAsksNothing();
    void answerDecidesAboutTheDownloadPage_data();
    void answerDecidesAboutTheDownloadPage();
    void unreadableDateCountsAsFirstStart_data();
    void unreadableDateCountsAsFirstStart();
    void damagedSettingsFileDoesNotStopStartUp_data();
    void damagedSettingsFileDoesNotStopStartUp();
    void questionShowsOnTwoLines();

private:
    void storeRaw(const QString& value) const;
    void storeDate(QDate date) const;
    QString storedText() const;
    QDate today() const { return seams().clock.date; }
    void tearDown() override { QLocale::setDefault(QLocale::c()); }
};

void UpdateReminderTest::storeRaw(const QString& value) const
{
    QSettings settings(seams().settingsFile(), QSettings::IniFormat);
    settings.setValue(settingKey(), value);
}

void UpdateReminderTest::storeDate(QDate date) const
{
    storeRaw(scrambleText(QLocale().toString(date, QLocale::ShortFormat)));
}

QString UpdateReminderTest::storedText() const
{
    QSettings settings(seams().settingsFile(), QSettings::IniFormat);
    return unscrambleText(settings.value(settingKey()).toString());
}

void UpdateReminderTest::asksOnlyBeyondFourteenDays_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("daysFromToday");
    QTest::addColumn<bool>("asks");
    // "M/d/yy" and "dd.MM.yy" carry two-digit years, "d MMM yyyy" four.
    for (const char* locale : {"C", "en_US", "de_DE"}) {
        const auto row = [locale](const char* name, int days, bool asks) {
            QTest::addRow("%s, %s", locale, name) << QString::fromLatin1(locale) << days << asks;
        };
        row("today", 0, false);
        row("14 days ago", -14, false);
        row("15 days ago", -15, true);
        row("14 days ahead", 14, false);
        row("15 days ahead", 15, true);
        row("a year ago", -365, true);
    }
}

void UpdateReminderTest::asksOnlyBeyondFourteenDays()
{
    QFETCH(QString, locale);
    QFETCH(int, daysFromToday);
    QFETCH(bool, asks);
    QLocale::setDefault(QLocale(locale));
    storeDate(today().addDays(daysFromToday));
    if (asks) {
        seams().messages.queueAnswer(QMessageBox::No);
    }

    RemindOfUpdate();

    QCOMPARE(seams().messages.shown.size(), asks ? 1 : 0);
    if (asks) {
        const MessageRequest& question = seams().messages.shown.constFirst();
        QCOMPARE(question.text,
                 QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.title, QStringLiteral("Ondara"));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    const QDate expectedStored = asks ? today() : today().addDays(daysFromToday);
    QCOMPARE(storedText(), QLocale().toString(expectedStored, QLocale::ShortFormat));
    QVERIFY(seams().urls.opened.isEmpty());
}

void UpdateReminderTest::firstStartStoresTodayAndAsksNothing()
{
    RemindOfUpdate();
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(storedText(), QLocale().toString(today(), QLocale::ShortFormat));
    QCOMPARE(readReminderDate(storedText(), today()), today());

    // The next start on the same day asks nothing either.
    RemindOfUpdate();
    QVERIFY(seams().messages.shown.isEmpty());
}

void UpdateReminderTest::answerDecidesAboutTheDownloadPage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << QStringList {QString::fromLatin1(WebAddresses::updatePage)};
    QTest::newRow("No") << int(QMessageBox::No) << QStringList();
}

void UpdateReminderTest::answerDecidesAboutTheDownloadPage()
{
    QFETCH(int, answer);
    QFETCH(QStringList, opened);
    storeDate(today().addDays(-30));
    seams().messages.queueAnswer(static_cast<QMessageBox::StandardButton>(answer));

    RemindOfUpdate();

    QCOMPARE(seams().urls.openedStrings(), opened);
    QCOMPARE(storedText(), QLocale().toString(today(), QLocale::ShortFormat));
    // Either answer puts the next question 15 days off.
    seams().clock.date = today().addDays(14);
    RemindOfUpdate();
    QCOMPARE(seams().messages.shown.size(), 1);
}

void UpdateReminderTest::unreadableDateCountsAsFirstStart_data()
{
    QTest::addColumn<QString>("storedValue");
    QTest::addColumn<QString>("readingLocale");
    const QDate longAgo(2025, 3, 1);
    QTest::newRow("date format changed since")
        << scrambleText(QLocale(QStringLiteral("de_DE")).toString(longAgo, QLocale::ShortFormat)) << "en_US";
    QTest::newRow("no date at all") << scrambleText(QStringLiteral("yesterday")) << "C";
    QTest::newRow("stored unscrambled") << QLocale::c().toString(longAgo, QLocale::ShortFormat) << "C";
}

void UpdateReminderTest::unreadableDateCountsAsFirstStart()
{
    QFETCH(QString, storedValue);
    QFETCH(QString, readingLocale);
    storeRaw(storedValue);
    QLocale::setDefault(QLocale(readingLocale));

    RemindOfUpdate();

    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(storedText(), QLocale().toString(today(), QLocale::ShortFormat));
    // From now on the reminder counts from today again.
    seams().clock.date = today().addDays(15);
    seams().messages.queueAnswer(QMessageBox::No);
    RemindOfUpdate();
    QCOMPARE(seams().messages.shown.size(), 1);
}

void UpdateReminderTest::damagedSettingsFileDoesNotStopStartUp_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder stands where the file should be
    QTest::newRow("binary junk") << QByteArray("\x00\xff\x13[Settings\n=\x80\x81===\n\xfe", 15);
    QTest::newRow("section without end") << QByteArray("[Settings\nDuration=1/2/3\n");
    QTest::newRow("folder in its place") << QByteArray();
}

void UpdateReminderTest::damagedSettingsFileDoesNotStopStartUp()
{
    QFETCH(QByteArray, content);
    if (content.isEmpty()) {
        QVERIFY(QDir().mkpath(seams().settingsFile()));
    } else {
        QFile file(seams().settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    RemindOfUpdate();
    RemindOfUpdate();

    QVERIFY(seams().messages.shown.isEmpty());
}

// The real message box: the question's carriage return must break the line on screen.
void UpdateReminderTest::questionShowsOnTwoLines()
{
    storeDate(today().addDays(-20));
    MessageBoxes::setInstance(nullptr);
    QString shownText;
    const auto question = ModalDriver::whenShown<QMessageBox>(QString(), [&shownText](QMessageBox* box) {
        shownText = box->text();
        box->button(QMessageBox::No)->click();
    });

    RemindOfUpdate();

    QVERIFY2(question->finish(), qPrintable(question->problem()));
    QCOMPARE(shownText,
             QStringLiteral("There maybe an update to this software available\n"
                            "Do you want to check for an update?"));
    QVERIFY(seams().urls.opened.isEmpty());
}

QTEST_MAIN(UpdateReminderTest)
#include "UpdateReminderTest.moc"
