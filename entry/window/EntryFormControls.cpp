#include "desktop/LinkLabel.h"
#include "entry/window/EntryForm.h"
#include "entry/window/NumericBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

// The entry form's controls, their lists, their group boxes and the order Tab walks them.

namespace {

constexpr std::array<const char*, 12> monthNames
    = {"January", "February", "March",     "April",   "May",      "June",
       "July",    "August",   "September", "October", "November", "December"};
constexpr int firstYear = 1901;
constexpr int lastYear = 2050;
constexpr int zoneHourLength = 3;
constexpr int zoneMinuteLength = 2;
constexpr int coordinateBoxCharacters = 5; // room for any 16-bit magnitude
constexpr int noteLines = 3;

QLineEdit* newLineEdit(const char* objectName, const QString& accessibleName)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QComboBox* newList(const char* objectName, const QString& accessibleName)
{
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(objectName));
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    return list;
}

QRadioButton* newOption(const char* objectName, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(QLatin1String(objectName));
    return option;
}

// An option pair is one Tab stop, entered at its chosen button; the arrow keys move between the buttons. Qt moves
// the stop to whichever button the user focuses, but at first both would be stops, and Tab would land on the first
// button of the pair even where the second is the chosen one.
void keepTabStopOnChosenButton(QButtonGroup* group)
{
    const auto update = [group] {
        for (QAbstractButton* button : group->buttons()) {
            const int policy
                = button->isChecked() ? button->focusPolicy() | Qt::TabFocus : button->focusPolicy() & ~Qt::TabFocus;
            button->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
        }
    };
    update();
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
}

QLabel* newBuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

void addNumbers(QComboBox* list, int first, int last)
{
    for (int number = first; number <= last; ++number) {
        list->addItem(QString::number(number));
    }
}

QGroupBox* buildCoordinateGroup(const QString& title, QLineEdit* degrees, QLineEdit* minutes, QRadioButton* first,
                                QRadioButton* second)
{
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    grid->addWidget(newBuddyLabel(QStringLiteral("Deg"), degrees), 0, 0);
    grid->addWidget(degrees, 0, 1);
    grid->addWidget(newBuddyLabel(QStringLiteral("Min"), minutes), 0, 2);
    grid->addWidget(minutes, 0, 3);
    grid->addWidget(first, 1, 1);
    grid->addWidget(second, 1, 3);
    grid->setColumnStretch(4, 1);
    return group;
}

} // namespace

void EntryForm::createControls()
{
    m_txtName = newLineEdit("txtName", QStringLiteral("Name"));
    m_cboMonth = newList("cboMonth", QStringLiteral("Month of birth"));
    m_cboDate = newList("cboDate", QStringLiteral("Day of birth"));
    m_cboYear = newList("cboYear", QStringLiteral("Year of birth"));
    m_cboHH = newList("cboHH", QStringLiteral("Hour of birth"));
    m_cboMM = newList("cboMM", QStringLiteral("Minute of birth"));
    m_cboSS = newList("cboSS", QStringLiteral("Second of birth"));

    m_txtMCity = newLineEdit("txtMCity", QStringLiteral("City"));
    m_txtMCity->setPlaceholderText(QStringLiteral("Choosing a place fills the zone and the coordinates"));
    m_txtMState = newLineEdit("txtMState", QStringLiteral("State"));
    m_txtMCountry = newLineEdit("txtMCountry", QStringLiteral("Country"));
    m_cmdBrowser = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"));
    m_cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));

    createZoneControls();
    createCoordinateControls();
}

void EntryForm::createZoneControls()
{
    m_txtZoneHour
        = new NumericBox("txtZoneHour", QStringLiteral("Time zone hours"), zoneHourLength + 1, zoneHourLength);
    m_txtZoneMinute
        = new NumericBox("txtZoneMinute", QStringLiteral("Time zone minutes"), zoneMinuteLength + 1, zoneMinuteLength);
    m_chkDST = new QCheckBox(QStringLiteral("DST"));
    m_chkDST->setObjectName(QStringLiteral("chkDST"));
    m_lblTZHelp = new LinkLabel;
    m_lblTZHelp->setObjectName(QStringLiteral("lblTZHelp"));
    m_lblTZHelp->setStoredCaption(QStringLiteral("TZ Help"));
    m_lblTZHelp->setWordWrap(false);

    m_lblZoneNote = new QLabel;
    m_lblZoneNote->setObjectName(QStringLiteral("lblZoneNote"));
    // The note of a doubtful clock time runs to three lines: their room is kept, so the window neither clips the
    // note nor changes its size while the user types.
    m_lblZoneNote->setWordWrap(true);
    m_lblZoneNote->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblZoneNote->setMinimumHeight(noteLines * m_lblZoneNote->fontMetrics().lineSpacing());
    m_cmdCityClock = new QPushButton;
    m_cmdCityClock->setObjectName(QStringLiteral("cmdCityClock"));
    m_cmdCityClock->hide(); // offered only where a city kept its own clock
}

void EntryForm::createCoordinateControls()
{
    m_txtLonD = new NumericBox("txtLonD", QStringLiteral("Longitude degrees"), coordinateBoxCharacters);
    m_txtLonM = new NumericBox("txtLonM", QStringLiteral("Longitude minutes"), coordinateBoxCharacters);
    m_optLongEast = newOption("optLongEast", QStringLiteral("East"));
    m_optLongWest = newOption("optLongWest", QStringLiteral("West"));
    m_optLong = new QButtonGroup(this);
    m_optLong->setObjectName(QStringLiteral("optLong"));
    m_optLong->addButton(m_optLongEast, EntryForm::eastElement);
    m_optLong->addButton(m_optLongWest, EntryForm::westElement);
    m_optLongWest->setChecked(true);

    m_txtLatD = new NumericBox("txtLatD", QStringLiteral("Latitude degrees"), coordinateBoxCharacters);
    m_txtLatM = new NumericBox("txtLatM", QStringLiteral("Latitude minutes"), coordinateBoxCharacters);
    m_optLatSouth = newOption("optLatSouth", QStringLiteral("South"));
    m_optLatNorth = newOption("optLatNorth", QStringLiteral("North"));
    m_optLat = new QButtonGroup(this);
    m_optLat->setObjectName(QStringLiteral("optLat"));
    m_optLat->addButton(m_optLatSouth, EntryForm::southElement);
    m_optLat->addButton(m_optLatNorth, EntryForm::northElement);
    m_optLatNorth->setChecked(true);
    keepTabStopOnChosenButton(m_optLong);
    keepTabStopOnChosenButton(m_optLat);
}

// Every opening starts alike: the lists filled in a fixed order, then the first entry of each selected.
void EntryForm::fillLists()
{
    for (const char* month : monthNames) {
        m_cboMonth->addItem(QString::fromLatin1(month));
    }
    addNumbers(m_cboDate, 1, 31);
    addNumbers(m_cboYear, firstYear, lastYear);
    addNumbers(m_cboHH, 0, 23);
    addNumbers(m_cboMM, 0, 59);
    addNumbers(m_cboSS, 0, 59);
    for (QComboBox* list : {m_cboMonth, m_cboDate, m_cboYear, m_cboHH, m_cboMM, m_cboSS}) {
        list->setCurrentIndex(0);
    }
}

void EntryForm::layOutControls()
{
    auto* fields = new QGridLayout(this);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addLayout(buildNameRow(), 0, 0, 1, 2);
    fields->addWidget(buildDateGroup(), 1, 0);
    fields->addWidget(buildTimeGroup(), 1, 1);
    fields->addWidget(buildPlaceGroup(), 2, 0, 1, 2);
    fields->addWidget(buildZoneGroup(), 3, 0, 1, 2);
    fields->addWidget(
        buildCoordinateGroup(QStringLiteral("Longitude"), m_txtLonD, m_txtLonM, m_optLongEast, m_optLongWest), 4, 0);
    fields->addWidget(
        buildCoordinateGroup(QStringLiteral("Latitude"), m_txtLatD, m_txtLatM, m_optLatSouth, m_optLatNorth), 4, 1);
}

QLayout* EntryForm::buildNameRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(newBuddyLabel(QStringLiteral("Name"), m_txtName));
    row->addWidget(m_txtName, 1);
    return row;
}

QGroupBox* EntryForm::buildDateGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Date of Birth"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_cboMonth);
    row->addWidget(m_cboDate);
    row->addWidget(m_cboYear);
    row->addStretch();
    return group;
}

QGroupBox* EntryForm::buildTimeGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Time of Birth"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(newBuddyLabel(QStringLiteral("HH:MM:SS"), m_cboHH));
    row->addWidget(m_cboHH);
    row->addWidget(new QLabel(QStringLiteral(":")));
    row->addWidget(m_cboMM);
    row->addWidget(new QLabel(QStringLiteral(":")));
    row->addWidget(m_cboSS);
    row->addStretch();
    return group;
}

// The place comes straight after the time: choosing it fills the zone and coordinates below.
QGroupBox* EntryForm::buildPlaceGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Place of Birth"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(newBuddyLabel(QStringLiteral("City"), m_txtMCity), 0, 0);
    grid->addWidget(m_txtMCity, 0, 1, 1, 3);
    grid->addWidget(newBuddyLabel(QStringLiteral("State"), m_txtMState), 1, 0);
    grid->addWidget(m_txtMState, 1, 1);
    grid->addWidget(newBuddyLabel(QStringLiteral("Country"), m_txtMCountry), 1, 2);
    grid->addWidget(m_txtMCountry, 1, 3);
    grid->addWidget(m_cmdBrowser, 2, 1, 1, 3, Qt::AlignLeft);
    return group;
}

QGroupBox* EntryForm::buildZoneGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Time Zone"));
    auto* rows = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(newBuddyLabel(QStringLiteral("Hour"), m_txtZoneHour));
    row->addWidget(m_txtZoneHour);
    row->addSpacing(row->spacing() * 2);
    row->addWidget(newBuddyLabel(QStringLiteral("Min"), m_txtZoneMinute));
    row->addWidget(m_txtZoneMinute);
    row->addSpacing(row->spacing() * 2);
    row->addWidget(m_chkDST);
    row->addSpacing(row->spacing() * 2);
    row->addWidget(m_lblTZHelp);
    row->addStretch();
    // What the atlas used, under the boxes, and a city's own clock where it kept one.
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(m_lblZoneNote, 1);
    noteRow->addWidget(m_cmdCityClock, 0, Qt::AlignTop);
    rows->addLayout(noteRow);
    return group;
}

void EntryForm::connectSignals()
{
    for (QComboBox* list : {m_cboMonth, m_cboDate, m_cboYear, m_cboHH, m_cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &EntryForm::birthMomentChanged);
    }
    connect(m_optLong, &QButtonGroup::buttonToggled, this, &EntryForm::birthMomentChanged);
    const auto setByHand = [this] {
        setZoneSignCounts(false);
        emit zoneSetByHand();
    };
    connect(m_txtZoneHour, &QLineEdit::textEdited, this, setByHand);
    connect(m_txtZoneMinute, &QLineEdit::textEdited, this, setByHand);
    connect(m_chkDST, &QCheckBox::clicked, this, &EntryForm::zoneSetByHand);
}

QList<QWidget*> EntryForm::tabChain() const
{
    return {m_txtName,       m_cboMonth,    m_cboDate,   m_cboYear,      m_cboHH,       m_cboMM,
            m_cboSS,         m_txtMCity,    m_txtMState, m_txtMCountry,  m_cmdBrowser,  m_txtZoneHour,
            m_txtZoneMinute, m_chkDST,      m_lblTZHelp, m_cmdCityClock, m_txtLonD,     m_txtLonM,
            m_optLongEast,   m_optLongWest, m_txtLatD,   m_txtLatM,      m_optLatSouth, m_optLatNorth};
}
