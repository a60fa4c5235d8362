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
// read once while the window is built, and exports that same reading as a PDF sheet. The shell creates a new window
// for every opening and deletes it on close, so each opening shows the reading of that moment.
class FrmResult : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmResult(QWidget* parent = nullptr);

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
    bool m_restScheduled = false;
    ReadingDescription m_reading; // read once, as the window is built
};
