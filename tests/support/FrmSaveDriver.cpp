#include "tests/support/FrmSaveDriver.h"

#include "tests/support/TextViewPoints.h"

#include <QTest>
#include <QTextEdit>

FrmSaveDriver::FrmSaveDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmSave", where)
{
}

QTextEdit* FrmSaveDriver::report() const
{
    return child<QTextEdit>("RTB");
}

void FrmSaveDriver::pressOnCharacter(int index) const
{
    QTextEdit* view = report();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, pointOnCharacter(view, index));
}
