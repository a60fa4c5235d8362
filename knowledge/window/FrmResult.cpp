#include "knowledge/window/FrmResult.h"

#include "assets/NakshatraPictures.h"
#include "desktop/KeptPanelStyle.h"
#include "desktop/LinkLabel.h"
#include "desktop/OfferFrame.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramTexts.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/window/DeferredPage.h"
#include "knowledge/window/LazyPage.h"
#include "knowledge/window/PeriodsTab.h"
#include "knowledge/window/ProseBox.h"
#include "knowledge/window/ReadingExport.h"
#include "knowledge/window/ResultBoxes.h"
#include "knowledge/window/SkyPicture.h"
#include "knowledge/window/StarCaution.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

FrmResult::FrmResult(QWidget* parent, Load load)
    : QMainWindow(parent)
{
    setUpProgramWindow(this, "frmResult");

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    m_offerFrame = new OfferFrame(QStringLiteral("lblCobrand1"));
    layout->addWidget(m_offerFrame);
    layout->addWidget(buildTopRow());
    layout->addWidget(buildTabs(), 1);
    layout->addWidget(buildBottomRow());
    setCentralWidget(central);
    // Made after the boxes, so deleted after them: the attribute and margin boxes share a style that keeps their
    // frames, drawn once per size.
    auto* boxStyle = new KeptPanelStyle(this);
    for (QLineEdit* box : central->findChildren<QLineEdit*>()) {
        box->setStyle(boxStyle);
    }
    buildMenus();
    setTabOrderByPlace();
    addPeriodsTab();
    m_tabs->installEventFilter(this);

    if (load == Load::Now) {
        loadCurrentReading();
    }
}

namespace {

// A hidden window sizes itself and lays out its own layout only when asked, and each nested layout only on the
// resize event its widget gets when shown: sizes the window and lays them all out now, so that showing finds each
// in place. A layout whose rectangle and contents are unchanged keeps what it measured.
void layOutWhileHidden(QWidget* window)
{
    window->adjustSize();
    window->layout()->setGeometry(window->rect());
    for (QWidget* widget : window->findChildren<QWidget*>()) { // every parent before its children
        if (QLayout* layout = widget->layout(); layout != nullptr && !widget->isHidden()) {
            layout->setGeometry(widget->contentsRect());
        }
    }
}

void invalidateWithin(QLayout* layout)
{
    layout->invalidate();
    for (QLayout* nested : layout->findChildren<QLayout*>()) {
        nested->invalidate();
    }
}

// A hidden window's layouts do not hear of a control that changed its size: the control and each of its parents
// tell theirs, down to the window's own.
void remeasureAround(QWidget* window, std::initializer_list<QWidget*> changed)
{
    for (QWidget* control : changed) {
        for (QWidget* widget = control; widget != nullptr && widget != window; widget = widget->parentWidget()) {
            widget->updateGeometry();
            if (QLayout* layout = widget->layout()) {
                invalidateWithin(layout);
            }
        }
    }
    invalidateWithin(window->layout());
}

} // namespace

void FrmResult::prepareLayout()
{
    // Polished and laid out here, the controls measure their texts again only where the reading changes them.
    layOutWhileHidden(this);
    m_picSky->prepareRing();
}

void FrmResult::loadCurrentReading()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_reading = describeCurrentReading();
    Form_Load();
    if (testAttribute(Qt::WA_Resized) && !isVisible()) {
        // What the reading changes in size: the star's name, the first tab's caption and the caution.
        remeasureAround(this, {m_lblNakshatra, m_tabs->tabBar(), m_caution});
        layOutWhileHidden(this);
    }
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
    ResultBoxes::addTopBoxes(grid);
    ResultBoxes::addMarginBoxes(grid);
    m_caution = new StarCaution;
    grid->addWidget(m_caution, grid->rowCount(), 0, 1, 2);
    grid->setRowStretch(grid->rowCount(), 1);
    layout->addLayout(grid, 1);
    return row;
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
    for (int tab = 0; tab < ResultBoxes::profileTabCount; ++tab) {
        m_tabs->addTab(ResultBoxes::makeTabPage(tab), ResultBoxes::tabCaption(tab));
    }
    m_aboutPage = new DeferredPage(buildAboutTab());
    m_tabs->addTab(m_aboutPage, ResultBoxes::tabCaption(ResultBoxes::aboutTab));
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

// Tab walks the boxes as they are laid out, not in the order the load fills them.
void FrmResult::setTabOrderByPlace()
{
    QList<QWidget*> chain = ResultBoxes::focusChain(this, m_tabs);
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

// After the six tabs, so they keep their indexes (the About menu selects the sixth). Its controls are made with the
// page, after the window's own order stands; once they are in the window they follow the last tab's in the Tab order,
// so that Tab from the strip goes into them before the window's links and buttons.
void FrmResult::addPeriodsTab()
{
    m_periodsPage = new LazyPage([this] {
        m_periodsTab = new PeriodsTab(m_reading.gifts);
        return m_periodsTab;
    });
    connect(m_periodsPage, &LazyPage::built, this, [this] {
        QWidget* previous = ResultBoxes::lastProfileBox(this);
        for (QWidget* control : m_periodsTab->focusChain()) {
            setTabOrder(previous, control);
            previous = control;
        }
    });
    m_tabs->addTab(m_periodsPage, PeriodsTab::caption());
}

// The first tab is drawn at once; what the other tabs hold is made once the window has been painted, in the time the
// user takes to look at it, or as soon as one of them is chosen.
bool FrmResult::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs && event->type() == QEvent::Paint && m_loaded && !m_restScheduled) {
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
    m_aboutPage->reveal();
    m_periodsPage->build();
}

void FrmResult::Form_Load()
{
    m_tabs->setCurrentIndex(0);
    const QString& name = m_reading.profile.nakshatraName;
    m_lblNakshatra->setText(name);
    m_tabs->setTabText(0, ResultBoxes::firstTabCaption(name));
    ResultBoxes::showReading(this, m_reading);
    m_caution->showCaution(m_reading.caution);
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
    m_tabs->setCurrentIndex(ResultBoxes::aboutTab);
}

void FrmResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
