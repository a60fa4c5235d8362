#pragma once

#include "entry/EntryValidation.h"
#include "entry/PlaceAtlas.h"

#include <QMainWindow>

#include <cstdint>

class LinkLabel;
class OfferFrame;
class NumericBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QStringListModel;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

// `frmMain`: the entry window. The user types the birth details and asks for the birth star; the window checks the
// fields, fills `currentBirthData`, `currentProfile`, `currentMargin` and `currentGifts` and says so with
// `readingComputed`. The shell, which knows the other windows, then shows the result and closes this one. The window
// is deleted when it closes, so each opening starts from the initial values.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);

    OfferFrame* offerFrame() const { return m_offerFrame; }

    // Setters for every field, so a saved reading can be put back. Lists are chosen by position (month) or by the
    // text of an entry; a position or text the list does not offer leaves the selection as it is.
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

    // Puts the 15 lines of a saved reading (in file order) into the fields; a missing line counts as empty.
    void applySavedLines(const QStringList& lines);

public slots:
    // "Find My Birth Star" (also "&Calculate" and the end of opening a saved reading).
    void cmdRashi_Click();
    // "&Open Previously Saved Reading".
    void cmdOpen_Click();
    // "Click Here To Find Latitude && Longitude".
    void cmdBrowser_Click();
    // "TZ Help": the time zone picker, modal over this window.
    void lblTZHelp_Click();

signals:
    void readingComputed();
    void aboutRequested();
    void savedReadingOpened();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void fillLists();
    void createMenus();
    void layOutControls();
    QLayout* buildNameRow();
    QGroupBox* buildDateGroup();
    QGroupBox* buildTimeGroup();
    QGroupBox* buildZoneGroup();
    static QGroupBox* buildCoordinateGroup(const QString& title, QLineEdit* degrees, QLineEdit* minutes,
                                           QRadioButton* first, QRadioButton* second);
    QLayout* buildPlaceGrid();
    QLayout* buildCommandRow();
    void chainTabOrder();
    void writeZone(std::int16_t hours, std::int16_t minutes);

    // The birth-place atlas: places offered as the city is typed; a chosen one fills the place, its coordinates and
    // the zone in force on the birth date, which then follows the date and time until a zone is typed or picked.
    void createPlaceCompleter();
    void offerPlaces(const QString& typed);
    void choosePlace(const QString& shown);
    void applyPlace(const Place& place);
    void followAtlasZone();
    void forgetAtlasZone();
    bool longitudeCountsEast() const;

    EntryTexts entryTexts() const;
    QWidget* fieldWidget(EntryField field) const;
    void showFailure(const EntryFailure& failure);
    void fillBirthData();

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
    QPushButton* m_cmdRashi = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    OfferFrame* m_offerFrame = nullptr;
    QLabel* m_lblZoneNote = nullptr;

    QCompleter* m_placeCompleter = nullptr;
    QStringListModel* m_offeredPlaces = nullptr;
    QList<Place> m_offered; // the places the completer shows, in its order
    QByteArray m_atlasZoneId; // the chosen place's zone while the zone boxes follow it; empty once typed or picked
    // A minus in the zone boxes is a sign while the atlas or a saved reading wrote them: the zone then counts away
    // from the longitude's side. Written by the time zone picker or edited by hand, the boxes hold only the size.
    bool m_zoneSignCounts = false;
    void setZoneSignCounts(bool counts) { m_zoneSignCounts = counts; }
};
