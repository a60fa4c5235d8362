#include "tests/support/FrmAboutDriver.h"

FrmAboutDriver::FrmAboutDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmAbout", where)
{
}
