#pragma once

#include <QMainWindow>
#include <QStringList>

#include <cstdint>

class EntryForm;
class OfferFrame;
class PlaceField;
class QPushButton;
struct EntryFailure;

// `frmMain`: the entry window. The user types the birth details and asks for the birth star; the window checks the
// fields, fills `currentBirthData`, `currentProfile`, `currentMargin` and `currentGifts` and says so with
// `readingComputed`. The shell, which knows the other windows, then shows the result and closes this one. The window
// is deleted when it closes, so each opening starts from the initial values. The fields are an EntryForm, the atlas's
// part of them a PlaceField; the window adds the commands, the menus, the picture and the offers.
class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);

    OfferFrame* offerFrame() const { return m_offerFrame; }
    EntryForm* form() const { return m_form; }

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
    void createCommands();
    void createMenus();
    void layOutWindow();
    void chainTabOrder();
    void writePickedZone(std::int16_t hours, std::int16_t minutes);
    void showFailure(const EntryFailure& failure);

    EntryForm* m_form = nullptr;
    PlaceField* m_placeField = nullptr;
    QPushButton* m_cmdRashi = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    OfferFrame* m_offerFrame = nullptr;
};
