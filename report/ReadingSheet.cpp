#include "report/ReadingSheet.h"

#include "assets/NakshatraPictures.h"
#include "report/ProfileSections.h"
#include "report/SheetBuilder.h"
#include "report/SkyPainter.h"

#include <QPixmap>
#include <QTextDocument>

#include <optional>

namespace {

// The star's picture on the sheet, 79 x 128 pixels drawn a little larger.
constexpr double starPictureScale = 1.5;
// The sky picture's side on the sheet, in the document's pixels (1/96 inch, so about 6.6 cm), and how much finer
// than that it is drawn: about 380 dots per inch on paper.
constexpr double sheetSkySide = 250.0;
constexpr double sheetSkyPixelRatio = 4.0;

// A label of the report without its closing ": ".
QString sheetLabel(const char* reportLabel)
{
    QString label = QString::fromUtf8(reportLabel).trimmed();
    if (label.endsWith(QLatin1Char(':'))) {
        label.chop(1);
    }
    return label;
}

// The picture the result window shows for the name: the star's own, or the first of the set for a name without one.
QImage starPicture(const QString& name)
{
    const std::optional<QPixmap> found = NakshatraPictureSet::find(name);
    return (found ? *found : NakshatraPictureSet::firstPicture()).toImage();
}

void addWhoseReading(SheetBuilder& sheet, const ReadingDescription& reading)
{
    sheet.addTitle(reading.title().isEmpty() ? QStringLiteral("Birth star reading") : reading.title());
    sheet.addRows({
        {QStringLiteral("Name"), reading.name},
        {QStringLiteral("Born"), reading.born},
        {QStringLiteral("Place"), reading.place},
        {QStringLiteral("Time zone"), reading.zone},
        {QStringLiteral("Coordinates"), reading.coordinates},
    });
}

void addBirthStar(SheetBuilder& sheet, const ReadingDescription& reading)
{
    sheet.addHeading(QStringLiteral("Birth Star"));
    const QImage star = starPicture(reading.profile.nakshatraName);
    sheet.addPictures({
        {star, QSizeF(star.size()) * starPictureScale, QStringLiteral("star")},
        {skyImage(reading.margin, QSizeF(sheetSkySide, sheetSkySide), sheetSkyPixelRatio),
         QSizeF(sheetSkySide, sheetSkySide), QStringLiteral("sky")},
    });
    sheet.addRows({
        {QStringLiteral("Nakshatra"), reading.profile.nakshatraName},
        {QStringLiteral("Pada"), reading.pada},
        {QStringLiteral("Moon Sign"), reading.moonSign},
        {QStringLiteral("Moon"), reading.moonPosition},
        {QStringLiteral("Moon In This Nakshatra"), reading.starPeriod},
    });
    if (!reading.caution.isEmpty()) {
        sheet.addWarning(reading.caution);
    }
}

void addProfile(SheetBuilder& sheet, const NakshatraProfile& profile)
{
    sheet.addHeading(QStringLiteral("Profile of %1").arg(profile.nakshatraName).trimmed());
    QList<SheetBuilder::Row> attributes;
    for (const ProfileSections::Line& line : ProfileSections::lines) {
        if (line.section < ProfileSections::firstProseSection && line.field != &NakshatraProfile::nakshatraName) {
            attributes.append({sheetLabel(line.label), profile.*line.field});
        }
    }
    sheet.addRows(attributes);
    for (const ProfileSections::Line& line : ProfileSections::lines) {
        if (line.section >= ProfileSections::firstProseSection) {
            sheet.addLabelledParagraph(sheetLabel(line.label), profile.*line.field);
        }
    }
}

// The birth pada's syllable among the star's four, the balance at birth and the major periods.
void addNameAndPeriods(SheetBuilder& sheet, const BirthStarGifts& gifts)
{
    if (gifts.nakshatraName.isEmpty()) {
        return;
    }
    sheet.addHeading(QStringLiteral("Name Syllable And Periods"));
    QStringList starSyllables;
    for (qsizetype pada = 0; pada < gifts.starSyllables.size(); ++pada) {
        const QString text = syllableText(gifts.starSyllables[pada]);
        starSyllables.append(pada + 1 == gifts.birthPada ? QStringLiteral("%1 (birth pada)").arg(text) : text);
    }
    sheet.addRows({
        {QStringLiteral("Name syllable"), syllableText(gifts.syllable)},
        {QStringLiteral("Syllables of %1").arg(gifts.nakshatraName), starSyllables.join(QStringLiteral(", "))},
        {QStringLiteral("Period at birth"), gifts.balanceText},
    });
    QList<QStringList> rows;
    for (const PeriodRow& period : gifts.majorPeriods) {
        rows.append({period.planet, periodDateText(period.start), periodDateText(period.end)});
    }
    sheet.addTable(rows, {QStringLiteral("Period"), QStringLiteral("From"), QStringLiteral("To")});
}

void addCredits(SheetBuilder& sheet, const ReadingDescription& reading)
{
    QString credits = QStringLiteral("Reading made with Ondara.");
    if (!reading.placeCredit.isEmpty()) {
        credits += QLatin1Char(' ') + reading.placeCredit;
    }
    sheet.addSmallPrint(credits);
}

} // namespace

void composeReadingSheet(QTextDocument* document, const ReadingDescription& reading)
{
    SheetBuilder sheet(document);
    addWhoseReading(sheet, reading);
    addBirthStar(sheet, reading);
    addNameAndPeriods(sheet, reading.gifts);
    addProfile(sheet, reading.profile);
    addCredits(sheet, reading);
    document->setMetaInformation(QTextDocument::DocumentTitle, reading.title());
    document->setModified(false);
}
