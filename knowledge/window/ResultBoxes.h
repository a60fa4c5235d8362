#pragma once

#include "knowledge/ReadingDescription.h"

#include <QList>
#include <QString>

class QGridLayout;
class QTabWidget;
class QWidget;

// The result window's boxes: the profile's 21 attributes and the reading's margin (pada, Moon sign, the star's
// period), each made from one row of a table that gives its name, label, tooltip and place, and filled from the
// reading's description. Labels and tooltips are shown as the tables write them, odd spellings and trailing blanks
// included, since users and help pages quote them.
namespace ResultBoxes {

// The captions of the six tabs, the profile's five and the About Software tab, in their order.
QString tabCaption(int tab);
// The caption of the first tab once a star is shown: "More About Rohini Nakshatra".
QString firstTabCaption(const QString& nakshatraName);
constexpr int profileTabCount = 5;
constexpr int aboutTab = 5;

// The four boxes shown above the tabs, each after its label, in rows of the grid.
void addTopBoxes(QGridLayout* grid);
// The margin's boxes under them, from the grid's next free row: the pada and the sign on one row, the period under.
void addMarginBoxes(QGridLayout* grid);
// The boxes of profile tab 0 to 4, laid out on a page of their own.
QWidget* makeTabPage(int tab);

// The boxes in the order the Tab key walks them: the top boxes, the margin's, the tab strip, then each tab top to
// bottom, left column first. The boxes are found among the window's children.
QList<QWidget*> focusChain(const QWidget* window, QWidget* tabStrip);
// The last box of the last profile tab, after which later tabs put their controls.
QWidget* lastProfileBox(const QWidget* window);

// Writes the profile and the margin into the window's boxes; the period box's accessible description carries the
// caution, so whoever tabs to the period hears it with it.
void showReading(const QWidget* window, const ReadingDescription& reading);

} // namespace ResultBoxes
