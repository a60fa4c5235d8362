#include "knowledge/window/PeriodsTab.h"

#include "desktop/Clock.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int planetColumn = 0;

// The window's boxes come in Verdana 8.25 pt; where it is missing Qt picks the nearest font.
QFont boxFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

QLineEdit* makeBox(const QString& objectName)
{
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setFont(boxFont());
    return box;
}

QLabel* makeLabel(const QString& text, const QString& toolTip, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    label->setToolTip(toolTip);
    label->setBuddy(buddy);
    return label;
}

QTableWidget* makeTable(const char* objectName, const QStringList& headers, const QString& accessibleName)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setObjectName(QString::fromLatin1(objectName));
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move within it
    table->setWordWrap(false);
    table->setFont(boxFont());
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

// A marked row is bold; what it means is spoken with it and shown as its tooltip.
void markRow(QTableWidget* table, int row, bool marked, const QString& meaning)
{
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem* item = table->item(row, column)) {
            QFont font = item->font();
            font.setBold(marked);
            item->setFont(font);
            item->setToolTip(meaning);
            item->setData(Qt::AccessibleDescriptionRole, meaning);
        }
    }
}

// Columns as wide as the widest text each can hold, set in bold as a marked row is, and the table as wide as its
// columns and a vertical scroll bar, so no date is ever cut, whichever rows are marked or scrolled into view.
void fitColumns(QTableWidget* table, const QStringList& widestTexts)
{
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // An item view leaves the focus frame's margin and one pixel on either side of a cell's text.
    const int padding = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) + 2;
    int total = 0;
    for (int column = 0; column < table->columnCount(); ++column) {
        const int width = std::max(metrics.horizontalAdvance(widestTexts.value(column)) + padding,
                                   table->horizontalHeader()->sectionSizeHint(column));
        table->setColumnWidth(column, width);
        total += width;
    }
    table->setMinimumWidth(total + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
}

QString placeText(PeriodPlace place)
{
    switch (place) {
    case PeriodPlace::BeforeBirth:
        return QStringLiteral("Over before the birth");
    case PeriodPlace::AfterCycle:
        return QStringLiteral("Begins after the 120 years");
    case PeriodPlace::Within:
        break;
    }
    return {};
}

QStringList cellsOf(const PeriodRow& row)
{
    return {row.planet, periodDateText(row.start), periodDateText(row.end)};
}

} // namespace

PeriodsTab::PeriodsTab(const BirthStarGifts& gifts, QWidget* parent)
    : QWidget(parent)
    , m_gifts(gifts)
{
    setObjectName(QStringLiteral("fraPeriods"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildSyllables());
    top->addSpacing(12);
    top->addWidget(buildBalance(), 1);
    layout->addLayout(top);
    layout->addWidget(buildMarks());
    layout->addWidget(buildTables(), 1);

    const QList<QWidget*> chain = focusChain();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    fill();
}

QString PeriodsTab::caption()
{
    return QStringLiteral("Name Syllable And Periods");
}

QList<QWidget*> PeriodsTab::focusChain() const
{
    QList<QWidget*> chain {m_txtNameSyllable};
    for (QLineEdit* box : m_padaSyllables) {
        chain.append(box);
    }
    chain << m_txtDashaBalance << m_optMarkBirth << m_optMarkToday << m_tblPeriods << m_tblSubPeriods;
    return chain;
}

QWidget* PeriodsTab::buildSyllables()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_txtNameSyllable = makeBox(QStringLiteral("txtNameSyllable"));
    m_txtNameSyllable->setMaximumWidth(m_txtNameSyllable->fontMetrics().horizontalAdvance(QStringLiteral("Chhaa"))
                                       + 16);
    grid->addWidget(makeLabel(QStringLiteral("Name Syllable"),
                              QStringLiteral("This is the traditional first syllable of a name for the pada of the "
                                             "nakshatra in which the Moon stood at birth."),
                              m_txtNameSyllable),
                    0, 0);
    grid->addWidget(m_txtNameSyllable, 1, 0);
    grid->setColumnMinimumWidth(1, 12);
    const QString padaTip
        = QStringLiteral("These are the syllables of the nakshatra's four padas, in Latin letters and "
                         "in Devanagari; the pada of the birth is marked.");
    for (int pada = 1; pada <= padasPerNakshatra; ++pada) {
        QLineEdit* syllable = makeBox(QStringLiteral("txtPadaSyllable%1").arg(pada));
        syllable->setMaximumWidth(syllable->fontMetrics().horizontalAdvance(QStringLiteral("Chha छ")) + 24);
        QLabel* label = makeLabel(QStringLiteral("Pada %1").arg(pada), padaTip, syllable);
        grid->addWidget(label, 0, pada + 1);
        grid->addWidget(syllable, 1, pada + 1);
        m_padaSyllables.append(syllable);
        m_padaLabels.append(label);
    }
    return box;
}

QWidget* PeriodsTab::buildBalance()
{
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_txtDashaBalance = makeBox(QStringLiteral("txtDashaBalance"));
    column->addWidget(makeLabel(QStringLiteral("Dasha Balance At Birth"),
                                QStringLiteral("This shows the planet whose Vimshottari period was running at birth "
                                               "and what remained of it, in years, months of 30 days and days."),
                                m_txtDashaBalance));
    column->addWidget(m_txtDashaBalance);
    return box;
}

QWidget* PeriodsTab::buildMarks()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(makeLabel(QStringLiteral("Mark The Periods Running"),
                             QStringLiteral("This chooses the moment whose period and sub-period are marked.")));
    m_optMarkBirth = new QRadioButton(QStringLiteral("At B&irth"));
    m_optMarkBirth->setObjectName(QStringLiteral("optMarkBirth"));
    m_optMarkBirth->setAccessibleName(QStringLiteral("Mark the periods running at birth"));
    m_optMarkToday = new QRadioButton(QStringLiteral("To&day"));
    m_optMarkToday->setObjectName(QStringLiteral("optMarkToday"));
    m_optMarkToday->setAccessibleName(QStringLiteral("Mark the periods running today"));
    auto* group = new QButtonGroup(box);
    group->addButton(m_optMarkBirth);
    group->addButton(m_optMarkToday);
    m_optMarkBirth->setChecked(true);
    connect(m_optMarkBirth, &QRadioButton::toggled, this, [this] { markRunning(); });
    row->addWidget(m_optMarkBirth);
    row->addWidget(m_optMarkToday);
    row->addSpacing(12);
    m_lblRunning = new QLabel;
    m_lblRunning->setObjectName(QStringLiteral("lblRunning"));
    m_lblRunning->setWordWrap(true);
    row->addWidget(m_lblRunning, 1);
    return box;
}

QWidget* PeriodsTab::buildTables()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_tblPeriods = makeTable("tblPeriods", {QStringLiteral("Planet"), QStringLiteral("Starts"), QStringLiteral("Ends")},
                             QStringLiteral("Vimshottari periods"));
    grid->addWidget(makeLabel(QStringLiteral("Vimshottari Periods"),
                              QStringLiteral("These are the Vimshottari periods from birth to 120 years after it, "
                                             "dated by the clock of the birth place as entered."),
                              m_tblPeriods),
                    0, 0);
    grid->addWidget(m_tblPeriods, 1, 0);
    connect(m_tblPeriods, &QTableWidget::currentCellChanged, this,
            [this](int currentRow) { showSubPeriods(currentRow); });

    m_tblSubPeriods
        = makeTable("tblSubPeriods", {QStringLiteral("Planet"), QStringLiteral("Starts"), QStringLiteral("Ends")},
                    QStringLiteral("Sub-periods of the selected period"));
    m_lblSubPeriods = makeLabel(QStringLiteral("Sub-Periods"),
                                QStringLiteral("These are the nine sub-periods of the period selected on the left; "
                                               "those in grey were over before the birth or begin after the 120 "
                                               "years."),
                                m_tblSubPeriods);
    m_lblSubPeriods->setObjectName(QStringLiteral("lblSubPeriods"));
    grid->addWidget(m_lblSubPeriods, 0, 1);
    grid->addWidget(m_tblSubPeriods, 1, 1);
    const QString widestPlanet = QStringLiteral("Mercury");
    const QString widestDate = QStringLiteral("30 September 2000");
    for (QTableWidget* table : {m_tblPeriods, m_tblSubPeriods}) {
        fitColumns(table, {widestPlanet, widestDate, widestDate});
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    return box;
}

void PeriodsTab::fill()
{
    m_txtNameSyllable->setText(m_gifts.syllable.latin);
    for (qsizetype i = 0; i < m_padaSyllables.size(); ++i) {
        const NameSyllable syllable = m_gifts.starSyllables.value(i);
        const bool birthPada = i + 1 == m_gifts.birthPada;
        QLineEdit* box = m_padaSyllables[i];
        box->setText(syllable.latin.isEmpty() ? QString() : syllable.latin + QLatin1Char(' ') + syllable.devanagari);
        QFont font = box->font();
        font.setBold(birthPada);
        box->setFont(font);
        box->setAccessibleDescription(birthPada ? QStringLiteral("The pada of the birth") : QString());
        m_padaLabels[i]->setText(birthPada ? QStringLiteral("Pada %1 (Birth)").arg(i + 1)
                                           : QStringLiteral("Pada %1").arg(i + 1));
    }
    m_txtDashaBalance->setText(m_gifts.balanceText);
    m_txtDashaBalance->setCursorPosition(0);

    m_tblPeriods->setRowCount(static_cast<int>(m_gifts.majorPeriods.size()));
    for (int row = 0; row < m_tblPeriods->rowCount(); ++row) {
        setRow(m_tblPeriods, row, cellsOf(m_gifts.majorPeriods[row]));
    }
    markRunning();
}

void PeriodsTab::showSubPeriods(int majorRow)
{
    const bool valid = majorRow >= 0 && majorRow < m_gifts.subPeriods.size();
    const QList<PeriodRow> subs = valid ? m_gifts.subPeriods[majorRow] : QList<PeriodRow>();
    m_lblSubPeriods->setText(
        valid ? QStringLiteral("Sub-Periods Of The %1 Period").arg(m_gifts.majorPeriods[majorRow].planet)
              : QStringLiteral("Sub-Periods"));
    m_tblSubPeriods->setRowCount(static_cast<int>(subs.size()));
    const QBrush outside = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int row = 0; row < subs.size(); ++row) {
        setRow(m_tblSubPeriods, row, cellsOf(subs[row]));
        if (subs[row].place != PeriodPlace::Within) {
            for (int column = 0; column < m_tblSubPeriods->columnCount(); ++column) {
                m_tblSubPeriods->item(row, column)->setForeground(outside);
            }
        }
    }
    showMarks();
}

// Marks the periods of the chosen moment and brings the major period up whose sub-periods hold the mark.
void PeriodsTab::markRunning()
{
    const bool atBirth = m_optMarkBirth->isChecked();
    const QDate today = atBirth ? QDate() : Clock::instance().today();
    m_marked = atBirth ? runningAtBirth(m_gifts) : runningOn(m_gifts, today);
    const int shown = m_marked.major >= 0 ? static_cast<int>(m_marked.major) : 0;
    if (shown < m_tblPeriods->rowCount() && m_tblPeriods->currentRow() != shown) {
        m_tblPeriods->setCurrentCell(shown, planetColumn); // shows its sub-periods and their marks
    } else {
        showMarks();
    }
    m_lblRunning->setText(runningText(today));
    m_lblRunning->setAccessibleName(m_lblRunning->text());
}

QString PeriodsTab::runningText(QDate today) const
{
    if (m_gifts.majorPeriods.isEmpty()) {
        return {};
    }
    const QString moment = today.isValid() ? QStringLiteral("Running today, %1").arg(periodDateText(today))
                                           : QStringLiteral("Running at birth");
    if (m_marked.major < 0) {
        return today < m_gifts.birth.date()
            ? QStringLiteral("Today, %1, lies before the birth.").arg(periodDateText(today))
            : QStringLiteral("Today, %1, lies beyond the 120 years after the birth.").arg(periodDateText(today));
    }
    const QString& major = m_gifts.majorPeriods[m_marked.major].planet;
    if (m_marked.sub < 0) {
        return QStringLiteral("%1: the %2 period.").arg(moment, major);
    }
    const QString& sub = m_gifts.subPeriods[m_marked.major][m_marked.sub].planet;
    return QStringLiteral("%1: the %2 period and its %3 sub-period.").arg(moment, major, sub);
}

void PeriodsTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &PeriodsTab::showMarks); // once the layout has given the tables their size
}

void PeriodsTab::showMarks()
{
    const QString running
        = m_optMarkBirth->isChecked() ? QStringLiteral("Running at birth") : QStringLiteral("Running today");
    for (int row = 0; row < m_tblPeriods->rowCount(); ++row) {
        const bool marked = row == m_marked.major;
        markRow(m_tblPeriods, row, marked, marked ? running : QString());
    }
    const int shown = m_tblPeriods->currentRow();
    if (shown < 0 || shown >= m_gifts.subPeriods.size()) {
        return;
    }
    for (int row = 0; row < m_tblSubPeriods->rowCount(); ++row) {
        const bool marked = shown == m_marked.major && row == m_marked.sub;
        markRow(m_tblSubPeriods, row, marked, marked ? running : placeText(m_gifts.subPeriods[shown][row].place));
        if (marked) {
            m_tblSubPeriods->scrollToItem(m_tblSubPeriods->item(row, planetColumn));
        }
    }
}
