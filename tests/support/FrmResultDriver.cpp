#include "tests/support/FrmResultDriver.h"

#include "tests/support/WidgetImages.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>

FrmResultDriver::FrmResultDriver(QWidget* window, CallSite where)
    : WindowDriver(window, "frmResult", where)
{
}

QImage FrmResultDriver::picture() const
{
    return child<QLabel>("picNakshatra")->pixmap().toImage();
}

QWidget* FrmResultDriver::skyPicture() const
{
    return child<QWidget>("picSky");
}

QImage FrmResultDriver::renderedSky(qreal devicePixelRatio) const
{
    return renderedWidget(*skyPicture(), devicePixelRatio, Qt::transparent);
}

QTabWidget* FrmResultDriver::tabs() const
{
    return child<QTabWidget>("SST");
}

void FrmResultDriver::showTab(int index) const
{
    tabs()->setCurrentIndex(index);
}

QLabel* FrmResultDriver::labelOf(const char* boxName) const
{
    const QWidget* box = child<QWidget>(boxName);
    QList<QLabel*> labels;
    for (QLabel* candidate : m_window->findChildren<QLabel*>()) {
        if (candidate->buddy() == box) {
            labels.append(candidate);
        }
    }
    if (labels.size() != 1) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 labels name the box %2; one should").arg(labels.size()).arg(QLatin1String(boxName))),
            __FILE__, __LINE__);
        return labels.isEmpty() ? RequireChildDetail::standIn<QLabel>() : labels.constFirst();
    }
    return labels.constFirst();
}
