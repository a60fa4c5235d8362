#include "knowledge/window/FrmResult.h"

#include "assets/NakshatraPictures.h"
#include "desktop/LinkLabel.h"
#include "desktop/OfferFrame.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramTexts.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/window/LazyPage.h"
#include "knowledge/window/PeriodsTab.h"
#include "knowledge/window/ProseBox.h"
#include "knowledge/window/ReadingExport.h"
#include "knowledge/window/SkyPicture.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Where a box sits: outside the tab control, or on one of its tabs.
constexpr int outsideTabs = -1;

struct BoxDefinition
{
    const char* objectName;
    QString NakshatraProfile::*field;
    const char* label;
    const char* toolTip;
    int place; // outsideTabs or a tab index
    int row; // top to bottom within its place
    bool prose; // multi-line with a vertical scroll bar
};

// The 21 boxes in the order the load fills them. Labels and tooltips are shown as written here, odd spellings and
// trailing blanks included, since users and help pages quote them.
// clang-format off
constexpr std::array<BoxDefinition, 21> boxes {{
    {"txtRullingDeva", &NakshatraProfile::rulingDeva, "Name of Ruling Deva /Demi God", "This signifies the demigods who bless or curse the native born under this nakshatra.", 0, 1, false},
    {"txtPurposeOfTheDeva", &NakshatraProfile::purposeOfTheDeva, "Purpose of the Deva", "This signifies the importance of the demigod ruling this nakshatra.", 0, 2, false},
    {"txtRullingPlanet", &NakshatraProfile::rulingPlanet, "Ruling Planet ", "This signifies the planet that has a powerful effect on this nakshatra.", outsideTabs, 1, false},
    {"txtAnimalSymbol", &NakshatraProfile::animalSymbol, "Animal Symbol", "This signifies the animal that the nakshatra is associated with.", outsideTabs, 3, false},
    {"txtSymbol", &NakshatraProfile::symbol, "Symbol", "This defines the symbol of the nakshatra.", outsideTabs, 2, false},
    {"txtAstronomicalName", &NakshatraProfile::astronomicalName, "Astronomical Name", "This is the equivalent English constellation name.", outsideTabs, 0, false},
    {"txtElement", &NakshatraProfile::element, "Element / Tatthwa", "This means \"things\" and it describes the essential constitution of all things.", 0, 3, false},
    {"txtPartOfBody", &NakshatraProfile::partOfBody, "Part of Body", "This shows the part of the body that a particular nakshatra governs.", 0, 4, false},
    {"txtNature", &NakshatraProfile::nature, "Nature of Nakshatra", "Each Nakshatra is also governed by a nature, which essentially describes temperament.", 0, 0, false},
    {"txtGender", &NakshatraProfile::gender, "Gender", "The male nakshatra is more dynamic while the female nakshatra is a passive one.", 0, 7, false},
    {"txtPurposeInLife", &NakshatraProfile::purposeInLife, "Purpose in Life", "The nakshatras are classified on basis of primary motivation into Kama (sensual desires), Artha (material desires), Dharma (spiritual principles), Moksha (liberation from birth and death).", 0, 8, false},
    {"txtDosha", &NakshatraProfile::dosha, "Dosha", "This decribes the three doshas that explain our physical reality: Vata (Air and Space); Pita (Fire and Water); Kapha (Water and Earth).", 0, 5, false},
    {"txtTemperaments", &NakshatraProfile::temperaments, "Temperaments", "The Gana - The species that determines that Nakshatra's nature: Deva (Godly); Manushya (Manlike) and Rakshasa (Demonlike).", 0, 9, false},
    {"txtBestDirection", &NakshatraProfile::bestDirection, "Best Direction", "This signifies the lucky directions for people born under this nakshatra.", 0, 10, false},
    {"txtLuckyGemstone", &NakshatraProfile::luckyGemstone, "Lucky Gemstone", "This signifies the lucky gemstones for people born under this nakshatra.", 0, 6, false},
    {"txtGeneralAndPhysicalFeatures", &NakshatraProfile::generalAndPhysicalFeatures, "General And Physical Features", "This describes the physical stature of a person born under this nakshatra.", 1, 0, true},
    {"txtPositiveHumanTraits", &NakshatraProfile::positiveHumanTraits, "Positive Human Traits", "This signifies the good qualities of human nature.", 2, 0, true},
    {"txtNegativeHumanTraits", &NakshatraProfile::negativeHumanTraits, "Negative Human Traits", "This signifies the bad qualities of human nature.", 3, 0, true},
    {"txtBestCareerOptions", &NakshatraProfile::bestCareerOptions, "Best Career Options", "This shows the best-suited careers.", 4, 0, true},
    {"txtDomesticLife", &NakshatraProfile::domesticLife, "Domestic Life", "This signifies the kind of domestic life a person will lead. ", 4, 1, true},
    {"txtHealth", &NakshatraProfile::health, "Health", "This includes all health concerns for a born under this Nakshatra.", 4, 2, true},
}};
// clang-format on

// The reading's margin, shown under the top boxes: which quarter and sign the Moon stood in and when it entered and
// left the birth star. The first two share a row.
struct MarginBoxDefinition
{
    const char* objectName;
    QString ReadingDescription::*text;
    const char* label;
    const char* toolTip;
};

// clang-format off
constexpr std::array<MarginBoxDefinition, 3> marginBoxes {{
    {"txtPada", &ReadingDescription::pada, "Pada", "This signifies the quarter (pada) of the nakshatra, 1 to 4, in which the Moon stood at birth."},
    {"txtMoonSign", &ReadingDescription::moonSign, "Moon Sign", "This signifies the sign of the zodiac (rashi) in which the Moon stood at birth."},
    {"txtStarPeriod", &ReadingDescription::starPeriod, "Moon In This Nakshatra", "This shows when the Moon entered this nakshatra and when it left it, by the clock of the birth place as entered."},
}};
// clang-format on
constexpr std::size_t padaBox = 0;
constexpr std::size_t moonSignBox = 1;
constexpr std::size_t starPeriodBox = 2;

constexpr std::array<const char*, 6> tabCaptions {"More about Nakshatra Name",      "General And Physical Features",
                                                  "Positive Human Traits",          "Negative Human Traits",
                                                  "Career And Health And Domestic", "About Software"};
constexpr int aboutTab = 5;
constexpr std::size_t lastTabBox = 20; // txtHealth, the last box of the last tab of boxes
// Tab 0 holds eleven short boxes: the first six in the left column, the rest in the right one.
constexpr int rowsInFirstColumn = 6;

// Attributes come in Verdana 8.25 pt; where it is missing Qt picks the nearest font.
QFont boxFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

QWidget* makeBox(const char* objectName, bool prose)
{
    QWidget* box = nullptr;
    if (prose) {
        box = new ProseBox;
    } else {
        auto* edit = new QLineEdit;
        edit->setReadOnly(true);
        edit->setMinimumWidth(180);
        box = edit;
    }
    box->setObjectName(QString::fromLatin1(objectName));
    box->setFont(boxFont());
    return box;
}

QWidget* makeBox(const BoxDefinition& definition)
{
    return makeBox(definition.objectName, definition.prose);
}

QLabel* makeBoxLabel(const char* text, const char* toolTip, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setToolTip(QString::fromUtf8(toolTip));
    label->setBuddy(buddy);
    return label;
}

template <typename Definition>
QLabel* makeBoxLabel(const Definition& definition, QWidget* buddy)
{
    return makeBoxLabel(definition.label, definition.toolTip, buddy);
}

void showText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0); // long values show their beginning
    } else if (auto* prose = qobject_cast<ProseBox*>(box)) {
        prose->setProse(text); // laid out when its tab shows, or after the window's first paint
    }
}

} // namespace

FrmResult::FrmResult(QWidget* parent)
    : QMainWindow(parent)
{
    setUpProgramWindow(this, "frmResult");
    m_reading = describeCurrentReading();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    m_offerFrame = new OfferFrame(QStringLiteral("lblCobrand1"));
    layout->addWidget(m_offerFrame);
    layout->addWidget(buildTopRow());
    layout->addWidget(buildTabs(), 1);
    layout->addWidget(buildBottomRow());
    setCentralWidget(central);
    buildMenus();
    setTabOrderByPlace();
    addPeriodsTab();
    m_tabs->installEventFilter(this);

    Form_Load();
}

void FrmResult::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addMenuItem(file, "mnuBack", "&Back"), &QAction::triggered, this, &FrmResult::cmdBack_Click);
    addMenuSeparator(file, "mnuFile1");
    connect(addMenuItem(file, "mnuSave", "&Save"), &QAction::triggered, this, &FrmResult::cmdSave_Click);
    connect(addMenuItem(file, "mnuExportReading", "&Export Reading…"), &QAction::triggered, this,
            &FrmResult::mnuExportReading_Click);

    addHelpMenus(this, [this] { mnuAbout_Click(); });
}

QWidget* FrmResult::buildTopRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* star = new QVBoxLayout;
    m_lblNakshatra = new QLabel(QStringLiteral("Nakshatra"));
    m_lblNakshatra->setObjectName(QStringLiteral("lblNakshatra"));
    m_lblNakshatra->setAlignment(Qt::AlignCenter);
    m_lblNakshatra->setFont(titleFont(m_lblNakshatra->font()));
    m_picNakshatra = new QLabel;
    m_picNakshatra->setObjectName(QStringLiteral("picNakshatra"));
    m_picNakshatra->setFixedSize(79, 128);
    m_picNakshatra->setFrameShape(QFrame::Box);
    m_picNakshatra->setPixmap(NakshatraPictureSet::firstPicture());
    star->addWidget(m_lblNakshatra);
    star->addWidget(m_picNakshatra, 0, Qt::AlignHCenter);
    star->addStretch();
    layout->addLayout(star);
    m_picSky = new SkyPicture;
    layout->addWidget(m_picSky, 0, Qt::AlignTop);

    auto* grid = new QGridLayout;
    for (const BoxDefinition& definition : boxes) {
        if (definition.place == outsideTabs) {
            QWidget* box = makeBox(definition);
            grid->addWidget(makeBoxLabel(definition, box), definition.row, 0);
            grid->addWidget(box, definition.row, 1);
        }
    }
    addMarginRows(grid);
    grid->setRowStretch(grid->rowCount(), 1);
    layout->addLayout(grid, 1);
    return row;
}

void FrmResult::addMarginRows(QGridLayout* grid)
{
    std::array<QWidget*, marginBoxes.size()> shown {};
    std::ranges::transform(marginBoxes, shown.begin(),
                           [](const MarginBoxDefinition& definition) { return makeBox(definition.objectName, false); });
    // Room for a line edit's frame around its text; also the gap between the pada and the sign.
    constexpr int framing = 12;
    // A pada is one digit: its box stays narrow so the sign fits beside it.
    QWidget* pada = shown[padaBox];
    pada->setMinimumWidth(0);
    pada->setMaximumWidth(pada->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + framing);
    // The longest period there is stays whole on screen.
    QWidget* period = shown[starPeriodBox];
    period->setMinimumWidth(period->fontMetrics().horizontalAdvance(
                                QStringLiteral("From 30 September 2000, 00:00 to 30 September 2000, 00:00"))
                            + framing);

    const int first = grid->rowCount();
    auto* padaAndSign = new QHBoxLayout;
    padaAndSign->addWidget(pada);
    padaAndSign->addSpacing(framing);
    padaAndSign->addWidget(makeBoxLabel(marginBoxes[moonSignBox], shown[moonSignBox]));
    padaAndSign->addWidget(shown[moonSignBox], 1);
    grid->addWidget(makeBoxLabel(marginBoxes[padaBox], pada), first, 0);
    grid->addLayout(padaAndSign, first, 1);
    grid->addWidget(makeBoxLabel(marginBoxes[starPeriodBox], period), first + 1, 0);
    grid->addWidget(period, first + 1, 1);

    // The caution stands out by the style's own warning sign; a screen reader speaks its text.
    m_picStarCaution = new QLabel;
    m_picStarCaution->setObjectName(QStringLiteral("picStarCaution"));
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_picStarCaution->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    m_picStarCaution->setAccessibleName(QStringLiteral("Warning"));
    m_lblStarCaution = new QLabel;
    m_lblStarCaution->setObjectName(QStringLiteral("lblStarCaution"));
    m_lblStarCaution->setWordWrap(true);
    auto* caution = new QHBoxLayout;
    caution->addWidget(m_picStarCaution, 0, Qt::AlignTop);
    caution->addWidget(m_lblStarCaution, 1);
    grid->addLayout(caution, first + 2, 0, 1, 2);
}

QWidget* FrmResult::buildTabs()
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SST"));
    // The six captions together are wider than a small screen: the strip scrolls rather than widen the window.
    m_tabs->setUsesScrollButtons(true);
    // The strip's scroll arrows are for the mouse: the keyboard moves between tabs with the arrow keys and
    // Ctrl+Tab, and the Tab key goes on from the strip to the page.
    for (QToolButton* arrow : m_tabs->tabBar()->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    for (int tab = 0; tab < aboutTab; ++tab) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        for (const BoxDefinition& definition : boxes) {
            if (definition.place != tab) {
                continue;
            }
            QWidget* box = makeBox(definition);
            QLabel* label = makeBoxLabel(definition, box);
            if (definition.prose) {
                grid->addWidget(label, 2 * definition.row, 0);
                grid->addWidget(box, 2 * definition.row + 1, 0);
                grid->setRowStretch(2 * definition.row + 1, 1);
            } else {
                const int column = definition.row < rowsInFirstColumn ? 0 : 3;
                const int row = definition.row % rowsInFirstColumn;
                grid->addWidget(label, row, column);
                grid->addWidget(box, row, column + 1);
            }
        }
        if (tab == 0) {
            grid->setColumnStretch(1, 1);
            grid->setColumnMinimumWidth(2, 12); // keeps the two columns apart
            grid->setColumnStretch(4, 1);
            grid->setRowStretch(rowsInFirstColumn, 1);
        }
        m_tabs->addTab(page, QString::fromLatin1(tabCaptions[tab]));
    }
    m_tabs->addTab(buildAboutTab(), QString::fromLatin1(tabCaptions[aboutTab]));
    return m_tabs;
}

QWidget* FrmResult::buildAboutTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* name = new QLabel(QStringLiteral("Ondara"));
    name->setFont(titleFont(name->font()));
    layout->addWidget(name);

    auto* description = new QLabel(QStringLiteral(
        "Ondara finds your birth star, the nakshatra in which the Moon stood at the moment of your birth, by the "
        "rules of Vedic astrology. From your date, time and place of birth it works out the Moon's position, "
        "corrects it to the sidereal zodiac and names the one of the 27 nakshatras that holds it. The reading "
        "describes the nakshatra's ruling planet and deva, its symbol and element, and the nature, traits, career, "
        "domestic life and health of people born under it. Use Save to print the reading or to keep the birth "
        "details for later."));
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addWidget(makeWrappedLabel("lblNotAdvice", QString::fromLatin1(ProgramTexts::notMedicalAdvice)));

    addAboutOfferAndLinks(layout);
    layout->addStretch();
    return page;
}

QWidget* FrmResult::buildBottomRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* frame = new QGroupBox(QString::fromLatin1(WebAddresses::siteName));
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* frameLayout = new QVBoxLayout(frame);
    LinkLabel* board
        = LinkLabel::named("Label61",
                           QStringLiteral("Our discussion board is the friendliest place on the web to talk about "
                                          "astrology. Come and join in at %1!")
                               .arg(QString::fromLatin1(WebAddresses::siteName)));
    connect(board, &LinkLabel::clicked, this, [] { OpenHomePage(); });
    frameLayout->addWidget(board);
    layout->addWidget(frame, 1);

    auto* back = new QPushButton(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("cmdBack"));
    connect(back, &QPushButton::clicked, this, &FrmResult::cmdBack_Click);
    auto* save = new QPushButton(QStringLiteral("&Save"));
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(save, &QPushButton::clicked, this, &FrmResult::cmdSave_Click);
    layout->addWidget(back, 0, Qt::AlignBottom);
    layout->addWidget(save, 0, Qt::AlignBottom);
    return row;
}

// Tab walks the boxes as they are laid out (the four top boxes, the margin's three under them, the tab strip, then
// each tab top to bottom, left column first), not in the order the load fills them.
void FrmResult::setTabOrderByPlace()
{
    std::array<const BoxDefinition*, boxes.size()> ordered {};
    std::ranges::transform(boxes, ordered.begin(), [](const BoxDefinition& definition) { return &definition; });
    std::ranges::sort(ordered, {},
                      [](const BoxDefinition* definition) { return std::pair(definition->place, definition->row); });
    QList<QWidget*> chain;
    for (const BoxDefinition* definition : ordered) {
        if (definition->place != outsideTabs && !chain.contains(m_tabs)) {
            for (const MarginBoxDefinition& margin : marginBoxes) {
                chain.append(findChild<QWidget*>(QString::fromLatin1(margin.objectName)));
            }
            chain.append(m_tabs);
        }
        chain.append(findChild<QWidget*>(QString::fromLatin1(definition->objectName)));
    }
    // The window's own links and buttons follow, and the advertising links come last of all.
    for (const char* name : {"Label61", "cmdBack", "cmdSave"}) {
        chain.append(findChild<QWidget*>(QString::fromLatin1(name)));
    }
    chain.append(m_offerFrame->coBrandLabel());
    chain.append(m_offerFrame->fullBrandLabel());
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    // The reading starts on the tab strip, so a Space or Enter right after it never opens an offer.
    m_tabs->setFocus();
}

// After the six tabs, so they keep their indexes (the About menu selects the sixth). Its controls follow the last
// tab's in the Tab order; it comes once the window's own order stands, as the tab widget would otherwise pass the
// Tab key on from the strip to the last control of its pages.
void FrmResult::addPeriodsTab()
{
    m_periodsPage = new LazyPage([this] {
        m_periodsTab = new PeriodsTab(m_reading.gifts);
        QWidget* previous = findChild<QWidget*>(QString::fromLatin1(boxes[lastTabBox].objectName));
        for (QWidget* control : m_periodsTab->focusChain()) {
            setTabOrder(previous, control);
            previous = control;
        }
        return m_periodsTab;
    });
    m_tabs->addTab(m_periodsPage, PeriodsTab::caption());
}

// The first tab is drawn at once; what the other tabs hold is made once the window has been painted, in the time the
// user takes to look at it, or as soon as one of them is chosen.
bool FrmResult::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs && event->type() == QEvent::Paint && !m_restScheduled) {
        m_restScheduled = true;
        QTimer::singleShot(0, this, &FrmResult::completeTabs);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmResult::completeTabs()
{
    for (ProseBox* box : findChildren<ProseBox*>()) {
        box->applyProse();
    }
    m_periodsPage->build();
}

void FrmResult::Form_Load()
{
    m_tabs->setCurrentIndex(0);
    const QString& name = m_reading.profile.nakshatraName;
    m_lblNakshatra->setText(name);
    m_tabs->setTabText(0, QStringLiteral("More About ") + name + QStringLiteral(" Nakshatra"));
    for (const BoxDefinition& definition : boxes) {
        showText(findChild<QWidget*>(QString::fromLatin1(definition.objectName)), m_reading.profile.*definition.field);
    }
    for (const MarginBoxDefinition& definition : marginBoxes) {
        showText(findChild<QWidget*>(QString::fromLatin1(definition.objectName)), m_reading.*definition.text);
    }
    const QString& caution = m_reading.caution;
    m_lblStarCaution->setText(caution);
    m_lblStarCaution->setAccessibleName(caution);
    m_lblStarCaution->setVisible(!caution.isEmpty());
    m_picStarCaution->setVisible(!caution.isEmpty());
    // Whoever tabs to the period hears the caution with it.
    findChild<QWidget*>(QString::fromLatin1(marginBoxes[starPeriodBox].objectName))->setAccessibleDescription(caution);
    // A name without a picture keeps the first picture of the set.
    if (const std::optional<QPixmap> picture = NakshatraPictureSet::find(name)) {
        m_picNakshatra->setPixmap(*picture);
    }
    m_picSky->showReading(m_reading);
}

void FrmResult::cmdBack_Click()
{
    emit backRequested();
}

void FrmResult::cmdSave_Click()
{
    emit saveRequested();
}

void FrmResult::mnuExportReading_Click()
{
    exportReading(this, m_reading);
}

void FrmResult::mnuAbout_Click()
{
    m_tabs->setCurrentIndex(aboutTab);
}

void FrmResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
