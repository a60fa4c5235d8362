#include "desktop/LinkLabel.h"
#include "entry/window/FrmMain.h"
#include "entry/window/FrmTimeZone.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/window/FrmResult.h"
#include "report/window/FrmSave.h"
#include "shell/FrmAbout.h"
#include "shell/FrmExitScreen.h"
#include "tests/support/Deadline.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/RequireChild.h"
#include "tests/support/SeamFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <functional>
#include <memory>

// Keyboard and screen-reader access to every window: each control that takes the focus has a name a screen reader
// can speak, Tab reaches every control the user can work, and no two access keys of a window collide.

namespace {

enum class Window { Entry, Result, Report, TimeZone, About, ExitScreen };

std::unique_ptr<QWidget> openWindow(Window window)
{
    switch (window) {
    case Window::Entry:
        return std::make_unique<FrmMain>();
    case Window::Result:
        setCurrentReading(QStringLiteral("Vishakha"));
        return std::make_unique<FrmResult>();
    case Window::Report:
        return std::make_unique<FrmSave>();
    case Window::TimeZone:
        return std::make_unique<FrmTimeZone>();
    case Window::About:
        return std::make_unique<FrmAbout>();
    case Window::ExitScreen:
        return std::make_unique<FrmExitScreen>();
    }
    return nullptr;
}

QString describe(const QObject* object)
{
    return QStringLiteral("%1 (%2)").arg(object->objectName(), QString::fromLatin1(object->metaObject()->className()));
}

QString describe(QAccessibleInterface* node)
{
    if (node->object() != nullptr) {
        return describe(node->object());
    }
    QAccessibleInterface* parent = node->parent();
    const QString owner = parent != nullptr && parent->object() != nullptr ? describe(parent->object()) : QString();
    return QStringLiteral("item with role %1 inside %2").arg(int(node->role())).arg(owner);
}

bool acceptsTab(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

struct NamedControl
{
    QString name;
    QString control;
};

// Walks the accessibility tree below `node`. Every control that can take the focus needs a name a screen reader can
// speak (collected in `named` to compare them); what is wrong goes to `problems`.
void collectNames(QAccessibleInterface* node, const QWidget* window, QStringList* problems, QList<NamedControl>* named)
{
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    // A combo box's drop-down list is a popup window of its own, announced as part of its combo box.
    if (widget != nullptr && widget->window() != window) {
        return;
    }
    // A widget that hands its focus on (a tab control to its tab strip) is never focused itself.
    const bool handsFocusOn = widget != nullptr && widget->focusProxy() != nullptr;
    const bool focusable = !handsFocusOn && (node->state().focusable || (widget != nullptr && acceptsTab(widget)));
    const QString name = node->text(QAccessible::Name).trimmed();
    if (focusable && name.isEmpty()) {
        problems->append(describe(node) + QStringLiteral(" has no accessible name"));
    } else if (focusable && widget != nullptr) {
        // On Linux a combo box is named by its value, whatever name it was given, and gets its meaning from the
        // label it is related to.
        if (name == node->text(QAccessible::Value).trimmed() && name != widget->accessibleName()) {
            if (node->relations(QAccessible::Label).isEmpty()) {
                problems->append(describe(node) + QStringLiteral(" is named only by its value and has no label"));
            }
        } else {
            named->append({name, describe(node)});
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            collectNames(child, window, problems, named);
        }
    }
}

// A piece of another control (a table's header, the scroll arrows of a tab strip) is reached with that control.
bool isPartOfAControl(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr && !parent->isWindow();
         parent = parent->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(parent) != nullptr
            || qobject_cast<const QTabBar*>(parent) != nullptr) {
            return true;
        }
    }
    return false;
}

// The controls a user works with; the pieces inside them (a combo box's list, a scroll area's bars) belong to them.
bool isInteractive(const QWidget* widget)
{
    if (isPartOfAControl(widget)) {
        return false;
    }
    return qobject_cast<const QAbstractButton*>(widget) != nullptr || qobject_cast<const QLineEdit*>(widget) != nullptr
        || qobject_cast<const QTextEdit*>(widget) != nullptr || qobject_cast<const QPlainTextEdit*>(widget) != nullptr
        || qobject_cast<const QComboBox*>(widget) != nullptr
        || qobject_cast<const QAbstractItemView*>(widget) != nullptr || qobject_cast<const QTabBar*>(widget) != nullptr
        || qobject_cast<const LinkLabel*>(widget) != nullptr;
}

QList<QWidget*> workableControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && isInteractive(widget) && widget->isVisible() && widget->isEnabled()) {
            controls.append(widget);
        }
    }
    return controls;
}

// The option buttons that exclude one another together with `button` (none when it stands alone).
QList<QAbstractButton*> exclusiveGroup(QAbstractButton* button)
{
    if (const QButtonGroup* group = button->group()) {
        return group->exclusive() ? group->buttons() : QList<QAbstractButton*> {};
    }
    if (!button->autoExclusive() || !button->isCheckable()) {
        return {};
    }
    QList<QAbstractButton*> members;
    for (QAbstractButton* sibling :
         button->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->autoExclusive() && sibling->isCheckable() && sibling->group() == nullptr) {
            members.append(sibling);
        }
    }
    return members;
}

// A group of option buttons is one Tab stop, entered at its chosen button; the arrow keys reach the others.
bool reachedByTab(QWidget* control, const QList<QWidget*>& cycle)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    const QList<QAbstractButton*> group = button != nullptr ? exclusiveGroup(button) : QList<QAbstractButton*> {};
    if (group.size() < 2) {
        return cycle.contains(control);
    }
    const auto chosen = std::ranges::find_if(group, &QAbstractButton::isChecked);
    if (chosen != group.end()) {
        return cycle.contains(*chosen);
    }
    return std::ranges::any_of(group, [&cycle](QAbstractButton* member) { return cycle.contains(member); });
}

QWidget* firstTabStop(QWidget* window)
{
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain()) {
        if (widget->isVisible() && widget->isEnabled() && acceptsTab(widget) && widget->focusProxy() == nullptr) {
            return widget;
        }
    }
    return nullptr;
}

// Presses Tab from the window's focus widget until the focus comes back to it, and returns the widgets the focus
// visited in order. Real key presses, so a control that swallows Tab shows up as the place the walk sticks.
QList<QWidget*> tabCycle(QWidget* window, QString* stuckAt)
{
    QWidget* start = window->focusWidget() != nullptr ? window->focusWidget() : firstTabStop(window);
    if (start == nullptr) {
        return {};
    }
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited {start};
    QWidget* current = start;
    constexpr int enoughPresses = 200;
    for (int press = 0; press < enoughPresses; ++press) {
        QTest::keyClick(current, Qt::Key_Tab);
        QWidget* next = window->focusWidget();
        if (next == current) {
            *stuckAt = describe(current);
            break;
        }
        if (next == start || next == nullptr || visited.contains(next)) {
            break;
        }
        visited.append(next);
        current = next;
    }
    return visited;
}

// The pages of a tab control are only visible one at a time; every page's controls must be reachable while it is
// in front.
void forEachPage(QWidget* window, const std::function<void(const QString&)>& check)
{
    const QList<QTabWidget*> tabControls = window->findChildren<QTabWidget*>();
    if (tabControls.isEmpty()) {
        check(QString());
        return;
    }
    for (QTabWidget* tabs : tabControls) {
        const int previous = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            check(QStringLiteral(" with tab \"%1\" in front").arg(tabs->tabText(page)));
        }
        tabs->setCurrentIndex(previous);
    }
}

// The access key a caption marks with "&", lower case, or an empty string; "&&" shows one "&" and marks nothing.
QString accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) {
            continue;
        }
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

struct KeyOwner
{
    QString key;
    QString owner;
};

// Access keys that share one namespace: the window's buttons, check boxes, option buttons, labels with buddies,
// group box titles, tab captions and the menu bar's own titles.
QList<KeyOwner> windowAccessKeys(QWidget* window)
{
    QList<KeyOwner> keys;
    const auto add = [&keys](const QString& caption, const QString& owner) {
        const QString key = accessKey(caption);
        if (!key.isEmpty()) {
            keys.append({key, QStringLiteral("%1 \"%2\"").arg(owner, caption)});
        }
    };
    const auto inWindow = [window](const QWidget* widget) { return widget->window() == window; };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (inWindow(button)) {
            add(button->text(), describe(button));
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (inWindow(label) && label->buddy() != nullptr) {
            add(label->text(), describe(label));
        }
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (inWindow(group)) {
            add(group->title(), describe(group));
        }
    }
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        for (int tab = 0; inWindow(bar) && tab < bar->count(); ++tab) {
            add(bar->tabText(tab), describe(bar));
        }
    }
    for (QMenuBar* menuBar : window->findChildren<QMenuBar*>()) {
        for (const QAction* title : menuBar->actions()) {
            const QString name = title->menu() != nullptr ? title->menu()->objectName() : title->objectName();
            add(title->text(), QStringLiteral("menu bar title %1").arg(name));
        }
    }
    return keys;
}

// Every key that more than one owner claims, with its owners.
QMap<QString, QStringList> clashes(const QList<KeyOwner>& keys)
{
    QMap<QString, QStringList> owners;
    for (const KeyOwner& key : keys) {
        owners[key.key].append(key.owner);
    }
    owners.removeIf([](const auto& entry) { return entry.value().size() < 2; });
    return owners;
}

QStringList describeClashes(const QMap<QString, QStringList>& clashing)
{
    QStringList described;
    for (auto it = clashing.cbegin(); it != clashing.cend(); ++it) {
        described.append(QStringLiteral("%1 claimed by %2").arg(it.key(), it.value().join(QStringLiteral(" and "))));
    }
    return described;
}

// Items of one menu share a namespace of their own; submenus are checked in turn.
void collectMenuClashes(const QMenu* menu, QStringList* found)
{
    QList<KeyOwner> keys;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            continue;
        }
        const QString key = accessKey(item->text());
        if (!key.isEmpty()) {
            keys.append({key, QStringLiteral("%1 \"%2\"").arg(item->objectName(), item->text())});
        }
        if (item->menu() != nullptr) {
            collectMenuClashes(item->menu(), found);
        }
    }
    for (const QString& clash : describeClashes(clashes(keys))) {
        found->append(QStringLiteral("in menu %1: %2").arg(menu->objectName(), clash));
    }
}

} // namespace

Q_DECLARE_METATYPE(Window)

class AccessibilityTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void initTestCase();

    void focusableControlsHaveNames_data() { addWindowRows(); }
    void focusableControlsHaveNames();
    void tabReachesEveryControl_data() { addWindowRows(); }
    void tabReachesEveryControl();
    void accessKeysAreUnique_data() { addWindowRows(); }
    void accessKeysAreUnique();

private:
    static void addWindowRows();
    static std::unique_ptr<QWidget> showWindow(Window window);
};

void AccessibilityTest::initTestCase()
{
    // Offscreen has no assistive technology asking, so the tree is only built once someone turns it on.
    QAccessible::setActive(true);
}

// One row per window. `order`: controls that Tab must reach in this order (others may come in between).
// `knownClashes`: access keys that the window's fixed captions give to two owners.
void AccessibilityTest::addWindowRows()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("knownClashes");

    QTest::newRow("frmMain") << Window::Entry
                             << QStringList {"txtName",    "cboMonth",    "cboDate",       "cboYear",   "cboHH",
                                             "cboMM",      "cboSS",       "txtMCity",      "txtMState", "txtMCountry",
                                             "cmdBrowser", "txtZoneHour", "txtZoneMinute", "txtLonD",   "txtLonM",
                                             "txtLatD",    "txtLatM",     "cmdRashi",      "cmdOpen"}
                             << QStringList {};
    QTest::newRow("frmResult") << Window::Result
                               << QStringList {"txtAstronomicalName", "txtRullingPlanet", "txtSymbol",
                                               "txtAnimalSymbol"}
                               << QStringList {};
    QTest::newRow("frmSave") << Window::Report << QStringList {"RTB", "cmdSave", "cmdPrint"} << QStringList {};
    QTest::newRow("frmTimeZone") << Window::TimeZone << QStringList {"lstTimeZone", "cmdQuit"} << QStringList {};
    QTest::newRow("frmAbout") << Window::About << QStringList {"lblCoBrand", "lblHomePage", "cmdOK"} << QStringList {};
    QTest::newRow("frmExitScreen") << Window::ExitScreen
                                   << QStringList {"Check1",        "txtName",        "txtEmail",  "txtMessage",
                                                   "txtFriendName", "txtFriendEmail", "cmdSubmit", "cmdClose"}
                                   << QStringList {};
}

// Shown without exec(), so no window blocks the test; active, so the keyboard goes where a user's would.
std::unique_ptr<QWidget> AccessibilityTest::showWindow(Window window)
{
    std::unique_ptr<QWidget> shown = openWindow(window);
    shown->show();
    shown->activateWindow();
    if (!QTest::qWaitForWindowActive(shown.get(), Deadline::eventMs)) {
        return nullptr;
    }
    return shown;
}

void AccessibilityTest::focusableControlsHaveNames()
{
    QFETCH(Window, window);
    const std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(shown.get());
    QVERIFY(root != nullptr);
    QStringList problems;
    QList<NamedControl> named;
    collectNames(root, shown.get(), &problems, &named);

    // Two controls of one window with the same name cannot be told apart by ear.
    QMap<QString, QStringList> byName;
    for (const NamedControl& control : named) {
        byName[control.name].append(control.control);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (it.value().size() > 1) {
            problems.append(QStringLiteral("\"%1\" names %2").arg(it.key(), it.value().join(QStringLiteral(" and "))));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void AccessibilityTest::tabReachesEveryControl()
{
    QFETCH(Window, window);
    QFETCH(QStringList, order);
    const std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);

    QStringList missed;
    forEachPage(shown.get(), [&](const QString& page) {
        QString stuckAt;
        const QList<QWidget*> cycle = tabCycle(shown.get(), &stuckAt);
        if (!stuckAt.isEmpty()) {
            missed.append(QStringLiteral("Tab stays in %1%2").arg(stuckAt, page));
        }
        for (QWidget* control : workableControls(shown.get())) {
            if (!reachedByTab(control, cycle)) {
                missed.append(describe(control) + page);
            }
        }
    });
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached by Tab: ") + missed.join(", ")));

    // Tab goes round in a circle: positions count from the first control of the row's order.
    QString unused;
    QList<QWidget*> cycle = tabCycle(shown.get(), &unused);
    if (!order.isEmpty()) {
        const qsizetype first = cycle.indexOf(requireChild(shown.get(), order.constFirst()));
        QVERIFY2(first >= 0, qPrintable(order.constFirst()));
        std::rotate(cycle.begin(), cycle.begin() + first,
                    cycle.end()); // not ranges: clang-tidy's clang 14 cannot read them for QList
    }
    qsizetype previous = 0;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget* control = requireChild(shown.get(), order.at(i));
        const qsizetype position = cycle.indexOf(control);
        QVERIFY2(position > previous,
                 qPrintable(QStringLiteral("Tab does not reach %1 after %2").arg(order.at(i), order.at(i - 1))));
        previous = position;
    }
}

void AccessibilityTest::accessKeysAreUnique()
{
    QFETCH(Window, window);
    QFETCH(QStringList, knownClashes);
    const std::unique_ptr<QWidget> shown = showWindow(window);
    QVERIFY(shown);

    const QMap<QString, QStringList> clashing = clashes(windowAccessKeys(shown.get()));
    QVERIFY2(clashing.keys() == knownClashes,
             qPrintable(QStringLiteral("clashing access keys: ") + describeClashes(clashing).join("; ")));

    QStringList menuClashes;
    for (const QMenuBar* menuBar : shown->findChildren<QMenuBar*>()) {
        for (const QAction* title : menuBar->actions()) {
            if (title->menu() != nullptr) {
                collectMenuClashes(title->menu(), &menuClashes);
            }
        }
    }
    QVERIFY2(menuClashes.isEmpty(), qPrintable(menuClashes.join("; ")));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
