#include "tests/support/FrmTimeZoneDriver.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

FrmTimeZoneDriver::FrmTimeZoneDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmTimeZone", where)
{
}

QListWidget* FrmTimeZoneDriver::zoneList() const
{
    return child<QListWidget>("lstTimeZone");
}

QAbstractButton* FrmTimeZoneDriver::quitButton() const
{
    return child<QAbstractButton>("cmdQuit");
}

void FrmTimeZoneDriver::doubleClickRow(int row) const
{
    QListWidget* list = zoneList();
    QListWidgetItem* item = list->item(row);
    if (item == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("the zone list has no row %1").arg(row)), __FILE__, __LINE__);
        return;
    }
    list->scrollToItem(item);
    // A real double-click starts with a click; QTest's widget double-click sends only the second half.
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

void FrmTimeZoneDriver::chooseWithEnter(int row) const
{
    QListWidget* list = zoneList();
    list->setFocus();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
}
