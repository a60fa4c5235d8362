#include "knowledge/window/FrmResult.h"

#include "assets/NakshatraPictures.h"
#include "desktop/LinkLabel.h"
#include "desktop/OfferFrame.h"
#include "desktop/WebAddresses.h"
#include "knowledge/CurrentReading.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmResultDriver.h"
#include "tests/support/ProfileFixtures.h"
#include "tests/support/SeamFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
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

private:
    void tearDown() override { currentProfile = NakshatraProfile(); }
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
    QCOMPARE(result.menuBarTitles(), QStringList({"&File", "&Help", "Make Money &Online"}));
    QVERIFY(!result.child<QAction>("mnuMakeMoney")->isEnabled());
    QCOMPARE(result.menuEntries("mnuFile"), QStringList({"&Back", "-", "&Save"}));
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
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
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

QTEST_MAIN(FrmResultTest)
#include "FrmResultTest.moc"
