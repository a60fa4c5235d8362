#include "entry/window/FrmMain.h"

#include "assets/NakshatraPictures.h"
#include "desktop/FileDialogs.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessageBoxes.h"
#include "desktop/OfferFrame.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"
#include "desktop/WebAddresses.h"
#include "engine/Ephemeris.h"
#include "entry/EntryValidation.h"
#include "entry/window/EntryForm.h"
#include "entry/window/FrmTimeZone.h"
#include "entry/window/PlaceField.h"
#include "entry/window/WebLookup.h"
#include "knowledge/CurrentReading.h"
#include "report/BirFile.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <optional>

namespace {

const QString checkTheFile = QStringLiteral("Please Check The File.");

FileDialogRequest openDialogRequest()
{
    return {QStringLiteral("Select the source file"), QStringLiteral("Ondara Astrology (*.bir)"), QStringLiteral("bir"),
            QFileDialog::HideNameFilterDetails};
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

    m_form = new EntryForm;
    m_placeField = new PlaceField(m_form);
    createCommands();
    createMenus();
    layOutWindow();
    chainTabOrder();
    m_form->findChild<QLineEdit*>(QStringLiteral("txtName"))->setFocus();
}

void FrmMain::createCommands()
{
    connect(m_form->zoneHelpLabel(), &LinkLabel::clicked, this, &FrmMain::lblTZHelp_Click);
    connect(m_form->browserButton(), &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);
    m_cmdRashi = new QPushButton(QStringLiteral("Find My Birth Star"));
    m_cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    connect(m_cmdRashi, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);
    m_cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"));
    m_cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    connect(m_cmdOpen, &QPushButton::clicked, this, &FrmMain::cmdOpen_Click);
    m_offerFrame = new OfferFrame(QStringLiteral("lblCobrand"));
}

void FrmMain::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addMenuItem(mnuFile, "mnuCalculate", "&Calculate"), &QAction::triggered, this, &FrmMain::cmdRashi_Click);

    addHelpMenus(this, [this] { emit aboutRequested(); });
}

void FrmMain::layOutWindow()
{
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_cmdRashi);
    commands->addWidget(m_cmdOpen);
    commands->addStretch();

    auto* fields = new QVBoxLayout;
    fields->addWidget(m_form);
    fields->addLayout(commands);

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

void FrmMain::chainTabOrder()
{
    QList<QWidget*> order = m_form->tabChain();
    order << m_cmdRashi << m_cmdOpen << m_offerFrame->coBrandLabel() << m_offerFrame->fullBrandLabel();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void FrmMain::applySavedLines(const QStringList& lines)
{
    m_placeField->forget(); // a saved zone stands as it was saved
    m_form->applySaved(BirFile::textsOf(lines));
}

void FrmMain::showFailure(const EntryFailure& failure)
{
    if (failure.icon == EntryIcon::Error) {
        MessageBoxes::error(this, failure.message);
    } else {
        MessageBoxes::information(this, failure.message);
    }
    if (failure.focus) {
        m_form->fieldWidget(*failure.focus)->setFocus();
    }
}

void FrmMain::cmdRashi_Click()
{
    const EntryTexts texts = m_form->texts();
    std::optional<EntryFailure> failure = validateEntry(texts);
    if (!failure) {
        failure = checkNumbers(texts);
    }
    if (failure) {
        showFailure(*failure);
        return;
    }

    currentBirthData = m_form->birthData();
    currentBirthPlace = m_placeField->birthPlace();
    const BirthStarReading reading = findBirthStar(currentBirthData);
    currentMargin = readingMargin(currentBirthData);
    currentGifts = birthStarGifts(currentBirthData);
    currentProfile.nakshatraName
        = QString::fromUtf8(reading.nakshatraName.data(), static_cast<qsizetype>(reading.nakshatraName.size()));
    findNakshatraProfile(currentProfile.nakshatraName);
    emit readingComputed();
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
        {m_form->cityBox(), "Please Enter City"},
        {m_form->stateBox(), "Please Enter State"},
        {m_form->countryBox(), "Please Enter Country"},
    }};
    for (const auto& [box, message] : places) {
        if (box->text().isEmpty()) {
            MessageBoxes::information(this, QString::fromLatin1(message));
            box->setFocus();
            return;
        }
    }
    const QString searchText = m_form->cityBox()->text() + QLatin1Char(' ') + m_form->stateBox()->text()
        + QLatin1Char(' ') + m_form->countryBox()->text() + QStringLiteral(" Latitude Longitude");
    WebLookup lookup;
    lookup.search(searchText, QString::fromLatin1(WebAddresses::homePage));
}

void FrmMain::lblTZHelp_Click()
{
    FrmTimeZone picker(this);
    connect(&picker, &FrmTimeZone::zoneChosen, this, &FrmMain::writePickedZone);
    picker.exec();
}

void FrmMain::writePickedZone(std::int16_t hours, std::int16_t minutes)
{
    m_placeField->forget();
    // The picker's minus marks a zone east of Greenwich, which East/West says already.
    m_form->setZoneSignCounts(false);
    m_form->setZoneHourText(QString::number(hours));
    m_form->setZoneMinuteText(QString::number(minutes));
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    emit closed();
}
