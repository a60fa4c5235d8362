#pragma once

#include "tests/support/WindowDriver.h"

class QTextEdit;

// Drives the report window, frmSave.
class FrmSaveDriver : public WindowDriver
{
public:
    explicit FrmSaveDriver(QWidget* window, CallSite where = CallSite());

    QTextEdit* report() const;
    void save() const { click("cmdSave"); }
    void print() const { click("cmdPrint"); }
    // A left press on the character at `index` of the report.
    void pressOnCharacter(int index) const;
};
