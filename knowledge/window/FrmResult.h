#pragma once

#include "knowledge/ReadingDescription.h"

#include <QMainWindow>

class DeferredPage;
class LazyPage;
class OfferFrame;
class PeriodsTab;
class QLabel;
class QTabWidget;
class SkyPicture;
class StarCaution;

// `frmResult`: shows the program-wide reading (describeCurrentReading: currentProfile, its margin, the sky picture),
// read once as the window loads, and exports that same reading as a PDF sheet. The shell uses a new window for every
// opening and deletes it on close, so each opening shows the reading of that moment. A window may be made and laid
// out ahead, while the user is still typing (Load::Later), and load the reading just before it is shown.
class FrmResult : public QMainWindow
{
    Q_OBJECT

public:
    enum class Load { Now, Later };

    explicit FrmResult(QWidget* parent = nullptr, Load load = Load::Now);

    // For a window made with Load::Later, while it is hidden: polishes its controls and draws what does not depend
    // on the reading, so that showing it measures and draws only what the reading changes.
    void prepareLayout();
    // Reads the current reading and fills the window with it, once, before it is shown.
    void loadCurrentReading();

    OfferFrame* offerFrame() const { return m_offerFrame; }

public slots:
    void cmdBack_Click();
    void cmdSave_Click();
    // "&Export Reading…": the reading sheet of what the window shows, as a PDF file the user names.
    void mnuExportReading_Click();
    void mnuAbout_Click();

signals:
    void backRequested();
    void saveRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTopRow();
    QWidget* buildTabs();
    QWidget* buildAboutTab();
    QWidget* buildBottomRow();
    void setTabOrderByPlace();
    void addPeriodsTab();
    void completeTabs();
    void Form_Load();

    OfferFrame* m_offerFrame = nullptr;
    QLabel* m_lblNakshatra = nullptr;
    QLabel* m_picNakshatra = nullptr;
    StarCaution* m_caution = nullptr;
    QTabWidget* m_tabs = nullptr;
    SkyPicture* m_picSky = nullptr;
    DeferredPage* m_aboutPage = nullptr;
    LazyPage* m_periodsPage = nullptr;
    PeriodsTab* m_periodsTab = nullptr; // made with its page
    bool m_loaded = false;
    bool m_restScheduled = false;
    ReadingDescription m_reading; // read once, as the window loads
};
