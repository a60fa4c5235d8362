#include "knowledge/window/ResultBoxes.h"

#include "knowledge/window/ProseBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

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
constexpr std::size_t lastTabBox = 20; // txtHealth, the last box of the last tab of boxes
// Tab 0 holds eleven short boxes: the first six in the left column, the rest in the right one.
constexpr int rowsInFirstColumn = 6;
static_assert(tabCaptions.size() == ResultBoxes::aboutTab + 1);

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

template <typename Definition>
QLabel* makeBoxLabel(const Definition& definition, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(definition.label));
    label->setToolTip(QString::fromUtf8(definition.toolTip));
    label->setBuddy(buddy);
    return label;
}

QWidget* findBox(const QWidget* window, const char* objectName)
{
    return window->findChild<QWidget*>(QString::fromLatin1(objectName));
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

namespace ResultBoxes {

QString tabCaption(int tab)
{
    return QString::fromLatin1(tabCaptions.at(static_cast<std::size_t>(tab)));
}

QString firstTabCaption(const QString& nakshatraName)
{
    return QStringLiteral("More About ") + nakshatraName + QStringLiteral(" Nakshatra");
}

void addTopBoxes(QGridLayout* grid)
{
    for (const BoxDefinition& definition : boxes) {
        if (definition.place == outsideTabs) {
            QWidget* box = makeBox(definition);
            grid->addWidget(makeBoxLabel(definition, box), definition.row, 0);
            grid->addWidget(box, definition.row, 1);
        }
    }
}

void addMarginBoxes(QGridLayout* grid)
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
}

QWidget* makeTabPage(int tab)
{
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
    return page;
}

QList<QWidget*> focusChain(const QWidget* window, QWidget* tabStrip)
{
    std::array<const BoxDefinition*, boxes.size()> ordered {};
    std::ranges::transform(boxes, ordered.begin(), [](const BoxDefinition& definition) { return &definition; });
    std::ranges::sort(ordered, {},
                      [](const BoxDefinition* definition) { return std::pair(definition->place, definition->row); });
    QList<QWidget*> chain;
    for (const BoxDefinition* definition : ordered) {
        if (definition->place != outsideTabs && !chain.contains(tabStrip)) {
            for (const MarginBoxDefinition& margin : marginBoxes) {
                chain.append(findBox(window, margin.objectName));
            }
            chain.append(tabStrip);
        }
        chain.append(findBox(window, definition->objectName));
    }
    return chain;
}

QWidget* lastProfileBox(const QWidget* window)
{
    return findBox(window, boxes[lastTabBox].objectName);
}

void showReading(const QWidget* window, const ReadingDescription& reading)
{
    for (const BoxDefinition& definition : boxes) {
        showText(findBox(window, definition.objectName), reading.profile.*definition.field);
    }
    for (const MarginBoxDefinition& definition : marginBoxes) {
        showText(findBox(window, definition.objectName), reading.*definition.text);
    }
    findBox(window, marginBoxes[starPeriodBox].objectName)->setAccessibleDescription(reading.caution);
}

} // namespace ResultBoxes
