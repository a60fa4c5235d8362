#pragma once

#include <QFont>

#include <functional>

class QAction;
class QBoxLayout;
class QLabel;
class QMainWindow;
class QMenu;
class QObject;
class QPainter;
class QString;

// Pieces that several windows show alike, defined once.

// A menu entry (its caption in UTF-8) or separator with its object name.
QAction* addMenuItem(QMenu* menu, const char* objectName, const char* caption);
void addMenuSeparator(QMenu* menu, const char* objectName);

// A word-wrapped label with its object name.
QLabel* makeWrappedLabel(const char* objectName, const QString& text);

// The pixel ratio of the device a painter draws on: a window's backing store, or an image of its own ratio that a
// widget is rendered into (QPainter::device() names the widget then). What is kept drawn for a ratio is kept for this.
qreal paintedPixelRatio(const QPainter& painter);

// The bold, larger font of a window's title line (the program's name, the nakshatra's name).
QFont titleFont(const QFont& base);

// The "&Help" menu of the main windows (online help, the home page, the update page, then "&About Software", which
// runs `about`), and the action "Make Money &Online", which is never available and so not on the menu bar.
void addHelpMenus(QMainWindow* window, const std::function<void()>& about);

// The end of the about box and of the result window's "About Software" tab: the fully-branded offer line and the two
// links `lblCoBrand` (the offer's page) and `lblHomePage` (the maker's home page).
void addAboutOfferAndLinks(QBoxLayout* layout);
