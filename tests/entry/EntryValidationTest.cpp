#include "entry/EntryValidation.h"

#include <QTest>

namespace {

// A complete, correct entry: every check passes.
EntryTexts completeEntry()
{
    EntryTexts texts;
    texts.name = QStringLiteral("Asha");
    texts.zoneHour = QStringLiteral("5");
    texts.zoneMinute = QStringLiteral("30");
    texts.longitudeDegrees = QStringLiteral("77");
    texts.longitudeMinutes = QStringLiteral("12");
    texts.latitudeDegrees = QStringLiteral("28");
    texts.latitudeMinutes = QStringLiteral("36");
    texts.monthPosition = 0;
    texts.dayPosition = 0;
    texts.year = 1901;
    return texts;
}

constexpr int noFocus = -1;

// Changes to the complete entry, written as "field=value" pairs so each row reads like the form it describes.
EntryTexts entryWith(const QStringList& changes)
{
    EntryTexts texts = completeEntry();
    for (const QString& change : changes) {
        const QString field = change.section(QLatin1Char('='), 0, 0);
        const QString value = change.section(QLatin1Char('='), 1);
        if (field == QLatin1String("name")) {
            texts.name = value;
        } else if (field == QLatin1String("zoneHour")) {
            texts.zoneHour = value;
        } else if (field == QLatin1String("zoneMinute")) {
            texts.zoneMinute = value;
        } else if (field == QLatin1String("lonD")) {
            texts.longitudeDegrees = value;
        } else if (field == QLatin1String("lonM")) {
            texts.longitudeMinutes = value;
        } else if (field == QLatin1String("latD")) {
            texts.latitudeDegrees = value;
        } else if (field == QLatin1String("latM")) {
            texts.latitudeMinutes = value;
        } else if (field == QLatin1String("date")) {
            // "day month year" as the user reads them: "29 2 1904" is 29 February 1904.
            const QStringList parts = value.split(QLatin1Char(' '));
            texts.dayPosition = parts.at(0).toInt() - 1;
            texts.monthPosition = parts.at(1).toInt() - 1;
            texts.year = parts.at(2).toInt();
        } else {
            QTest::qFail(qPrintable(QStringLiteral("unknown field %1").arg(field)), __FILE__, __LINE__);
        }
    }
    return texts;
}

} // namespace

class EntryValidationTest : public QObject
{
    Q_OBJECT

private slots:
    void checksRunInOrderAndStopAtTheFirstFailure_data();
    void checksRunInOrderAndStopAtTheFirstFailure();
    void numbersMustBeWholeAndFitTheRecord_data();
    void numbersMustBeWholeAndFitTheRecord();
    void firstBadNumberIsReported();
    void boxNumberTakesTheMagnitude_data();
    void boxNumberTakesTheMagnitude();
    void keyFilterLetsOnlyDigitsAndBackspaceType_data();
    void keyFilterLetsOnlyDigitsAndBackspaceType();
};

void EntryValidationTest::checksRunInOrderAndStopAtTheFirstFailure_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("message"); // empty: the entry passes
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("focus");

    const int error = int(EntryIcon::Error);
    const int information = int(EntryIcon::Information);
    const QString wrongFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString wrongThirtyDayMonth = QStringLiteral("Please Enter Correct Date Or Month !");

    QTest::newRow("complete") << QStringList() << QString() << 0 << noFocus;
    QTest::newRow("everything empty") << QStringList {"name=", "zoneHour=", "zoneMinute=", "lonD=",
                                                      "lonM=", "latD=",     "latM=",       "date=31 4 1901"}
                                      << "Please Enter Name" << error << int(EntryField::Name);
    QTest::newRow("name of blanks") << QStringList {"name=   "} << "Please Enter Name" << error
                                    << int(EntryField::Name);
    QTest::newRow("zone minute empty") << QStringList {"zoneMinute="} << "Please Enter Degree and Minute of Time Zone"
                                       << error << int(EntryField::ZoneHour);
    QTest::newRow("zone hour of blanks") << QStringList {"zoneHour=  "} << "Please Enter Degree and Minute of Time Zone"
                                         << error << int(EntryField::ZoneHour);
    QTest::newRow("longitude degrees empty") << QStringList {"lonD=", "latD="} << "Please Enter Degree of Longitude"
                                             << error << int(EntryField::LongitudeDegrees);
    QTest::newRow("longitude minutes empty") << QStringList {"lonM= ", "latM="} << "Please Enter Minute of Longitude"
                                             << error << int(EntryField::LongitudeMinutes);
    QTest::newRow("latitude degrees empty") << QStringList {"latD=", "latM="} << "Please Enter Degree of Latitude"
                                            << error << int(EntryField::LatitudeDegrees);
    QTest::newRow("latitude minutes empty")
        << QStringList {"latM="} << "Please Enter Minute of Latitude" << error << int(EntryField::LatitudeMinutes);
    QTest::newRow("blank box before a wrong date")
        << QStringList {"latM=", "date=31 4 1901"} << "Please Enter Minute of Latitude" << error
        << int(EntryField::LatitudeMinutes);

    QTest::newRow("29 February 1904") << QStringList {"date=29 2 1904"} << QString() << 0 << noFocus;
    QTest::newRow("29 February 2000") << QStringList {"date=29 2 2000"} << QString() << 0 << noFocus;
    QTest::newRow("28 February 1901") << QStringList {"date=28 2 1901"} << QString() << 0 << noFocus;
    QTest::newRow("29 February 1901") << QStringList {"date=29 2 1901"} << wrongFebruary << information << noFocus;
    QTest::newRow("30 February 1904") << QStringList {"date=30 2 1904"} << wrongFebruary << information << noFocus;
    QTest::newRow("31 February 2000") << QStringList {"date=31 2 2000"} << wrongFebruary << information << noFocus;
    QTest::newRow("31 April") << QStringList {"date=31 4 1950"} << wrongThirtyDayMonth << information << noFocus;
    QTest::newRow("31 June") << QStringList {"date=31 6 1950"} << wrongThirtyDayMonth << information << noFocus;
    QTest::newRow("31 September") << QStringList {"date=31 9 1950"} << wrongThirtyDayMonth << information << noFocus;
    QTest::newRow("31 November") << QStringList {"date=31 11 1950"} << wrongThirtyDayMonth << information << noFocus;
    QTest::newRow("30 April") << QStringList {"date=30 4 1950"} << QString() << 0 << noFocus;
    QTest::newRow("31 December") << QStringList {"date=31 12 2050"} << QString() << 0 << noFocus;
    QTest::newRow("31 January") << QStringList {"date=31 1 1901"} << QString() << 0 << noFocus;
    QTest::newRow("no range is enforced")
        << QStringList {"latD=95", "zoneHour=999", "lonM=75"} << QString() << 0 << noFocus;
}

void EntryValidationTest::checksRunInOrderAndStopAtTheFirstFailure()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(int, focus);

    const std::optional<EntryFailure> failure = validateEntry(entryWith(changes));
    if (message.isEmpty()) {
        QVERIFY2(!failure, qPrintable(failure ? failure->message : QString()));
        return;
    }
    QVERIFY(failure);
    QCOMPARE(failure->message, message);
    QCOMPARE(int(failure->icon), icon);
    QCOMPARE(failure->focus ? int(*failure->focus) : noFocus, focus);
}

void EntryValidationTest::numbersMustBeWholeAndFitTheRecord_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("message"); // empty: the numbers pass
    QTest::addColumn<int>("focus");

    const QString zoneHours = QStringLiteral("The hours of the time zone must be a whole number from 0 to 32767.");
    const QString zoneMinutes = QStringLiteral("The minutes of the time zone must be a whole number from 0 to 32767.");
    const QString lonDegrees = QStringLiteral("The degree of longitude must be a whole number from 0 to 32767.");
    const QString lonMinutes = QStringLiteral("The minute of longitude must be a whole number from 0 to 32767.");
    const QString latDegrees = QStringLiteral("The degree of latitude must be a whole number from 0 to 32767.");
    const QString latMinutes = QStringLiteral("The minute of latitude must be a whole number from 0 to 32767.");

    QTest::newRow("largest number") << QStringList {"lonD=32767"} << QString() << noFocus;
    QTest::newRow("blanks around") << QStringList {"latD= 12 "} << QString() << noFocus;
    QTest::newRow("picker's signs") << QStringList {"zoneHour=-5", "zoneMinute=-30"} << QString() << noFocus;
    QTest::newRow("long run of digits") << QStringList {"lonD=99999"} << lonDegrees
                                        << int(EntryField::LongitudeDegrees);
    QTest::newRow("one past the largest")
        << QStringList {"lonM=32768"} << lonMinutes << int(EntryField::LongitudeMinutes);
    QTest::newRow("pasted letter") << QStringList {"latM=1a"} << latMinutes << int(EntryField::LatitudeMinutes);
    QTest::newRow("blank inside") << QStringList {"latD=1 2"} << latDegrees << int(EntryField::LatitudeDegrees);
    QTest::newRow("decimal point") << QStringList {"zoneMinute=5.5"} << zoneMinutes << int(EntryField::ZoneMinute);
    QTest::newRow("minus in a coordinate")
        << QStringList {"lonD=-77"} << lonDegrees << int(EntryField::LongitudeDegrees);
    QTest::newRow("sign alone") << QStringList {"zoneHour=-"} << zoneHours << int(EntryField::ZoneHour);
    QTest::newRow("two signs") << QStringList {"zoneHour=--5"} << zoneHours << int(EntryField::ZoneHour);
    QTest::newRow("plus sign") << QStringList {"zoneHour=+5"} << zoneHours << int(EntryField::ZoneHour);
    QTest::newRow("sign after digits") << QStringList {"zoneMinute=30-"} << zoneMinutes << int(EntryField::ZoneMinute);
    QTest::newRow("digits of another script")
        << QStringList {QStringLiteral("lonM=\u0663")} << lonMinutes << int(EntryField::LongitudeMinutes);
}

void EntryValidationTest::numbersMustBeWholeAndFitTheRecord()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    QFETCH(int, focus);

    const EntryTexts texts = entryWith(changes);
    QVERIFY(!validateEntry(texts)); // the number check comes after the eight checks, which all pass here
    const std::optional<EntryFailure> failure = checkNumbers(texts);
    if (message.isEmpty()) {
        QVERIFY2(!failure, qPrintable(failure ? failure->message : QString()));
        return;
    }
    QVERIFY(failure);
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->icon, EntryIcon::Error);
    QCOMPARE(failure->focus ? int(*failure->focus) : noFocus, focus);
}

void EntryValidationTest::firstBadNumberIsReported()
{
    const std::optional<EntryFailure> failure = checkNumbers(entryWith({"latM=x", "lonD=99999", "zoneMinute=1e3"}));
    QVERIFY(failure);
    QVERIFY(failure->focus == EntryField::ZoneMinute);
}

void EntryValidationTest::boxNumberTakesTheMagnitude_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("signAllowed");
    QTest::addColumn<int>("expected"); // -1: refused

    QTest::newRow("zero") << "0" << false << 0;
    QTest::newRow("leading zeros") << "007" << false << 7;
    QTest::newRow("many leading zeros") << "000000000000000000012" << false << 12;
    QTest::newRow("largest") << "32767" << false << 32767;
    QTest::newRow("too large") << "32768" << false << -1;
    QTest::newRow("far too large") << "99999999999999999999" << false << -1;
    QTest::newRow("picker hours") << "-10" << true << 10;
    QTest::newRow("picker minutes") << "-30" << true << 30;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("sign where none is allowed") << "-10" << false << -1;
    QTest::newRow("blank after sign") << "- 5" << true << -1;
    QTest::newRow("empty") << "" << true << -1;
}

void EntryValidationTest::boxNumberTakesTheMagnitude()
{
    QFETCH(QString, text);
    QFETCH(bool, signAllowed);
    QFETCH(int, expected);

    const std::optional<std::int16_t> number = boxNumber(text, signAllowed);
    QCOMPARE(number ? int(*number) : -1, expected);
}

void EntryValidationTest::keyFilterLetsOnlyDigitsAndBackspaceType_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("verdict");

    const int type = int(NumericKey::Type);
    const int pass = int(NumericKey::Pass);
    const int refuse = int(NumericKey::Refuse);

    QTest::newRow("0") << int(Qt::Key_0) << "0" << type;
    QTest::newRow("9") << int(Qt::Key_9) << "9" << type;
    QTest::newRow("code 47 /") << int(Qt::Key_Slash) << "/" << refuse;
    QTest::newRow("code 58 :") << int(Qt::Key_Colon) << ":" << refuse;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << type;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << refuse;
    QTest::newRow("decimal point") << int(Qt::Key_Period) << "." << refuse;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << refuse;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << refuse;
    QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << refuse;
    QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << refuse;
    QTest::newRow("paste shortcut") << int(Qt::Key_V) << "\x16" << refuse;
    QTest::newRow("digits together") << 0 << "12" << type;
    QTest::newRow("digit and letter together") << 0 << "1a" << refuse;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << "" << pass;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << pass;
    QTest::newRow("shift") << int(Qt::Key_Shift) << "" << pass;
    QTest::newRow("delete with a control code") << int(Qt::Key_Delete) << "\x7f" << pass;
    QTest::newRow("tab") << int(Qt::Key_Tab) << "\t" << pass;
    QTest::newRow("backtab") << int(Qt::Key_Backtab) << "\t" << pass;
}

void EntryValidationTest::keyFilterLetsOnlyDigitsAndBackspaceType()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, verdict);

    QCOMPARE(int(classifyNumericKey(key, text)), verdict);
}

QTEST_GUILESS_MAIN(EntryValidationTest)
#include "EntryValidationTest.moc"
