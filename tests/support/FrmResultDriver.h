#pragma once

#include "tests/support/WindowDriver.h"

#include <QImage>

class QLabel;
class QTabWidget;

// Drives the result window, frmResult.
class FrmResultDriver : public WindowDriver
{
public:
    explicit FrmResultDriver(QWidget* window, CallSite where = CallSite());

    // The nakshatra's name above the picture, and the picture.
    QString shownNakshatra() const { return textOf("lblNakshatra"); }
    QImage picture() const;
    // The sky picture, and the picture as it paints itself into an image at `devicePixelRatio`.
    QWidget* skyPicture() const;
    QImage renderedSky(qreal devicePixelRatio) const;
    QTabWidget* tabs() const;
    void showTab(int index) const;

    // The one label whose buddy is the box `boxName`; fails the test when there is none or more than one.
    QLabel* labelOf(const char* boxName) const;
};
