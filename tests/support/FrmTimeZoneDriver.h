#pragma once

#include "tests/support/WindowDriver.h"

class QAbstractButton;
class QListWidget;

// Drives the time zone picker, frmTimeZone.
class FrmTimeZoneDriver : public WindowDriver
{
public:
    explicit FrmTimeZoneDriver(QWidget* window, CallSite where = CallSite());

    QListWidget* zoneList() const;
    QAbstractButton* quitButton() const;

    // A user's double-click on the entry at `row`: a click, then the double-click.
    void doubleClickRow(int row) const;
    // Selects the entry at `row` and presses Enter in the list.
    void chooseWithEnter(int row) const;
};
