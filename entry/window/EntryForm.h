#pragma once

#include "engine/BirthData.h"
#include "entry/EntryValidation.h"
#include "entry/ZoneOnDate.h"

#include <QDate>
#include <QTime>
#include <QWidget>

#include <optional>

class LinkLabel;
class NumericBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace BirFile {
struct SavedTexts;
}

// The birth details of the entry window: the boxes, lists and options in their group boxes, in the order a user
// fills them (name, date, time, place, then the zone and coordinates the place fills), and the one mapping between
// them and a BirthData. The window around it adds the commands, the picture and the offers.
class EntryForm : public QWidget
{
    Q_OBJECT

public:
    explicit EntryForm(QWidget* parent = nullptr);

    // Setters for every field. Lists are chosen by position (month) or by the text of an entry; a position or text
    // the list does not offer leaves the selection as it is.
    void setNameText(const QString& text);
    void setMonthPosition(int position);
    void selectDay(const QString& text);
    void selectYear(const QString& text);
    void selectHour(const QString& text);
    void selectMinute(const QString& text);
    void setZoneHourText(const QString& text);
    void setZoneMinuteText(const QString& text);
    void setLongitudeDegreesText(const QString& text);
    void setLongitudeMinutesText(const QString& text);
    void setLatitudeDegreesText(const QString& text);
    void setLatitudeMinutesText(const QString& text);
    void setEast(bool east);
    void setSouth(bool south);
    void setDaylightSaving(bool ticked);

    // A saved reading's texts into the fields; its zone keeps the sign it was saved with.
    void applySaved(const BirFile::SavedTexts& saved);

    // The place's texts and its coordinates (degrees, north and east positive) to the nearest minute; 0 degrees
    // 0 minutes counts as west, as the engine reads it.
    void setPlace(const QString& city, const QString& state, const QString& country);
    void setCoordinates(double latitude, double longitude);
    // The zone boxes and DST box. `signCounts`: a minus in the boxes is a sign (the atlas, a saved reading), not the
    // picker's mark of a zone east of Greenwich.
    void writeZone(const ZoneFields& zone, bool signCounts);
    void setZoneSignCounts(bool counts) { m_zoneSignCounts = counts; }

    // What the checks read, and the box a failed check sends the focus to.
    EntryTexts texts() const;
    QWidget* fieldWidget(EntryField field) const;
    // The record "Find My Birth Star" stores; every box must have passed checkNumbers.
    BirthData birthData() const;

    // The birth date and clock time as the lists show them; the date is invalid for a day the month lacks.
    QDate birthDate() const;
    QTime birthTime() const;
    // As the engine reads the fields: 0 degrees 0 minutes East counts as west.
    bool longitudeCountsEast() const;

    QLineEdit* cityBox() const { return m_txtMCity; }
    QLabel* zoneNote() const { return m_lblZoneNote; }
    QPushButton* cityClockButton() const { return m_cmdCityClock; }
    QPushButton* browserButton() const { return m_cmdBrowser; }
    LinkLabel* zoneHelpLabel() const { return m_lblTZHelp; }
    // The three place boxes with their captions for the coordinate lookup's messages.
    QLineEdit* stateBox() const { return m_txtMState; }
    QLineEdit* countryBox() const { return m_txtMCountry; }

    // The fields in tab order, first to last.
    QList<QWidget*> tabChain() const;

signals:
    // The date, the time or East/West changed: a zone from the atlas must be looked up again.
    void birthMomentChanged();
    // The user typed into a zone box or clicked DST: that zone stands.
    void zoneSetByHand();

private:
    // Element numbers of the option pairs.
    static constexpr int eastElement = 0;
    static constexpr int westElement = 1;
    static constexpr int southElement = 0;
    static constexpr int northElement = 1;

    void createControls();
    void createZoneControls();
    void createCoordinateControls();
    void fillLists();
    void layOutControls();
    QLayout* buildNameRow();
    QGroupBox* buildDateGroup();
    QGroupBox* buildTimeGroup();
    QGroupBox* buildPlaceGroup();
    QGroupBox* buildZoneGroup();
    void connectSignals();

    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QComboBox* m_cboHH = nullptr;
    QComboBox* m_cboMM = nullptr;
    QComboBox* m_cboSS = nullptr;
    NumericBox* m_txtZoneHour = nullptr;
    NumericBox* m_txtZoneMinute = nullptr;
    QCheckBox* m_chkDST = nullptr;
    LinkLabel* m_lblTZHelp = nullptr;
    QLabel* m_lblZoneNote = nullptr;
    QPushButton* m_cmdCityClock = nullptr;
    NumericBox* m_txtLonD = nullptr;
    NumericBox* m_txtLonM = nullptr;
    QButtonGroup* m_optLong = nullptr;
    QRadioButton* m_optLongEast = nullptr;
    QRadioButton* m_optLongWest = nullptr;
    NumericBox* m_txtLatD = nullptr;
    NumericBox* m_txtLatM = nullptr;
    QButtonGroup* m_optLat = nullptr;
    QRadioButton* m_optLatSouth = nullptr;
    QRadioButton* m_optLatNorth = nullptr;
    QLineEdit* m_txtMCity = nullptr;
    QLineEdit* m_txtMState = nullptr;
    QLineEdit* m_txtMCountry = nullptr;
    QPushButton* m_cmdBrowser = nullptr;

    // A minus in the zone boxes is a sign while the atlas or a saved reading wrote them: the zone then counts away
    // from the longitude's side. Written by the time zone picker or edited by hand, the boxes hold only the size.
    bool m_zoneSignCounts = false;
};
