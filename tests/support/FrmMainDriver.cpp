#include "tests/support/FrmMainDriver.h"

#include "tests/support/FrmTimeZoneDriver.h"
#include "tests/support/ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

QString digits(int value)
{
    return QString::number(value);
}

} // namespace

TypedEntry TypedEntry::of(const BirthData& birth)
{
    TypedEntry entry;
    entry.name = QString::fromStdString(birth.name);
    entry.monthPosition = birth.month - 1;
    entry.day = digits(birth.day);
    entry.year = digits(birth.year);
    entry.hour = digits(birth.hour);
    entry.minute = digits(birth.minute);
    entry.zoneHour = digits(birth.zoneHours);
    entry.zoneMinute = digits(birth.zoneMinutes);
    entry.lonD = digits(birth.longitudeDegrees);
    entry.lonM = digits(birth.longitudeMinutes);
    entry.latD = digits(birth.latitudeDegrees);
    entry.latM = digits(birth.latitudeMinutes);
    entry.east = birth.isEast;
    entry.south = birth.isSouth;
    entry.dst = birth.daylightSaving;
    return entry;
}

const QStringList FrmMainDriver::textBoxes = {"txtName", "txtZoneHour", "txtZoneMinute", "txtLonD",   "txtLonM",
                                              "txtLatD", "txtLatM",     "txtMCity",      "txtMState", "txtMCountry"};
const QStringList FrmMainDriver::numericBoxes
    = {"txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM"};
const QStringList FrmMainDriver::lists = {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"};

FrmMainDriver::FrmMainDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmMain", where)
{
}

QLineEdit* FrmMainDriver::box(const char* name, CallSite where) const
{
    return child<QLineEdit>(name, where);
}

QComboBox* FrmMainDriver::list(const char* name, CallSite where) const
{
    return child<QComboBox>(name, where);
}

QRadioButton* FrmMainDriver::option(const char* name, CallSite where) const
{
    return child<QRadioButton>(name, where);
}

QCheckBox* FrmMainDriver::dstBox() const
{
    return child<QCheckBox>("chkDST");
}

QAction* FrmMainDriver::action(const char* name, CallSite where) const
{
    return child<QAction>(name, where);
}

void FrmMainDriver::fill(const TypedEntry& entry) const
{
    QTest::keyClicks(box("txtName"), entry.name);
    list("cboMonth")->setCurrentIndex(entry.monthPosition);
    list("cboDate")->setCurrentText(entry.day);
    list("cboYear")->setCurrentText(entry.year);
    list("cboHH")->setCurrentText(entry.hour);
    list("cboMM")->setCurrentText(entry.minute);
    QTest::keyClicks(box("txtZoneHour"), entry.zoneHour);
    QTest::keyClicks(box("txtZoneMinute"), entry.zoneMinute);
    QTest::keyClicks(box("txtLonD"), entry.lonD);
    QTest::keyClicks(box("txtLonM"), entry.lonM);
    QTest::keyClicks(box("txtLatD"), entry.latD);
    QTest::keyClicks(box("txtLatM"), entry.latM);
    click(entry.east ? "optLongEast" : "optLongWest");
    click(entry.south ? "optLatSouth" : "optLatNorth");
    if (dstBox()->isChecked() != entry.dst) {
        click("chkDST");
    }
}

QStringList FrmMainDriver::fieldTexts() const
{
    QStringList texts;
    for (const QString& name : textBoxes) {
        texts << box(qPrintable(name))->text();
    }
    for (const QString& name : lists) {
        texts << list(qPrintable(name))->currentText();
    }
    for (const char* name : {"optLongEast", "optLatSouth"}) {
        texts << QString::number(int(option(name)->isChecked()));
    }
    texts << QString::number(int(dstBox()->isChecked()));
    return texts;
}

bool FrmMainDriver::withTimeZonePicker(const std::function<void(FrmTimeZoneDriver&)>& act, QString* problem) const
{
    const auto picker = ModalDriver::whenShown<QDialog>(QStringLiteral("frmTimeZone"), [&act](QDialog* dialog) {
        FrmTimeZoneDriver driver(dialog);
        act(driver);
    });
    click("lblTZHelp");
    const bool finished = picker->finish();
    *problem = picker->problem();
    return finished;
}
