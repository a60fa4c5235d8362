#include "knowledge/window/PeriodsTab.h"

#include "knowledge/BirthStarGifts.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/window/FrmResult.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SampleBirths.h"
#include "tests/support/SeamFixture.h"
#include "tests/support/WindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        cells.append(item != nullptr ? item->text() : QString());
    }
    return cells;
}

bool rowIsBold(const QTableWidget* table, int row)
{
    const QTableWidgetItem* item = table->item(row, 0);
    return item != nullptr && item->font().bold();
}

// What a row means beyond its dates (running, before the birth, after the 120 years): its tooltip, which a screen
// reader speaks as its description.
QString meaningOf(const QTableWidget* table, int row)
{
    const QTableWidgetItem* item = table->item(row, 0);
    if (item == nullptr) {
        return QStringLiteral("no row %1").arg(row);
    }
    const QString tip = item->toolTip();
    return tip == item->data(Qt::AccessibleDescriptionRole).toString() ? tip
                                                                       : QStringLiteral("tip and description differ");
}

bool isGrey(const QTableWidget* table, int row)
{
    return table->item(row, 0)->foreground().color() == table->palette().color(QPalette::Disabled, QPalette::Text);
}

// The rows of `table` shown in bold, top to bottom.
QList<int> boldRows(const QTableWidget* table)
{
    QList<int> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (rowIsBold(table, row)) {
            rows.append(row);
        }
    }
    return rows;
}

} // namespace

// Swati's birth of 1 January 2000, 12:00 at 5 h 30 min East, throughout: the Moon in Swati's fourth pada, Rahu's
// period running with 4 years, 5 months, 12 days left, in its Venus sub-period (see the knowledge tests).
class PeriodsTabTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void showsTheSyllableTheBalanceAndThePeriods();
    void marksTheSubPeriodRunningAtBirth();
    void marksTheSubPeriodRunningToday_data();
    void marksTheSubPeriodRunningToday();
    void selectingAPeriodShowsItsSubPeriods();
    void keyboardReachesEveryControl();
    void everyControlHasAName();
    void withoutAReadingShowsNothing();
    void fitsTheResultWindow();

private:
    void setUp() override { m_tab = std::make_unique<PeriodsTab>(birthStarGifts(swatiBirth().details)); }
    void tearDown() override { m_tab.reset(); }

    template <typename T>
    T* child(const char* name) const
    {
        return requireChild<T>(m_tab.get(), name);
    }

    std::unique_ptr<PeriodsTab> m_tab;
};

void PeriodsTabTest::showsTheSyllableTheBalanceAndThePeriods()
{
    QCOMPARE(child<QLineEdit>("txtNameSyllable")->text(), QStringLiteral("Ta"));
    const QStringList padas {"Ru रू", "Re रे", "Ro रो", "Ta ता"};
    for (int pada = 1; pada <= 4; ++pada) {
        const QByteArray name = "txtPadaSyllable" + QByteArray::number(pada);
        auto* box = child<QLineEdit>(name.constData());
        QCOMPARE(box->text(), padas[pada - 1]);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->font().bold(), pada == 4);
    }
    const QStringList labels = [this] {
        QStringList texts;
        for (const QLabel* label : m_tab->findChildren<QLabel*>()) {
            if (qobject_cast<QLineEdit*>(label->buddy()) != nullptr
                && label->buddy()->objectName().startsWith(QLatin1String("txtPadaSyllable"))) {
                texts.append(label->text());
            }
        }
        return texts;
    }();
    QCOMPARE(labels, QStringList({"Pada 1", "Pada 2", "Pada 3", "Pada 4 (Birth)"}));

    auto* balance = child<QLineEdit>("txtDashaBalance");
    QCOMPARE(balance->text(), QStringLiteral("Rahu: 4 years, 5 months, 12 days"));
    QVERIFY(balance->isReadOnly() && child<QLineEdit>("txtNameSyllable")->isReadOnly());

    auto* periods = child<QTableWidget>("tblPeriods");
    QCOMPARE(periods->rowCount(), 10);
    QCOMPARE(rowTexts(periods, 0), QStringList({"Rahu", "1 January 2000", "14 June 2004"}));
    QCOMPARE(rowTexts(periods, 1), QStringList({"Jupiter", "14 June 2004", "14 June 2020"}));
    QCOMPARE(rowTexts(periods, 9), QStringList({"Rahu", "15 June 2106", "2 January 2120"}));
    QCOMPARE(periods->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void PeriodsTabTest::marksTheSubPeriodRunningAtBirth()
{
    QVERIFY(child<QRadioButton>("optMarkBirth")->isChecked());
    auto* periods = child<QTableWidget>("tblPeriods");
    QCOMPARE(periods->currentRow(), 0);
    QCOMPARE(boldRows(periods), QList<int> {0});
    QCOMPARE(meaningOf(periods, 0), QStringLiteral("Running at birth"));
    QCOMPARE(meaningOf(periods, 1), QString());
    auto* subs = child<QTableWidget>("tblSubPeriods");
    QCOMPARE(subs->rowCount(), 9);
    QCOMPARE(rowTexts(subs, 0), QStringList({"Rahu", "14 June 1986", "24 February 1989"}));
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(meaningOf(subs, row), QStringLiteral("Over before the birth"));
        QVERIFY(isGrey(subs, row));
    }
    QCOMPARE(rowTexts(subs, 5), QStringList({"Venus", "1 January 2000", "1 January 2001"}));
    QCOMPARE(meaningOf(subs, 5), QStringLiteral("Running at birth"));
    QVERIFY(!isGrey(subs, 5));
    QCOMPARE(rowTexts(subs, 6), QStringList({"Sun", "1 January 2001", "25 November 2001"}));
    QCOMPARE(meaningOf(subs, 6), QString());
    QCOMPARE(boldRows(subs), QList<int> {5});
    QCOMPARE(child<QLabel>("lblSubPeriods")->text(), QStringLiteral("Sub-Periods Of The Rahu Period"));
    QCOMPARE(child<QLabel>("lblRunning")->text(),
             QStringLiteral("Running at birth: the Rahu period and its Venus sub-period."));
}

void PeriodsTabTest::marksTheSubPeriodRunningToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("sub");
    QTest::addColumn<QString>("running");
    QTest::newRow("in Saturn/Ketu") << QDate(2026, 12, 9) << 2 << 2
                                    << "Running today, 9 December 2026: the Saturn period and its Ketu sub-period.";
    QTest::newRow("the day Jupiter begins")
        << QDate(2004, 6, 14) << 1 << 0
        << "Running today, 14 June 2004: the Jupiter period and its Jupiter sub-period.";
    QTest::newRow("before the birth") << QDate(1999, 12, 31) << -1 << -1
                                      << "Today, 31 December 1999, lies before the birth.";
    QTest::newRow("after the 120 years") << QDate(2120, 1, 2) << -1 << -1
                                         << "Today, 2 January 2120, lies beyond the 120 years after the birth.";
}

void PeriodsTabTest::marksTheSubPeriodRunningToday()
{
    QFETCH(QDate, today);
    QFETCH(int, major);
    QFETCH(int, sub);
    QFETCH(QString, running);
    seams().clock.date = today;
    const WindowDriver tab(m_tab.get(), "fraPeriods");
    QVERIFY(tab.showActive());
    QTest::keyClick(m_tab.get(), Qt::Key_D, Qt::AltModifier); // "To&day"
    QTRY_VERIFY(child<QRadioButton>("optMarkToday")->isChecked());

    auto* periods = child<QTableWidget>("tblPeriods");
    auto* subs = child<QTableWidget>("tblSubPeriods");
    QCOMPARE(child<QLabel>("lblRunning")->text(), running);
    if (major < 0) {
        QCOMPARE(boldRows(periods), QList<int>());
        QCOMPARE(boldRows(subs), QList<int>());
        return;
    }
    QCOMPARE(periods->currentRow(), major);
    QCOMPARE(boldRows(periods), QList<int> {major});
    QCOMPARE(boldRows(subs), QList<int> {sub});
    QCOMPARE(meaningOf(subs, sub), QStringLiteral("Running today"));
    QCOMPARE(meaningOf(periods, major), QStringLiteral("Running today"));

    // Back to the birth: its period comes up again with its mark.
    QTest::keyClick(m_tab.get(), Qt::Key_I, Qt::AltModifier); // "At B&irth"
    QTRY_COMPARE(periods->currentRow(), 0);
    QCOMPARE(boldRows(subs), QList<int> {5});
    QCOMPARE(meaningOf(subs, 5), QStringLiteral("Running at birth"));
}

void PeriodsTabTest::selectingAPeriodShowsItsSubPeriods()
{
    const WindowDriver tab(m_tab.get(), "fraPeriods");
    QVERIFY(tab.showActive());
    auto* periods = child<QTableWidget>("tblPeriods");
    periods->setFocus(Qt::TabFocusReason);
    QTest::keyClick(periods, Qt::Key_Down);
    QCOMPARE(periods->currentRow(), 1);
    auto* subs = child<QTableWidget>("tblSubPeriods");
    QCOMPARE(child<QLabel>("lblSubPeriods")->text(), QStringLiteral("Sub-Periods Of The Jupiter Period"));
    QCOMPARE(subs->rowCount(), 9);
    // By hand: Jupiter/Jupiter lasts 16 x 16 / 120 = 2.1333 years = 779.2 days from 14 June 2004 07:26, and
    // Jupiter/Rahu, the last, 16 x 18 / 120 = 2.4 years = 876.6 days up to 14 June 2020 07:26.
    QCOMPARE(rowTexts(subs, 0), QStringList({"Jupiter", "14 June 2004", "2 August 2006"}));
    QCOMPARE(rowTexts(subs, 8), QStringList({"Rahu", "19 January 2018", "14 June 2020"}));
    QCOMPARE(meaningOf(subs, 0), QString());
    // The birth's period keeps its mark; none of Jupiter's sub-periods ran at birth.
    QCOMPARE(boldRows(periods), QList<int> {0});
    QCOMPARE(boldRows(subs), QList<int>());
    QTest::keyClick(periods, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(child<QLabel>("lblSubPeriods")->text(), QStringLiteral("Sub-Periods Of The Rahu Period"));
    QCOMPARE(rowTexts(subs, 5), QStringList({"Venus", "2 January 2118", "2 January 2120"}));
    QCOMPARE(meaningOf(subs, 5), QString());
    QCOMPARE(meaningOf(subs, 6), QStringLiteral("Begins after the 120 years"));
    QVERIFY(isGrey(subs, 6) && !isGrey(subs, 5));
}

void PeriodsTabTest::keyboardReachesEveryControl()
{
    const WindowDriver tab(m_tab.get(), "fraPeriods");
    QVERIFY(tab.showActive());
    child<QLineEdit>("txtNameSyllable")->setFocus(Qt::TabFocusReason);
    QStringList reached {QApplication::focusWidget()->objectName()};
    for (int presses = 0; presses < 9; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    // Tab stops at the chosen one of the two options; the arrows move between them.
    QCOMPARE(
        reached,
        QStringList({"txtNameSyllable", "txtPadaSyllable1", "txtPadaSyllable2", "txtPadaSyllable3", "txtPadaSyllable4",
                     "txtDashaBalance", "optMarkBirth", "tblPeriods", "tblSubPeriods", "txtNameSyllable"}));
    QStringList chain;
    for (const QWidget* widget : m_tab->focusChain()) {
        chain.append(widget->objectName());
    }
    QCOMPARE(
        chain,
        QStringList({"txtNameSyllable", "txtPadaSyllable1", "txtPadaSyllable2", "txtPadaSyllable3", "txtPadaSyllable4",
                     "txtDashaBalance", "optMarkBirth", "optMarkToday", "tblPeriods", "tblSubPeriods"}));
}

void PeriodsTabTest::everyControlHasAName()
{
    QStringList names;
    for (QWidget* widget : m_tab->focusChain()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(node != nullptr);
        const QString name = node->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.append(name);
    }
    QCOMPARE(
        QAccessible::queryAccessibleInterface(child<QLineEdit>("txtPadaSyllable4"))->text(QAccessible::Description),
        QStringLiteral("The pada of the birth"));
}

void PeriodsTabTest::withoutAReadingShowsNothing()
{
    m_tab = std::make_unique<PeriodsTab>(BirthStarGifts());
    QCOMPARE(child<QLineEdit>("txtNameSyllable")->text(), QString());
    QCOMPARE(child<QLineEdit>("txtPadaSyllable1")->text(), QString());
    QCOMPARE(child<QLineEdit>("txtDashaBalance")->text(), QString());
    QCOMPARE(child<QTableWidget>("tblPeriods")->rowCount(), 0);
    QCOMPARE(child<QTableWidget>("tblSubPeriods")->rowCount(), 0);
    child<QRadioButton>("optMarkToday")->click();
    QCOMPARE(child<QLabel>("lblRunning")->text(), QString());
}

// The window holds the tab after its six: it must not need more room than they do, and stays within a 1024 x 768
// screen.
void PeriodsTabTest::fitsTheResultWindow()
{
    setCurrentReading(QStringLiteral("Swati"));
    currentGifts = birthStarGifts(swatiBirth().details);
    const auto resetGifts = qScopeGuard([] { currentGifts = BirthStarGifts(); });
    FrmResult window;
    const QSize minimum = window.minimumSizeHint();
    QVERIFY(minimum.width() <= 1024 && minimum.height() <= 740);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SST"));
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->count(), 7);
    QCOMPARE(tabs->tabText(6), PeriodsTab::caption());
    tabs->setCurrentIndex(6);
    window.resize(minimum);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), minimum);
    auto* page = tabs->widget(6)->findChild<PeriodsTab*>();
    QVERIFY(page != nullptr); // made when its tab was first shown
    const QSize needed = page->minimumSizeHint();
    QVERIFY2(needed.width() <= page->width() && needed.height() <= page->height(),
             qPrintable(QStringLiteral("needs %1 x %2, has %3 x %4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(page->width())
                            .arg(page->height())));

    // At its smallest the window still shows whole rows of both tables, every column wide enough for its dates.
    for (const char* name : {"tblPeriods", "tblSubPeriods"}) {
        auto* table = requireChild<QTableWidget>(&window, name);
        QVERIFY2(table->horizontalScrollBar()->maximum() == 0, name);
        QVERIFY2(table->viewport()->height() >= 5 * table->rowHeight(0), name);
    }
    // The marked sub-period is scrolled into view.
    auto* subs = requireChild<QTableWidget>(&window, "tblSubPeriods");
    QTRY_VERIFY(subs->viewport()->rect().contains(subs->visualItemRect(subs->item(5, 0))));
    currentProfile = NakshatraProfile();
}

QTEST_MAIN(PeriodsTabTest)
#include "PeriodsTabTest.moc"
