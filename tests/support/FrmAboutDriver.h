#pragma once

#include "tests/support/WindowDriver.h"

// Drives the about box, frmAbout.
class FrmAboutDriver : public WindowDriver
{
public:
    explicit FrmAboutDriver(QWidget* window, CallSite where = CallSite());

    void pressOk() const { click("cmdOK"); }
};
