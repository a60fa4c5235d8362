#include "entry/window/FrmMain.h"

#include "assets/NakshatraPictures.h"
#include "desktop/FileDialogs.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessageBoxes.h"
#include "desktop/OfferFrame.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"
#include "desktop/WebAddresses.h"
#include "engine/Ephemeris.h"
#include "entry/ZoneOnDate.h"
#include "entry/window/FrmTimeZone.h"
#include "entry/window/NumericBox.h"
#include "entry/window/WebLookup.h"
#include "knowledge/CurrentReading.h"
#include "report/BirFile.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr std::array<const char*, 12> monthNames
    = {"January", "February", "March",     "April",   "May",      "June",
       "July",    "August",   "September", "October", "November", "December"};
constexpr int firstYear = 1901;
constexpr int lastYear = 2050;
constexpr int zoneHourLength = 3;
constexpr int zoneMinuteLength = 2;
constexpr int coordinateBoxCharacters = 5; // room for any 16-bit magnitude

// Element numbers of the option pairs.
constexpr int eastElement = 0;
constexpr int westElement = 1;
constexpr int southElement = 0;
constexpr int northElement = 1;

// Saved-reading lines (0-based, file order).
enum SavedLine {
    NameLine,
    MonthLine,
    DayLine,
    YearLine,
    HourLine,
    MinuteLine,
    LongitudeDegreesLine,
    LongitudeMinutesLine,
    LatitudeDegreesLine,
    LatitudeMinutesLine,
    ZoneHourLine,
    ZoneMinuteLine,
    EastLine,
    SouthLine,
    DaylightSavingLine,
};

const QString checkTheFile = QStringLiteral("Please Check The File.");

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

void selectByText(QComboBox* list, const QString& text)
{
    const int position = list->findText(text, Qt::MatchExactly);
    if (position >= 0) {
        list->setCurrentIndex(position);
    }
}

int listNumber(const QComboBox* list)
{
    return list->currentText().toInt();
}

FileDialogRequest openDialogRequest()
{
    return {QStringLiteral("Select the source file"), QStringLiteral("Ondara Astrology (*.bir)"), QStringLiteral("bir"),
            QFileDialog::HideNameFilterDetails};
}

// Places are offered from the second letter on: one letter matches too much to help.
constexpr int lettersBeforeOffering = 2;
constexpr int placesOffered = 12;

struct DegreesAndMinutes
{
    int degrees;
    int minutes;
};

// An angle's magnitude to the nearest minute, as the boxes take it.
DegreesAndMinutes toDegreesAndMinutes(double angle)
{
    const int minutes = static_cast<int>(std::lround(std::abs(angle) * 60.0));
    return {minutes / 60, minutes % 60};
}

std::optional<QStringList> readSavedLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QString errorText;
    return BirFile::read(&file, &errorText);
}

} // namespace

FrmMain::FrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setUpProgramWindow(this, "frmMain");
    setAttribute(Qt::WA_DeleteOnClose);

    createControls();
    fillLists();
    createMenus();
    layOutControls();
    chainTabOrder();
    createPlaceCompleter();
    m_txtName->setFocus();
}

void FrmMain::createControls()
{
    m_txtName = newLineEdit("txtName", QStringLiteral("Name"));
    m_cboMonth = newList("cboMonth", QStringLiteral("Month of birth"));
    m_cboDate = newList("cboDate", QStringLiteral("Day of birth"));
    m_cboYear = newList("cboYear", QStringLiteral("Year of birth"));
    m_cboHH = newList("cboHH", QStringLiteral("Hour of birth"));
    m_cboMM = newList("cboMM", QStringLiteral("Minute of birth"));
    m_cboSS = newList("cboSS", QStringLiteral("Second of birth"));

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
    connect(m_lblTZHelp, &LinkLabel::clicked, this, &FrmMain::lblTZHelp_Click);

    m_txtLonD = new NumericBox("txtLonD", QStringLiteral("Longitude degrees"), coordinateBoxCharacters);
    m_txtLonM = new NumericBox("txtLonM", QStringLiteral("Longitude minutes"), coordinateBoxCharacters);
    m_optLongEast = new QRadioButton(QStringLiteral("East"));
    m_optLongEast->setObjectName(QStringLiteral("optLongEast"));
    m_optLongWest = new QRadioButton(QStringLiteral("West"));
    m_optLongWest->setObjectName(QStringLiteral("optLongWest"));
    m_optLong = new QButtonGroup(this);
    m_optLong->setObjectName(QStringLiteral("optLong"));
    m_optLong->addButton(m_optLongEast, eastElement);
    m_optLong->addButton(m_optLongWest, westElement);
    m_optLongWest->setChecked(true);

    m_txtLatD = new NumericBox("txtLatD", QStringLiteral("Latitude degrees"), coordinateBoxCharacters);
    m_txtLatM = new NumericBox("txtLatM", QStringLiteral("Latitude minutes"), coordinateBoxCharacters);
    m_optLatSouth = new QRadioButton(QStringLiteral("South"));
    m_optLatSouth->setObjectName(QStringLiteral("optLatSouth"));
    m_optLatNorth = new QRadioButton(QStringLiteral("North"));
    m_optLatNorth->setObjectName(QStringLiteral("optLatNorth"));
    m_optLat = new QButtonGroup(this);
    m_optLat->setObjectName(QStringLiteral("optLat"));
    m_optLat->addButton(m_optLatSouth, southElement);
    m_optLat->addButton(m_optLatNorth, northElement);
    m_optLatNorth->setChecked(true);
    keepTabStopOnChosenButton(m_optLong);
    keepTabStopOnChosenButton(m_optLat);

    m_txtMCity = newLineEdit("txtMCity", QStringLiteral("City"));
    m_lblZoneNote = new QLabel;
    m_lblZoneNote->setObjectName(QStringLiteral("lblZoneNote"));
    m_txtMState = newLineEdit("txtMState", QStringLiteral("State"));
    m_txtMCountry = newLineEdit("txtMCountry", QStringLiteral("Country"));

    m_cmdBrowser = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"));
    m_cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    connect(m_cmdBrowser, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);
    m_cmdRashi = new QPushButton(QStringLiteral("Find My Birth Star"));
    m_cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    connect(m_cmdRashi, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);
    m_cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"));
    m_cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    connect(m_cmdOpen, &QPushButton::clicked, this, &FrmMain::cmdOpen_Click);

    m_offerFrame = new OfferFrame(QStringLiteral("lblCobrand"));
}

// Every opening starts alike: the lists filled in a fixed order, then the first entry of each selected.
void FrmMain::fillLists()
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

void FrmMain::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addMenuItem(mnuFile, "mnuCalculate", "&Calculate"), &QAction::triggered, this, &FrmMain::cmdRashi_Click);

    addHelpMenus(this, [this] { emit aboutRequested(); });
}

void FrmMain::layOutControls()
{
    auto* fields = new QGridLayout;
    fields->addLayout(buildNameRow(), 0, 0, 1, 2);
    fields->addWidget(buildDateGroup(), 1, 0);
    fields->addWidget(buildTimeGroup(), 1, 1);
    fields->addWidget(buildZoneGroup(), 2, 0, 1, 2);
    fields->addWidget(
        buildCoordinateGroup(QStringLiteral("Longitude"), m_txtLonD, m_txtLonM, m_optLongEast, m_optLongWest), 3, 0);
    fields->addWidget(
        buildCoordinateGroup(QStringLiteral("Latitude"), m_txtLatD, m_txtLatM, m_optLatSouth, m_optLatNorth), 3, 1);
    fields->addLayout(buildPlaceGrid(), 4, 0, 1, 2);
    fields->addLayout(buildCommandRow(), 5, 0, 1, 2);

    auto* picMain = new QLabel;
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setPixmap(decorativePicture());
    picMain->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(picMain, 0, Qt::AlignTop);
    top->addLayout(fields, 1);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addLayout(top);
    page->addWidget(m_offerFrame);
    setCentralWidget(central);
}

QLayout* FrmMain::buildNameRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(newBuddyLabel(QStringLiteral("Name"), m_txtName));
    row->addWidget(m_txtName, 1);
    return row;
}

QGroupBox* FrmMain::buildDateGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Date of Birth"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_cboMonth);
    row->addWidget(m_cboDate);
    row->addWidget(m_cboYear);
    row->addStretch();
    return group;
}

QGroupBox* FrmMain::buildTimeGroup()
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

QGroupBox* FrmMain::buildZoneGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Time Zone"));
    auto* rows = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    rows->addWidget(m_lblZoneNote); // what the atlas used, under the boxes
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
    return group;
}

QGroupBox* FrmMain::buildCoordinateGroup(const QString& title, QLineEdit* degrees, QLineEdit* minutes,
                                         QRadioButton* first, QRadioButton* second)
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

QLayout* FrmMain::buildPlaceGrid()
{
    auto* grid = new QGridLayout;
    grid->addWidget(newBuddyLabel(QStringLiteral("City"), m_txtMCity), 0, 0);
    grid->addWidget(m_txtMCity, 0, 1);
    grid->addWidget(newBuddyLabel(QStringLiteral("State"), m_txtMState), 1, 0);
    grid->addWidget(m_txtMState, 1, 1);
    grid->addWidget(newBuddyLabel(QStringLiteral("Country"), m_txtMCountry), 2, 0);
    grid->addWidget(m_txtMCountry, 2, 1);
    grid->addWidget(m_cmdBrowser, 3, 1, Qt::AlignLeft);
    return grid;
}

QLayout* FrmMain::buildCommandRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(m_cmdRashi);
    row->addWidget(m_cmdOpen);
    row->addStretch();
    return row;
}

void FrmMain::chainTabOrder()
{
    const std::array<QWidget*, 25> order = {
        m_txtName,     m_cboMonth,      m_cboDate,  m_cboYear,     m_cboHH,       m_cboMM,    m_cboSS,
        m_txtZoneHour, m_txtZoneMinute, m_chkDST,   m_lblTZHelp,   m_txtLonD,     m_txtLonM,  m_optLongEast,
        m_optLongWest, m_txtLatD,       m_txtLatM,  m_optLatSouth, m_optLatNorth, m_txtMCity, m_txtMState,
        m_txtMCountry, m_cmdBrowser,    m_cmdRashi, m_cmdOpen,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    QWidget::setTabOrder(m_cmdOpen, m_offerFrame->coBrandLabel());
    QWidget::setTabOrder(m_offerFrame->coBrandLabel(), m_offerFrame->fullBrandLabel());
}

void FrmMain::setNameText(const QString& text)
{
    m_txtName->setText(text);
}

void FrmMain::setMonthPosition(int position)
{
    if (position >= 0 && position < m_cboMonth->count()) {
        m_cboMonth->setCurrentIndex(position);
    }
}

void FrmMain::selectDay(const QString& text)
{
    selectByText(m_cboDate, text);
}

void FrmMain::selectYear(const QString& text)
{
    selectByText(m_cboYear, text);
}

void FrmMain::selectHour(const QString& text)
{
    selectByText(m_cboHH, text);
}

void FrmMain::selectMinute(const QString& text)
{
    selectByText(m_cboMM, text);
}

void FrmMain::setZoneHourText(const QString& text)
{
    m_txtZoneHour->setText(text);
}

void FrmMain::setZoneMinuteText(const QString& text)
{
    m_txtZoneMinute->setText(text);
}

void FrmMain::setLongitudeDegreesText(const QString& text)
{
    m_txtLonD->setText(text);
}

void FrmMain::setLongitudeMinutesText(const QString& text)
{
    m_txtLonM->setText(text);
}

void FrmMain::setLatitudeDegreesText(const QString& text)
{
    m_txtLatD->setText(text);
}

void FrmMain::setLatitudeMinutesText(const QString& text)
{
    m_txtLatM->setText(text);
}

void FrmMain::setEast(bool east)
{
    m_optLong->button(east ? eastElement : westElement)->setChecked(true);
}

void FrmMain::setSouth(bool south)
{
    m_optLat->button(south ? southElement : northElement)->setChecked(true);
}

void FrmMain::setDaylightSaving(bool ticked)
{
    m_chkDST->setChecked(ticked);
}

void FrmMain::applySavedLines(const QStringList& lines)
{
    forgetAtlasZone(); // a saved zone stands as it was saved
    // Only a reading whose zone came from the atlas saves a negative zone, and it means one.
    setZoneSignCounts(true);
    const auto line = [&lines](SavedLine number) { return lines.value(number); };
    const auto isSet = [&line](SavedLine number) { return line(number) == QLatin1String("1"); };

    setNameText(line(NameLine));
    bool isNumber = false;
    const int month = line(MonthLine).trimmed().toInt(&isNumber);
    if (isNumber) {
        setMonthPosition(month - 1);
    }
    selectDay(line(DayLine));
    selectYear(line(YearLine));
    selectHour(line(HourLine));
    selectMinute(line(MinuteLine));
    setLongitudeDegreesText(line(LongitudeDegreesLine));
    setLongitudeMinutesText(line(LongitudeMinutesLine));
    setLatitudeDegreesText(line(LatitudeDegreesLine));
    setLatitudeMinutesText(line(LatitudeMinutesLine));
    setZoneHourText(line(ZoneHourLine));
    setZoneMinuteText(line(ZoneMinuteLine));
    setEast(isSet(EastLine));
    setSouth(isSet(SouthLine));
    setDaylightSaving(isSet(DaylightSavingLine));
}

EntryTexts FrmMain::entryTexts() const
{
    EntryTexts texts;
    texts.name = m_txtName->text();
    texts.zoneHour = m_txtZoneHour->text();
    texts.zoneMinute = m_txtZoneMinute->text();
    texts.longitudeDegrees = m_txtLonD->text();
    texts.longitudeMinutes = m_txtLonM->text();
    texts.latitudeDegrees = m_txtLatD->text();
    texts.latitudeMinutes = m_txtLatM->text();
    texts.monthPosition = m_cboMonth->currentIndex();
    texts.dayPosition = m_cboDate->currentIndex();
    texts.year = listNumber(m_cboYear);
    return texts;
}

QWidget* FrmMain::fieldWidget(EntryField field) const
{
    switch (field) {
    case EntryField::Name:
        return m_txtName;
    case EntryField::ZoneHour:
        return m_txtZoneHour;
    case EntryField::ZoneMinute:
        return m_txtZoneMinute;
    case EntryField::LongitudeDegrees:
        return m_txtLonD;
    case EntryField::LongitudeMinutes:
        return m_txtLonM;
    case EntryField::LatitudeDegrees:
        return m_txtLatD;
    case EntryField::LatitudeMinutes:
        return m_txtLatM;
    }
    return nullptr;
}

void FrmMain::showFailure(const EntryFailure& failure)
{
    if (failure.icon == EntryIcon::Error) {
        MessageBoxes::error(this, failure.message);
    } else {
        MessageBoxes::information(this, failure.message);
    }
    if (failure.focus) {
        fieldWidget(*failure.focus)->setFocus();
    }
}

void FrmMain::cmdRashi_Click()
{
    const EntryTexts texts = entryTexts();
    std::optional<EntryFailure> failure = validateEntry(texts);
    if (!failure) {
        failure = checkNumbers(texts);
    }
    if (failure) {
        showFailure(*failure);
        return;
    }

    fillBirthData();
    const BirthStarReading reading = findBirthStar(currentBirthData);
    currentMargin = readingMargin(currentBirthData);
    currentGifts = birthStarGifts(currentBirthData);
    currentProfile.nakshatraName
        = QString::fromUtf8(reading.nakshatraName.data(), static_cast<qsizetype>(reading.nakshatraName.size()));
    findNakshatraProfile(currentProfile.nakshatraName);
    emit readingComputed();
}

// Every box was checked by checkNumbers, so each holds a number the record can keep.
void FrmMain::fillBirthData()
{
    const auto box
        = [](const QLineEdit* edit, bool signAllowed) { return boxNumber(edit->text(), signAllowed).value(); };

    BirthData birth;
    birth.name = m_txtName->text().trimmed().toStdString();
    birth.month = static_cast<std::int16_t>(m_cboMonth->currentIndex() + 1);
    birth.day = static_cast<std::int16_t>(listNumber(m_cboDate));
    birth.year = static_cast<std::int16_t>(listNumber(m_cboYear));
    // The size of the zone; its sign only where the atlas or a saved reading wrote it (m_zoneSignCounts).
    const auto zone = [this, &box](const QLineEdit* edit) {
        const std::int16_t size = box(edit, true);
        const bool negative = m_zoneSignCounts && edit->text().trimmed().startsWith(QLatin1Char('-'));
        return static_cast<std::int16_t>(negative ? -size : size);
    };
    birth.zoneHours = zone(m_txtZoneHour);
    birth.zoneMinutes = zone(m_txtZoneMinute);
    birth.hour = static_cast<std::int16_t>(listNumber(m_cboHH));
    birth.minute = static_cast<std::int16_t>(listNumber(m_cboMM));
    birth.longitudeDegrees = box(m_txtLonD, false);
    birth.longitudeMinutes = box(m_txtLonM, false);
    birth.latitudeDegrees = box(m_txtLatD, false);
    birth.latitudeMinutes = box(m_txtLatM, false);
    birth.daylightSaving = m_chkDST->isChecked();
    birth.isEast = m_optLongEast->isChecked();
    birth.isSouth = m_optLatSouth->isChecked();
    currentBirthData = birth;
}

void FrmMain::cmdOpen_Click()
{
    const QString path = FileDialogs::instance().getOpenFileName(this, openDialogRequest());
    if (path.isEmpty()) {
        return;
    }
    if (!BirFile::hasBirEnding(path)) {
        MessageBoxes::error(this, checkTheFile);
        return;
    }
    const std::optional<QStringList> lines = readSavedLines(path);
    if (!lines) {
        MessageBoxes::error(this, checkTheFile);
        return;
    }
    applySavedLines(*lines);

    const QPointer<FrmMain> self(this);
    cmdRashi_Click();
    if (self) {
        emit savedReadingOpened();
    }
}

void FrmMain::cmdBrowser_Click()
{
    // Only the empty text counts as missing: a box of blanks passes.
    const std::array<std::pair<QLineEdit*, const char*>, 3> places = {{
        {m_txtMCity, "Please Enter City"},
        {m_txtMState, "Please Enter State"},
        {m_txtMCountry, "Please Enter Country"},
    }};
    for (const auto& [box, message] : places) {
        if (box->text().isEmpty()) {
            MessageBoxes::information(this, QString::fromLatin1(message));
            box->setFocus();
            return;
        }
    }
    const QString searchText = m_txtMCity->text() + QLatin1Char(' ') + m_txtMState->text() + QLatin1Char(' ')
        + m_txtMCountry->text() + QStringLiteral(" Latitude Longitude");
    WebLookup lookup;
    lookup.search(searchText, QString::fromLatin1(WebAddresses::homePage));
}

void FrmMain::lblTZHelp_Click()
{
    FrmTimeZone picker(this);
    connect(&picker, &FrmTimeZone::zoneChosen, this, &FrmMain::writeZone);
    picker.exec();
}

void FrmMain::writeZone(std::int16_t hours, std::int16_t minutes)
{
    forgetAtlasZone();
    setZoneSignCounts(false); // the picker's minus marks a zone east of Greenwich, which East/West says already
    setZoneHourText(QString::number(hours));
    setZoneMinuteText(QString::number(minutes));
}

void FrmMain::createPlaceCompleter()
{
    m_offeredPlaces = new QStringListModel(this);
    m_placeCompleter = new QCompleter(m_offeredPlaces, this);
    // The atlas matches accents and spellings the completer's own prefix filter would not: it shows what it is given.
    m_placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_placeCompleter->setMaxVisibleItems(placesOffered);
    m_txtMCity->setCompleter(m_placeCompleter);
    connect(m_txtMCity, &QLineEdit::textEdited, this, &FrmMain::offerPlaces);
    // Queued: the box writes the whole row into itself when the row is chosen; the place's own texts come after.
    connect(m_placeCompleter, qOverload<const QString&>(&QCompleter::activated), this, &FrmMain::choosePlace,
            Qt::QueuedConnection);

    for (QComboBox* list : {m_cboMonth, m_cboDate, m_cboYear, m_cboHH, m_cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &FrmMain::followAtlasZone);
    }
    connect(m_optLong, &QButtonGroup::buttonToggled, this, &FrmMain::followAtlasZone);
    // A zone the user sets by hand stands: the atlas no longer writes it.
    const auto setByHand = [this] {
        forgetAtlasZone();
        setZoneSignCounts(false);
    };
    connect(m_txtZoneHour, &QLineEdit::textEdited, this, setByHand);
    connect(m_txtZoneMinute, &QLineEdit::textEdited, this, setByHand);
    connect(m_chkDST, &QCheckBox::clicked, this, &FrmMain::forgetAtlasZone);
}

void FrmMain::offerPlaces(const QString& typed)
{
    m_offered.clear();
    if (PlaceAtlas::foldForMatching(typed).size() >= lettersBeforeOffering) {
        m_offered = PlaceAtlas::builtIn().matching(typed, placesOffered);
    }
    QStringList shown;
    for (const Place& place : std::as_const(m_offered)) {
        shown.append(place.displayText());
    }
    m_offeredPlaces->setStringList(shown);
    if (shown.isEmpty()) {
        m_placeCompleter->popup()->hide();
    } else {
        m_placeCompleter->complete();
    }
}

void FrmMain::choosePlace(const QString& shown)
{
    // The row under the keyboard or the mouse; two places may read alike, so the text only helps when there is none.
    const qsizetype row = m_placeCompleter->popup()->currentIndex().row();
    if (row >= 0 && row < m_offered.size() && m_offered.at(row).displayText() == shown) {
        applyPlace(m_offered.at(row));
        return;
    }
    const auto named
        = std::ranges::find_if(m_offered, [&shown](const Place& place) { return place.displayText() == shown; });
    if (named != m_offered.end()) {
        applyPlace(*named);
    }
}

void FrmMain::applyPlace(const Place& place)
{
    m_txtMCity->setText(place.city);
    m_txtMState->setText(place.state);
    m_txtMCountry->setText(place.country);
    const DegreesAndMinutes longitude = toDegreesAndMinutes(place.longitude);
    const DegreesAndMinutes latitude = toDegreesAndMinutes(place.latitude);
    setLongitudeDegreesText(QString::number(longitude.degrees));
    setLongitudeMinutesText(QString::number(longitude.minutes));
    setLatitudeDegreesText(QString::number(latitude.degrees));
    setLatitudeMinutesText(QString::number(latitude.minutes));
    m_atlasZoneId = place.zoneId;
    setSouth(place.latitude < 0);
    setEast(place.longitude > 0); // follows the zone too
    followAtlasZone();
}

// The zone in force at the chosen place when its clocks showed the birth date and time, written so that the
// engine's rule gives the true Universal Time (see zoneFieldsFor).
void FrmMain::followAtlasZone()
{
    if (m_atlasZoneId.isEmpty()) {
        return;
    }
    const QDate date(listNumber(m_cboYear), m_cboMonth->currentIndex() + 1, listNumber(m_cboDate));
    const QTime time(listNumber(m_cboHH), listNumber(m_cboMM));
    const std::optional<ZoneOnDate> zone = zoneOnDate(m_atlasZoneId, date, time);
    if (!zone) {
        m_lblZoneNote->clear(); // a date the calendar lacks (30 February): the boxes keep what they hold
        return;
    }
    const ZoneFields fields = zoneFieldsFor(*zone, longitudeCountsEast());
    setZoneHourText(QString::number(fields.hours));
    setZoneMinuteText(QString::number(fields.minutes));
    setDaylightSaving(fields.daylightSaving);
    setZoneSignCounts(true);
    m_lblZoneNote->setText(QStringLiteral("%1, %2 on that date")
                               .arg(QString::fromLatin1(m_atlasZoneId), utcOffsetText(zone->offsetSeconds)));
}

void FrmMain::forgetAtlasZone()
{
    m_atlasZoneId.clear();
    m_lblZoneNote->clear();
}

// As the engine reads the fields: 0 degrees 0 minutes East counts as west.
bool FrmMain::longitudeCountsEast() const
{
    const int degrees = m_txtLonD->text().toInt();
    const int minutes = m_txtLonM->text().toInt();
    return m_optLongEast->isChecked() && (degrees > 0 || minutes > 0);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    emit closed();
}
