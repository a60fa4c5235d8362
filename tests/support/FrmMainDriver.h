#pragma once

#include "engine/BirthData.h"
#include "tests/support/WindowDriver.h"

#include <QString>
#include <QStringList>

#include <functional>

class FrmTimeZoneDriver;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The entry window's fields as a user types them: text for the boxes and the lists' entries, a position for the
// month, and the option buttons and the DST box.
struct TypedEntry
{
    QString name;
    int monthPosition = 0;
    QString day = QStringLiteral("1");
    QString year = QStringLiteral("1901");
    QString hour = QStringLiteral("0");
    QString minute = QStringLiteral("0");
    QString zoneHour;
    QString zoneMinute;
    QString lonD;
    QString lonM;
    QString latD;
    QString latM;
    bool east = false;
    bool south = false;
    bool dst = false;

    // What a user types for `birth`: every number in plain digits.
    static TypedEntry of(const BirthData& birth);
};

// Drives the entry window, frmMain.
class FrmMainDriver : public WindowDriver
{
public:
    explicit FrmMainDriver(QWidget* window, CallSite where = CallSite());

    // The boxes that take text, the numeric ones among them, and the lists, by object name in tab order.
    static const QStringList textBoxes;
    static const QStringList numericBoxes;
    static const QStringList lists;

    QLineEdit* box(const char* name, CallSite where = CallSite()) const;
    QComboBox* list(const char* name, CallSite where = CallSite()) const;
    QRadioButton* option(const char* name, CallSite where = CallSite()) const;
    QCheckBox* dstBox() const;
    QAction* action(const char* name, CallSite where = CallSite()) const;

    // Types the entry into the fields: key clicks for the boxes (which start empty), the lists chosen by entry, the
    // option buttons and the DST box clicked.
    void fill(const TypedEntry& entry) const;
    // Every field's value as text: the text boxes, then the lists, then the East, South and DST states as "0" or "1".
    QStringList fieldTexts() const;

    // "Find My Birth Star", "Open Previously Saved Reading" and "Click Here To Find Latitude && Longitude".
    void findBirthStar() const { click("cmdRashi"); }
    void openSavedReading() const { click("cmdOpen"); }
    void lookUpPlace() const { click("cmdBrowser"); }

    // Clicks "TZ Help" and runs `act` on the time zone picker while it is open; the picker is closed afterwards in
    // any case. False, with the reason in `problem`, when the picker did not open modally or a check failed in `act`.
    [[nodiscard]] bool withTimeZonePicker(const std::function<void(FrmTimeZoneDriver&)>& act, QString* problem) const;
};
