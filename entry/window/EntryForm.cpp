#include "entry/window/EntryForm.h"

#include "entry/PlaceClock.h"
#include "entry/window/NumericBox.h"
#include "report/BirFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

// The entry form's fields one by one, and their one mapping to and from a BirthData and a saved reading.

namespace {

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

} // namespace

EntryForm::EntryForm(QWidget* parent)
    : QWidget(parent)
{
    createControls();
    fillLists();
    layOutControls();
    connectSignals();
}

void EntryForm::setNameText(const QString& text)
{
    m_txtName->setText(text);
}

void EntryForm::setMonthPosition(int position)
{
    if (position >= 0 && position < m_cboMonth->count()) {
        m_cboMonth->setCurrentIndex(position);
    }
}

void EntryForm::selectDay(const QString& text)
{
    selectByText(m_cboDate, text);
}

void EntryForm::selectYear(const QString& text)
{
    selectByText(m_cboYear, text);
}

void EntryForm::selectHour(const QString& text)
{
    selectByText(m_cboHH, text);
}

void EntryForm::selectMinute(const QString& text)
{
    selectByText(m_cboMM, text);
}

void EntryForm::setZoneHourText(const QString& text)
{
    m_txtZoneHour->setText(text);
}

void EntryForm::setZoneMinuteText(const QString& text)
{
    m_txtZoneMinute->setText(text);
}

void EntryForm::setLongitudeDegreesText(const QString& text)
{
    m_txtLonD->setText(text);
}

void EntryForm::setLongitudeMinutesText(const QString& text)
{
    m_txtLonM->setText(text);
}

void EntryForm::setLatitudeDegreesText(const QString& text)
{
    m_txtLatD->setText(text);
}

void EntryForm::setLatitudeMinutesText(const QString& text)
{
    m_txtLatM->setText(text);
}

void EntryForm::setEast(bool east)
{
    m_optLong->button(east ? eastElement : westElement)->setChecked(true);
}

void EntryForm::setSouth(bool south)
{
    m_optLat->button(south ? southElement : northElement)->setChecked(true);
}

void EntryForm::setDaylightSaving(bool ticked)
{
    m_chkDST->setChecked(ticked);
}

void EntryForm::applySaved(const BirFile::SavedTexts& saved)
{
    // Only a reading whose zone came from the atlas saves a negative zone, and it means one.
    setZoneSignCounts(true);
    setNameText(saved.name);
    bool isNumber = false;
    const int month = saved.month.trimmed().toInt(&isNumber);
    if (isNumber) {
        setMonthPosition(month - 1);
    }
    selectDay(saved.day);
    selectYear(saved.year);
    selectHour(saved.hour);
    selectMinute(saved.minute);
    setLongitudeDegreesText(saved.longitudeDegrees);
    setLongitudeMinutesText(saved.longitudeMinutes);
    setLatitudeDegreesText(saved.latitudeDegrees);
    setLatitudeMinutesText(saved.latitudeMinutes);
    setZoneHourText(saved.zoneHours);
    setZoneMinuteText(saved.zoneMinutes);
    setEast(saved.isEast);
    setSouth(saved.isSouth);
    setDaylightSaving(saved.daylightSaving);
}

void EntryForm::setPlace(const QString& city, const QString& state, const QString& country)
{
    m_txtMCity->setText(city);
    m_txtMState->setText(state);
    m_txtMCountry->setText(country);
}

void EntryForm::setCoordinates(double latitude, double longitude)
{
    const int latitudeMinutes = roundedArcMinutes(latitude);
    const int longitudeMinutes = roundedArcMinutes(longitude);
    setLatitudeDegreesText(QString::number(latitudeMinutes / 60));
    setLatitudeMinutesText(QString::number(latitudeMinutes % 60));
    setLongitudeDegreesText(QString::number(longitudeMinutes / 60));
    setLongitudeMinutesText(QString::number(longitudeMinutes % 60));
    setSouth(latitude < 0);
    setEast(::longitudeCountsEast(longitude)); // the engine counts 0 degrees 0 minutes as west
}

void EntryForm::writeZone(const ZoneFields& zone, bool signCounts)
{
    setZoneHourText(QString::number(zone.hours));
    setZoneMinuteText(QString::number(zone.minutes));
    setDaylightSaving(zone.daylightSaving);
    setZoneSignCounts(signCounts);
}

EntryTexts EntryForm::texts() const
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

QWidget* EntryForm::fieldWidget(EntryField field) const
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

BirthData EntryForm::birthData() const
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
    return birth;
}

QDate EntryForm::birthDate() const
{
    return {listNumber(m_cboYear), m_cboMonth->currentIndex() + 1, listNumber(m_cboDate)};
}

QTime EntryForm::birthTime() const
{
    return {listNumber(m_cboHH), listNumber(m_cboMM)};
}

bool EntryForm::longitudeCountsEast() const
{
    const int degrees = m_txtLonD->text().toInt();
    const int minutes = m_txtLonM->text().toInt();
    return m_optLongEast->isChecked() && (degrees > 0 || minutes > 0);
}
