#include "knowledge/window/FrmResult.h"

#include "assets/NakshatraPictures.h"
#include "desktop/LinkLabel.h"
#include "desktop/OfferFrame.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "knowledge/window/LazyPage.h"
#include "knowledge/window/ProseBox.h"
#include "knowledge/window/ReadingExport.h"
#include "report/SheetPdfWriter.h"
#include "report/SkyPainter.h"
#include "tests/support/Deadline.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FrmResultDriver.h"
#include "tests/support/PdfTools.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SampleBirths.h"
#include "tests/support/SeamFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>

#include <memory>

namespace {

struct ShownField
{
    const char* objectName;
    QString NakshatraProfile::*field;
};

// Which box shows which attribute of the reading.
const ShownField shownFields[] = {
    {"txtAstronomicalName", &NakshatraProfile::astronomicalName},
    {"txtRullingPlanet", &NakshatraProfile::rulingPlanet},
    {"txtSymbol", &NakshatraProfile::symbol},
    {"txtAnimalSymbol", &NakshatraProfile::animalSymbol},
    {"txtNature", &NakshatraProfile::nature},
    {"txtRullingDeva", &NakshatraProfile::rulingDeva},
    {"txtPurposeOfTheDeva", &NakshatraProfile::purposeOfTheDeva},
    {"txtElement", &NakshatraProfile::element},
    {"txtPartOfBody", &NakshatraProfile::partOfBody},
    {"txtDosha", &NakshatraProfile::dosha},
    {"txtLuckyGemstone", &NakshatraProfile::luckyGemstone},
    {"txtGender", &NakshatraProfile::gender},
    {"txtPurposeInLife", &NakshatraProfile::purposeInLife},
    {"txtTemperaments", &NakshatraProfile::temperaments},
    {"txtBestDirection", &NakshatraProfile::bestDirection},
    {"txtGeneralAndPhysicalFeatures", &NakshatraProfile::generalAndPhysicalFeatures},
    {"txtPositiveHumanTraits", &NakshatraProfile::positiveHumanTraits},
    {"txtNegativeHumanTraits", &NakshatraProfile::negativeHumanTraits},
    {"txtBestCareerOptions", &NakshatraProfile::bestCareerOptions},
    {"txtDomesticLife", &NakshatraProfile::domesticLife},
    {"txtHealth", &NakshatraProfile::health},
};

void loadReading(const QString& name)
{
    currentProfile = NakshatraProfile();
    currentProfile.nakshatraName = name;
    findNakshatraProfile(name);
}

// The one label whose buddy is `box`, or null.
QLabel* labelOf(const QWidget& window, const QWidget* box)
{
    QLabel* found = nullptr;
    for (QLabel* candidate : window.findChildren<QLabel*>()) {
        if (candidate->buddy() == box) {
            if (found != nullptr) {
                return nullptr;
            }
            found = candidate;
        }
    }
    return found;
}

// Leaves no margin behind for the next test, however this one ends.
struct MarginReset
{
    ~MarginReset() { currentMargin = ReadingMargin(); }
};

// The Madrid birth four minutes into Ashwini as the entry window leaves it, its place from the atlas.
void loadMadridReading()
{
    currentBirthData = madridBirth().details;
    currentBirthPlace = {QStringLiteral("Madrid"), QStringLiteral("Community of Madrid"), QStringLiteral("Spain"),
                         QStringLiteral("Europe/Madrid, UTC+02:00 on that date"), true};
    currentMargin = readingMargin(currentBirthData);
    loadReading(currentMargin.nakshatraName);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FrmResultTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void loadShowsTheReading_data();
    void loadShowsTheReading();
    void showsThePictureOfItsKey_data();
    void showsThePictureOfItsKey();
    void nameWithoutPictureKeepsTheFirstPicture();
    void emptyProfileShowsEmptyBoxes();
    void readsTheProfileOnlyAtLoad();
    void tabZeroIsInFrontAfterEveryOpening();
    void theOtherTabsAreCompletedOnceTheWindowIsPainted();
    void tabFromTheStripEntersTheSeventhTab();
    void vishakhaTraitsShowTwoParagraphsWithinScrollReach();
    void boxesAreReadOnlyInVerdana();
    void labelsNameTheirBoxes_data();
    void labelsNameTheirBoxes();
    void menuBarHoldsFileHelpAndAGreyedOffer();
    void helpMenuOpensPages_data();
    void helpMenuOpensPages();
    void aboutSoftwareOnlySelectsItsTab();
    void linkLabelsOpenPages_data();
    void linkLabelsOpenPages();
    void backAndSaveAreAskedOfTheShell_data();
    void backAndSaveAreAskedOfTheShell();
    void closingSaysSo();
    void opensOnTheTabStripWithTheOffersLastInTabOrder();
    void marginBoxesShowTheReadingsMargin_data();
    void marginBoxesShowTheReadingsMargin();
    void marginBoxesCarryLabelsAndTips_data();
    void marginBoxesCarryLabelsAndTips();
    void tabReachesTheMarginBetweenTheTopBoxesAndTheTabs();
    void skyPictureShowsTheReadingBesideTheStar();
    void aWindowMadeAheadOpensAsOneMadeAtOnce_data();
    void aWindowMadeAheadOpensAsOneMadeAtOnce();
    void skyPicturePaintsAtTwiceThePixelRatio();
    void exportReadingWritesTheSheetOfWhatTheWindowShows();
    void cancelledExportWritesNothing();
    void failedExportSaysSoAndKeepsTheEarlierFile_data();
    void failedExportSaysSoAndKeepsTheEarlierFile();
    void paperComesFromTheLocaleSettings_data();
    void paperComesFromTheLocaleSettings();

private:
    void tearDown() override
    {
        currentProfile = NakshatraProfile();
        currentMargin = ReadingMargin();
        currentBirthData = BirthData();
        currentBirthPlace = BirthPlace();
    }
};

void FrmResultTest::loadShowsTheReading_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("first row") << QStringLiteral("Ashwini");
    QTest::newRow("two-word name") << QStringLiteral("Uttara Bhadrapada");
    QTest::newRow("last row") << QStringLiteral("Revati");
}

void FrmResultTest::loadShowsTheReading()
{
    QFETCH(QString, name);
    setCurrentReading(name);
    const NakshatraProfile expected = currentProfile;
    QVERIFY(!expected.rulingDeva.isEmpty());

    FrmResult window;
    const FrmResultDriver result(&window);
    QCOMPARE(window.objectName(), QStringLiteral("frmResult"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Ondara v1.90"));
    QCOMPARE(result.shownNakshatra(), name);
    QCOMPARE(result.tabs()->tabText(0), QStringLiteral("More About %1 Nakshatra").arg(name));
    for (const ShownField& shown : shownFields) {
        QCOMPARE(result.textOf(shown.objectName), expected.*shown.field);
    }
}

void FrmResultTest::showsThePictureOfItsKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isTheFirstPicture");
    QTest::newRow("Revati, the 27th star") << QStringLiteral("Revati") << false;
    QTest::newRow("Anuradha, first of the set") << QStringLiteral("Anuradha") << true;
    QTest::newRow("Vishakha, last of the set") << QStringLiteral("Vishakha") << false;
}

void FrmResultTest::showsThePictureOfItsKey()
{
    QFETCH(QString, name);
    QFETCH(bool, isTheFirstPicture);
    setCurrentReading(name);
    FrmResult window;
    const QImage shown = FrmResultDriver(&window).picture();
    QCOMPARE(shown, NakshatraPictureSet::find(name)->toImage());
    QCOMPARE(shown == NakshatraPictureSet::firstPicture().toImage(), isTheFirstPicture);
}

void FrmResultTest::nameWithoutPictureKeepsTheFirstPicture()
{
    setCurrentReading(QStringLiteral("revati")); // keys compare case-sensitively
    FrmResult window;
    QCOMPARE(FrmResultDriver(&window).picture(), NakshatraPictureSet::firstPicture().toImage());
    QCOMPARE(seams().messages.shown.size(), 0);
}

void FrmResultTest::emptyProfileShowsEmptyBoxes()
{
    currentProfile = NakshatraProfile();
    FrmResult window;
    const FrmResultDriver result(&window);
    QCOMPARE(result.shownNakshatra(), QString());
    QCOMPARE(result.tabs()->tabText(0), QStringLiteral("More About  Nakshatra"));
    for (const ShownField& shown : shownFields) {
        QVERIFY2(result.textOf(shown.objectName).isEmpty(), shown.objectName);
    }
    QCOMPARE(result.picture(), NakshatraPictureSet::firstPicture().toImage());
}

void FrmResultTest::readsTheProfileOnlyAtLoad()
{
    setCurrentReading(QStringLiteral("Revati"));
    FrmResult window;
    const FrmResultDriver result(&window);
    setCurrentReading(QStringLiteral("Ashwini"));
    QVERIFY(result.show());
    QCOMPARE(result.shownNakshatra(), QStringLiteral("Revati"));
    QCOMPARE(result.child<QLineEdit>("txtSymbol")->text(), QStringLiteral("A Fish"));
}

void FrmResultTest::tabZeroIsInFrontAfterEveryOpening()
{
    setCurrentReading(QStringLiteral("Magha"));
    for (const int leftOn : {3, 5, 1}) {
        auto window = std::make_unique<FrmResult>();
        QTabWidget* tabs = FrmResultDriver(window.get()).tabs();
        QCOMPARE(tabs->currentIndex(), 0);
        window->show();
        tabs->setCurrentIndex(leftOn);
        window->close();
    }
}

// The window opens with its first tab drawn; the paragraphs of the others are laid out, and the last tab made, once
// it has been painted, and a tab chosen before then is made at once.
void FrmResultTest::theOtherTabsAreCompletedOnceTheWindowIsPainted()
{
    setCurrentReading(QStringLiteral("Vishakha"));
    FrmResult window;
    auto* traits = requireChild<ProseBox>(&window, "txtPositiveHumanTraits");
    QCOMPARE(traits->prose(), currentProfile.positiveHumanTraits);
    QVERIFY(traits->toPlainText().isEmpty()); // waiting: nothing shown it yet
    auto* periods = qobject_cast<LazyPage*>(requireChild<QTabWidget>(&window, "SST")->widget(6));
    if (periods == nullptr) {
        QFAIL("the seventh tab is not a page made on demand");
    }
    QVERIFY(periods->content() == nullptr);

    FrmResultDriver result(&window);
    QVERIFY(result.show());
    QTRY_VERIFY_WITH_TIMEOUT(periods->content() != nullptr, Deadline::eventMs);
    for (ProseBox* box : window.findChildren<ProseBox*>()) {
        QCOMPARE(box->toPlainText(), box->prose());
    }
    QVERIFY(traits->toPlainText().startsWith(currentProfile.positiveHumanTraits.left(40)));
    QVERIFY(periods->content()->findChild<QTableWidget*>(QStringLiteral("tblPeriods")) != nullptr);

    FrmResult unshown;
    auto* page = qobject_cast<LazyPage*>(requireChild<QTabWidget>(&unshown, "SST")->widget(6));
    if (page == nullptr) {
        QFAIL("the seventh tab is not a page made on demand");
    }
    QVERIFY(page->build() != nullptr); // as when its tab is chosen
    QCOMPARE(page->build(), page->content()); // made once
}

// The seventh tab's controls are made after the window: from its tab strip, Tab still goes into them first, and from
// their last on to the window's own links and buttons.
void FrmResultTest::tabFromTheStripEntersTheSeventhTab()
{
    setCurrentReading(QStringLiteral("Swati"));
    FrmResult window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* tabs = requireChild<QTabWidget>(&window, "SST");
    tabs->setCurrentIndex(6);
    QTRY_VERIFY_WITH_TIMEOUT(requireChild<QLineEdit>(&window, "txtNameSyllable")->isVisible(), Deadline::eventMs);
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int presses = 0; presses < 9; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(reached,
             QStringList({"txtNameSyllable", "txtPadaSyllable1", "txtPadaSyllable2", "txtPadaSyllable3",
                          "txtPadaSyllable4", "txtDashaBalance", "optMarkBirth", "tblPeriods", "tblSubPeriods"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Label61"));
}

void FrmResultTest::vishakhaTraitsShowTwoParagraphsWithinScrollReach()
{
    setCurrentReading(QStringLiteral("Vishakha"));
    FrmResult window;
    const FrmResultDriver result(&window);
    window.resize(800, 600);
    QVERIFY(result.show());
    result.showTab(2);
    auto* box = result.child<QPlainTextEdit>("txtPositiveHumanTraits");
    QTRY_VERIFY_WITH_TIMEOUT(box->isVisible(), Deadline::eventMs);

    const QTextDocument* document = box->document();
    QCOMPARE(document->blockCount(), 3);
    QVERIFY(!document->findBlockByNumber(0).text().isEmpty());
    QCOMPARE(document->findBlockByNumber(1).text(), QString());
    QVERIFY(!document->findBlockByNumber(2).text().isEmpty());

    QScrollBar* bar = box->verticalScrollBar();
    QVERIFY(bar->isVisible());
    const QPoint bottomLeft(4, box->viewport()->height() - 4);
    bar->setValue(bar->minimum());
    QCOMPARE(box->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
    bar->setValue(bar->maximum());
    QCOMPARE(box->cursorForPosition(bottomLeft).blockNumber(), 2);
}

void FrmResultTest::boxesAreReadOnlyInVerdana()
{
    setCurrentReading(QStringLiteral("Hasta"));
    FrmResult window;
    const FrmResultDriver result(&window);
    int prose = 0;
    for (const ShownField& shown : shownFields) {
        auto* box = result.child<QWidget>(shown.objectName);
        QCOMPARE(box->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(box->font().pointSizeF(), 8.25);
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            QVERIFY2(line->isReadOnly(), shown.objectName);
            continue;
        }
        auto* multi = qobject_cast<QPlainTextEdit*>(box);
        QVERIFY2(multi != nullptr, shown.objectName);
        QVERIFY2(multi->isReadOnly(), shown.objectName);
        QCOMPARE(multi->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        ++prose;
    }
    QCOMPARE(prose, 6);
}

void FrmResultTest::labelsNameTheirBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](const char* box, const char* label, const char* toolTip) {
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(label) << QString::fromLatin1(toolTip);
    };
    row("txtAstronomicalName", "Astronomical Name", "This is the equivalent English constellation name.");
    row("txtRullingPlanet", "Ruling Planet ",
        "This signifies the planet that has a powerful effect on this nakshatra.");
    row("txtSymbol", "Symbol", "This defines the symbol of the nakshatra.");
    row("txtAnimalSymbol", "Animal Symbol", "This signifies the animal that the nakshatra is associated with.");
    row("txtNature", "Nature of Nakshatra",
        "Each Nakshatra is also governed by a nature, which essentially describes temperament.");
    row("txtRullingDeva", "Name of Ruling Deva /Demi God",
        "This signifies the demigods who bless or curse the native born under this nakshatra.");
    row("txtPurposeOfTheDeva", "Purpose of the Deva",
        "This signifies the importance of the demigod ruling this nakshatra.");
    row("txtElement", "Element / Tatthwa",
        "This means \"things\" and it describes the essential constitution of all things.");
    row("txtPartOfBody", "Part of Body", "This shows the part of the body that a particular nakshatra governs.");
    row("txtDosha", "Dosha",
        "This decribes the three doshas that explain our physical reality: Vata (Air and Space); Pita (Fire and "
        "Water); Kapha (Water and Earth).");
    row("txtLuckyGemstone", "Lucky Gemstone",
        "This signifies the lucky gemstones for people born under this nakshatra.");
    row("txtGender", "Gender", "The male nakshatra is more dynamic while the female nakshatra is a passive one.");
    row("txtPurposeInLife", "Purpose in Life",
        "The nakshatras are classified on basis of primary motivation into Kama (sensual desires), Artha (material "
        "desires), Dharma (spiritual principles), Moksha (liberation from birth and death).");
    row("txtTemperaments", "Temperaments",
        "The Gana - The species that determines that Nakshatra's nature: Deva (Godly); Manushya (Manlike) and "
        "Rakshasa (Demonlike).");
    row("txtBestDirection", "Best Direction",
        "This signifies the lucky directions for people born under this nakshatra.");
    row("txtGeneralAndPhysicalFeatures", "General And Physical Features",
        "This describes the physical stature of a person born under this nakshatra.");
    row("txtPositiveHumanTraits", "Positive Human Traits", "This signifies the good qualities of human nature.");
    row("txtNegativeHumanTraits", "Negative Human Traits", "This signifies the bad qualities of human nature.");
    row("txtBestCareerOptions", "Best Career Options", "This shows the best-suited careers.");
    row("txtDomesticLife", "Domestic Life", "This signifies the kind of domestic life a person will lead. ");
    row("txtHealth", "Health", "This includes all health concerns for a born under this Nakshatra.");
}

void FrmResultTest::labelsNameTheirBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(QString, toolTip);
    FrmResult window;
    const QLabel* found = FrmResultDriver(&window).labelOf(qPrintable(box));
    QCOMPARE(found->text(), label);
    QCOMPARE(found->toolTip(), toolTip);
}

void FrmResultTest::menuBarHoldsFileHelpAndAGreyedOffer()
{
    FrmResult window;
    const FrmResultDriver result(&window);
    QCOMPARE(result.menuBarTitles(), QStringList({"&File", "&Help"}));
    // Never available, so not on the bar, where it would still claim Alt+O.
    const QAction* makeMoney = result.child<QAction>("mnuMakeMoney");
    QVERIFY(!makeMoney->isEnabled());
    QVERIFY(!window.menuBar()->actions().contains(makeMoney));
    QCOMPARE(result.menuEntries("mnuFile"), QStringList({"&Back", "-", "&Save", "&Export Reading\u2026"}));
    QCOMPARE(
        result.menuEntries("mnuHelp"),
        QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-", "&About Software"}));
}

void FrmResultTest::helpMenuOpensPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("page");
    QTest::newRow("mnuOnline") << "mnuOnline" << QString::fromLatin1(WebAddresses::helpPage);
    QTest::newRow("mnuVisit") << "mnuVisit" << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("mnuUpdate") << "mnuUpdate" << QString::fromLatin1(WebAddresses::updatePage);
}

void FrmResultTest::helpMenuOpensPages()
{
    QFETCH(QString, item);
    QFETCH(QString, page);
    FrmResult window;
    FrmResultDriver(&window).trigger(qPrintable(item));
    QCOMPARE(seams().urls.openedStrings(), QStringList {page});
}

void FrmResultTest::aboutSoftwareOnlySelectsItsTab()
{
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    const int windowsBefore = QApplication::topLevelWidgets().size();
    result.trigger("mnuAbout");
    QTabWidget* tabs = result.tabs();
    QCOMPARE(tabs->currentIndex(), 5);
    QCOMPARE(tabs->tabText(5), QStringLiteral("About Software"));
    QStringList aboutTexts;
    for (const QLabel* label : tabs->widget(5)->findChildren<QLabel*>()) {
        aboutTexts.append(label->text());
    }
    QVERIFY2(aboutTexts.join(QLatin1Char(' ')).contains(QLatin1String("not medical advice")),
             "the About Software tab says the profiles are not medical advice");
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// Space or Enter right after a reading must not open an offer: the focus starts on the tab strip, and Tab reaches
// the two offer links only after every other control of the window.
void FrmResultTest::opensOnTheTabStripWithTheOffersLastInTabOrder()
{
    loadReading(QStringLiteral("Uttara Bhadrapada"));
    FrmResult window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SST"));
    QVERIFY(tabs->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == tabs);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(seams().urls.opened.isEmpty());

    // The chain as it is laid out, from the first box at the top.
    window.findChild<QWidget*>(QStringLiteral("txtAstronomicalName"))->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int presses = 0; presses < 60 && !reached.contains(QApplication::focusWidget()->objectName()); ++presses) {
        reached.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The two offers lie on top of each other and only the one in front takes the focus: it comes last, and from it
    // Tab wraps round to where it started.
    const QStringList offers {QStringLiteral("lblCobrand1"), QStringLiteral("lblFullBrand")};
    const QString chain = reached.join(QLatin1Char(' '));
    QVERIFY2(offers.contains(reached.constLast()), qPrintable(chain));
    QVERIFY2(reached.indexOf(reached.constLast()) == reached.size() - 1, qPrintable(chain));
    QVERIFY2(reached.contains(QStringLiteral("cmdSave")), qPrintable(chain));
}

void FrmResultTest::linkLabelsOpenPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("page");
    QTest::newRow("Label61") << "Label61" << 0 << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("lblHomePage") << "lblHomePage" << 5 << QString::fromLatin1(WebAddresses::homePage);
    QTest::newRow("lblCoBrand") << "lblCoBrand" << 5 << QString::fromLatin1(WebAddresses::fullBrandPage);
    QTest::newRow("lblCobrand1") << "lblCobrand1" << 0 << QString::fromLatin1(WebAddresses::coBrandPage);
    QTest::newRow("lblFullBrand") << "lblFullBrand" << 0 << QString::fromLatin1(WebAddresses::fullBrandPage);
}

void FrmResultTest::linkLabelsOpenPages()
{
    QFETCH(QString, label);
    QFETCH(int, tab);
    QFETCH(QString, page);
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    result.showTab(tab);
    if (label == QLatin1String("lblCobrand1")) {
        window.offerFrame()->bringCoBrandToFront();
    }
    auto* link = result.child<LinkLabel>(qPrintable(label));
    QTRY_VERIFY_WITH_TIMEOUT(link->isVisible(), Deadline::eventMs);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(seams().urls.openedStrings(), QStringList {page});
}

void FrmResultTest::backAndSaveAreAskedOfTheShell_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("back");
    QTest::newRow("cmdBack") << "cmdBack" << true;
    QTest::newRow("mnuBack") << "mnuBack" << true;
    QTest::newRow("cmdSave") << "cmdSave" << false;
    QTest::newRow("mnuSave") << "mnuSave" << false;
}

void FrmResultTest::backAndSaveAreAskedOfTheShell()
{
    QFETCH(QString, control);
    QFETCH(bool, back);
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    QSignalSpy backs(&window, &FrmResult::backRequested);
    QSignalSpy saves(&window, &FrmResult::saveRequested);
    if (control.startsWith(QLatin1String("cmd"))) {
        QCOMPARE(result.textOf(qPrintable(control)), back ? QStringLiteral("&Back") : QStringLiteral("&Save"));
        result.click(qPrintable(control));
    } else {
        result.trigger(qPrintable(control));
    }
    QCOMPARE(backs.size(), back ? 1 : 0);
    QCOMPARE(saves.size(), back ? 0 : 1);
    QVERIFY(window.isVisible());
}

void FrmResultTest::closingSaysSo()
{
    FrmResult window;
    QVERIFY(FrmResultDriver(&window).show());
    QSignalSpy closed(&window, &FrmResult::closed);
    QVERIFY(window.close());
    QCOMPARE(closed.size(), 1);
}

void FrmResultTest::marginBoxesShowTheReadingsMargin_data()
{
    QTest::addColumn<bool>("hasReading");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("pada");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("caution");
    const auto row = [](const char* name, bool hasReading, int hour, int minute, const char* pada, const char* sign,
                        const char* period, const char* caution) {
        QTest::newRow(name) << hasReading << hour << minute << QString::fromLatin1(pada) << QString::fromLatin1(sign)
                            << QString::fromLatin1(period) << QString::fromLatin1(caution);
    };
    const char* swatiPeriod = "From 31 December 1999, 16:09 to 1 January 2000, 18:34";
    row("Swati at noon, far from a change", true, 12, 0, "4", "Tula (Libra)", swatiPeriod, "");
    row("Swati at 18:28, Vishakha 6.4 minutes on", true, 18, 28, "4", "Tula (Libra)", swatiPeriod,
        "Born 6 minutes before the Moon moved into Vishakha. If the birth time could be off by that much, the birth "
        "star may be Vishakha.");
    row("Vishakha at 18:40, Swati 5.6 minutes back", true, 18, 40, "1", "Tula (Libra)",
        "From 1 January 2000, 18:34 to 2 January 2000, 21:21",
        "Born 5 minutes after the Moon moved into Vishakha from Swati. If the birth time could be off by that much, "
        "the birth star may be Swati.");
    row("no reading yet", false, 0, 0, "", "", "", "");
}

void FrmResultTest::marginBoxesShowTheReadingsMargin()
{
    QFETCH(bool, hasReading);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, pada);
    QFETCH(QString, sign);
    QFETCH(QString, period);
    QFETCH(QString, caution);
    const MarginReset reset;
    currentMargin = hasReading ? readingMargin(newYear2000(hour, minute)) : ReadingMargin();
    loadReading(currentMargin.nakshatraName);

    FrmResult window;
    currentMargin = readingMargin(newYear2000(6, 0)); // read once, at load: a later reading changes nothing here
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto box = [&window](const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); };
    for (const char* name : {"txtPada", "txtMoonSign", "txtStarPeriod"}) {
        QVERIFY2(box(name) != nullptr, name);
        QVERIFY2(box(name)->isReadOnly(), name);
        QCOMPARE(box(name)->font().family(), QStringLiteral("Verdana"));
    }
    QCOMPARE(box("txtPada")->text(), pada);
    QCOMPARE(box("txtMoonSign")->text(), sign);
    QCOMPARE(box("txtStarPeriod")->text(), period);
    // The whole period is in view, not cut off at the box's edge.
    QVERIFY(box("txtStarPeriod")->fontMetrics().horizontalAdvance(period) < box("txtStarPeriod")->width());

    auto* shownCaution = window.findChild<QLabel*>(QStringLiteral("lblStarCaution"));
    QVERIFY(shownCaution != nullptr);
    QCOMPARE(shownCaution->isVisible(), !caution.isEmpty());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("picStarCaution"))->isVisible(), !caution.isEmpty());
    if (!caution.isEmpty()) {
        QCOMPARE(shownCaution->text(), caution);
        QCOMPARE(shownCaution->accessibleName(), caution);
        QCOMPARE(box("txtStarPeriod")->accessibleDescription(), caution);
    }
}

void FrmResultTest::marginBoxesCarryLabelsAndTips_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](const char* box, const char* label, const char* toolTip) {
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(label) << QString::fromLatin1(toolTip);
    };
    row("txtPada", "Pada",
        "This signifies the quarter (pada) of the nakshatra, 1 to 4, in which the Moon stood at birth.");
    row("txtMoonSign", "Moon Sign", "This signifies the sign of the zodiac (rashi) in which the Moon stood at birth.");
    row("txtStarPeriod", "Moon In This Nakshatra",
        "This shows when the Moon entered this nakshatra and when it left it, by the clock of the birth place as "
        "entered.");
}

void FrmResultTest::marginBoxesCarryLabelsAndTips()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(QString, toolTip);
    FrmResult window;
    const QLabel* found = labelOf(window, window.findChild<QLineEdit*>(box));
    QVERIFY(found != nullptr);
    // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): QVERIFY has returned when found is null
    QCOMPARE(found->text(), label);
    QCOMPARE(found->toolTip(), toolTip);
}

void FrmResultTest::tabReachesTheMarginBetweenTheTopBoxesAndTheTabs()
{
    const MarginReset reset;
    currentMargin = readingMargin(newYear2000(18, 28));
    loadReading(currentMargin.nakshatraName);
    FrmResult window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QWidget*>(QStringLiteral("txtAnimalSymbol"))->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int presses = 0; presses < 4; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SST"));
    QCOMPARE(reached.mid(0, 3), QStringList({"txtPada", "txtMoonSign", "txtStarPeriod"}));
    QVERIFY(QApplication::focusWidget() == tabs || tabs->isAncestorOf(QApplication::focusWidget()));
}

// The Moon four minutes into Ashwini stands at the start of its sector, whose edge the caution marks; the picture
// stands beside the star's own and says in words what it shows.
void FrmResultTest::skyPictureShowsTheReadingBesideTheStar()
{
    loadMadridReading();
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    QWidget* sky = result.skyPicture();
    QVERIFY(sky->isVisible());
    const auto inWindow
        = [&window](const QWidget* widget) { return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()); };
    const QRect shown = inWindow(sky);
    const QRect star = inWindow(result.child<QLabel>("picNakshatra"));
    QVERIFY2(shown.left() >= star.right() && shown.top() < star.bottom(), "beside the star's picture");
    QCOMPARE(sky->accessibleName(), QStringLiteral("The Moon among the nakshatras"));
    QCOMPARE(sky->accessibleDescription(),
             QStringLiteral("Moon at 0\u00b0 2\u2032 sidereal in Ashwini, pada 1, at its edge with Revati"));

    const QImage picture = result.renderedSky(1.0);
    const QRectF area(QPointF(0, 0), QSizeF(sky->size()));
    const QPointF moon = SkyGeometry::moonPoint(area, currentMargin.siderealLongitude);
    QCOMPARE(picture.pixel(moon.toPoint()) | 0xff000000, SkyColours::moon);
    const SkyGeometry::Rings rings = SkyGeometry::ringsIn(area);
    const QPointF edge = SkyGeometry::pointAt(rings.centre, (rings.signsInner + rings.outer) / 2, 0.0);
    QCOMPARE(picture.pixel(edge.toPoint()) | 0xff000000, SkyColours::caution);
}

void FrmResultTest::aWindowMadeAheadOpensAsOneMadeAtOnce_data()
{
    QTest::addColumn<bool>("madrid");
    QTest::newRow("Madrid, with the caution under the boxes") << true;
    QTest::newRow("a long star name, no margin") << false;
}

// The shell makes the next result window while the user types, before the reading exists; loaded and shown, it must
// open as a window made for the reading does, every control in the same place, the sky drawn for its size.
void FrmResultTest::aWindowMadeAheadOpensAsOneMadeAtOnce()
{
    QFETCH(bool, madrid);
    const MarginReset resetMargin;
    FrmResult ahead(nullptr, FrmResult::Load::Later);
    ahead.prepareLayout();
    if (madrid) {
        loadMadridReading();
    } else {
        loadReading(QStringLiteral("Uttara Bhadrapada"));
    }
    ahead.loadCurrentReading();
    FrmResult atOnce;
    QVERIFY(FrmResultDriver(&ahead).show());
    QVERIFY(FrmResultDriver(&atOnce).show());

    QCOMPARE(ahead.size(), atOnce.size());
    int compared = 0;
    for (const QWidget* control : atOnce.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible()) {
            continue;
        }
        const auto* twin = ahead.findChild<QWidget*>(control->objectName());
        QVERIFY2(twin != nullptr && twin->isVisible(), qPrintable(control->objectName()));
        QCOMPARE(QRect(twin->mapTo(&ahead, QPoint()), twin->size()),
                 QRect(control->mapTo(&atOnce, QPoint()), control->size()));
        ++compared;
    }
    QVERIFY(compared > 20);
    QCOMPARE(requireChild<QLabel>(&ahead, "lblNakshatra")->text(), currentProfile.nakshatraName);
    QCOMPARE(FrmResultDriver(&ahead).renderedSky(1.0), FrmResultDriver(&atOnce).renderedSky(1.0));
}

void FrmResultTest::skyPicturePaintsAtTwiceThePixelRatio()
{
    loadMadridReading();
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    const QSize side = result.skyPicture()->size();
    const QImage doubled = result.renderedSky(2.0);
    QCOMPARE(doubled.size(), side * 2);
    // Painted in the widget's own coordinates: the Moon lands where the geometry puts it, at twice the pixels.
    const QPointF moon = SkyGeometry::moonPoint(QRectF(QPointF(0, 0), QSizeF(side)), currentMargin.siderealLongitude);
    QCOMPARE(doubled.pixel((moon * 2).toPoint()) | 0xff000000, SkyColours::moon);
}

// The sheet is written from what the window read at load, not from a reading made since.
void FrmResultTest::exportReadingWritesTheSheetOfWhatTheWindowShows()
{
    loadMadridReading();
    FrmResult window;
    const FrmResultDriver result(&window);
    QVERIFY(result.show());
    currentBirthData = swatiBirth().details;
    currentBirthPlace = BirthPlace();
    const QString path = seams().pathInDir(QStringLiteral("Asha Rao - Ashwini.pdf"));
    seams().files.nextFileName = path;
    result.trigger("mnuExportReading");

    QCOMPARE(seams().files.saveRequests.size(), 1);
    const FileDialogRequest& asked = seams().files.saveRequests.constFirst();
    QCOMPARE(asked.caption, QStringLiteral("Export Reading"));
    QCOMPARE(asked.filter, QStringLiteral("PDF (*.pdf)"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("pdf"));
    QVERIFY2(asked.selectedFile.endsWith(QLatin1String("Asha Rao - Ashwini.pdf")), qPrintable(asked.selectedFile));
    QCOMPARE(seams().messages.shown.size(), 0);

    const QString text = PdfTools::text(path);
    for (const char* part : {"Asha Rao: Ashwini", "Born 15 July 1990, 14:54", "Madrid, Community of Madrid, Spain",
                             "Europe/Madrid, UTC+02:00 on that date", "Pada 1",
                             "Born 4 minutes after the Moon moved into Ashwini from Revati", "GeoNames"}) {
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    }
    QCOMPARE(PdfTools::info(path, QStringLiteral("Title")), QStringLiteral("Asha Rao: Ashwini"));
    const int pages = PdfTools::pageCount(path);
    QVERIFY2(pages >= 1 && pages <= 3, qPrintable(QString::number(pages)));
}

void FrmResultTest::cancelledExportWritesNothing()
{
    loadMadridReading();
    FrmResult window;
    const FrmResultDriver result(&window);
    result.trigger("mnuExportReading"); // no file name queued: the dialog is cancelled
    QCOMPARE(seams().files.saveRequests.size(), 1);
    QCOMPARE(QDir(seams().dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList());
    QCOMPARE(seams().messages.shown.size(), 0);
}

void FrmResultTest::failedExportSaysSoAndKeepsTheEarlierFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("path"); // empty: a file in the test's folder
    QTest::newRow("a disk that fills up") << true << QString();
    // Not even root may create files in /proc.
    QTest::newRow("a folder nobody may write") << false << QStringLiteral("/proc/self/Asha Rao - Ashwini.pdf");
}

void FrmResultTest::failedExportSaysSoAndKeepsTheEarlierFile()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, path);
    if (path.isEmpty()) {
        path = seams().pathInDir(QStringLiteral("reading.pdf"));
    }
    const QByteArray earlier("%PDF-1.4 an earlier reading sheet");
    if (fullDisk) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
    }
    loadMadridReading();
    FrmResult window;
    const FrmResultDriver result(&window);
    seams().files.nextFileName = path;
    {
        const FileSizeLimit limit(fullDisk ? 16 * 1024UL : RLIM_INFINITY);
        QVERIFY(limit.isActive());
        result.trigger("mnuExportReading");
    }
    QCOMPARE(seams().messages.shown.size(), 1);
    const MessageRequest& told = seams().messages.shown.constFirst();
    QCOMPARE(told.icon, QMessageBox::Critical);
    QCOMPARE(told.title, QStringLiteral("Ondara"));
    QVERIFY2(told.text.startsWith(QStringLiteral("The reading could not be exported to \"%1\".").arg(path)),
             qPrintable(told.text));
    QCOMPARE(contentsOf(path), fullDisk ? earlier : QByteArray());
}

void FrmResultTest::paperComesFromTheLocaleSettings_data()
{
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QByteArray>("paper");
    QTest::addColumn<QPageSize::PageSizeId>("expected");
    QTest::newRow("LC_PAPER en_US.UTF-8") << QByteArray() << QByteArray("en_US.UTF-8") << QPageSize::Letter;
    QTest::newRow("LC_PAPER es_MX") << QByteArray() << QByteArray("es_MX") << QPageSize::Letter;
    QTest::newRow("LC_PAPER de_DE.UTF-8@euro") << QByteArray() << QByteArray("de_DE.UTF-8@euro") << QPageSize::A4;
    QTest::newRow("LC_ALL wins over LC_PAPER")
        << QByteArray("en_GB.UTF-8") << QByteArray("en_US.UTF-8") << QPageSize::A4;
    QTest::newRow("LC_ALL C.UTF-8") << QByteArray("C.UTF-8") << QByteArray("en_US.UTF-8") << QPageSize::A4;
}

void FrmResultTest::paperComesFromTheLocaleSettings()
{
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, paper);
    QFETCH(QPageSize::PageSizeId, expected);
    const QByteArray savedAll = qgetenv("LC_ALL");
    const QByteArray savedPaper = qgetenv("LC_PAPER");
    const auto restore = qScopeGuard([&] {
        savedAll.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", savedAll);
        savedPaper.isNull() ? qunsetenv("LC_PAPER") : qputenv("LC_PAPER", savedPaper);
    });
    all.isEmpty() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", all);
    qputenv("LC_PAPER", paper);
    QCOMPARE(paperSizeFor(paperLocale()).id(), expected);
}

QTEST_MAIN(FrmResultTest)
#include "FrmResultTest.moc"
