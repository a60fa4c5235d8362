#pragma once

#include <QMainWindow>

class OfferFrame;
class QGridLayout;
class QLabel;
class QTabWidget;

// `frmResult`: shows the reading in currentProfile and its margin in currentMargin, both read once while the window
// is built. The shell creates a new window for every opening and deletes it on close, so each opening shows the
// reading of that moment.
class FrmResult : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmResult(QWidget* parent = nullptr);

    OfferFrame* offerFrame() const { return m_offerFrame; }

public slots:
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuAbout_Click();

signals:
    void backRequested();
    void saveRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTopRow();
    void addMarginRows(QGridLayout* grid);
    QWidget* buildTabs();
    QWidget* buildAboutTab();
    QWidget* buildBottomRow();
    void setTabOrderByPlace();
    void Form_Load();

    OfferFrame* m_offerFrame = nullptr;
    QLabel* m_lblNakshatra = nullptr;
    QLabel* m_picNakshatra = nullptr;
    QLabel* m_picStarCaution = nullptr;
    QLabel* m_lblStarCaution = nullptr;
    QTabWidget* m_tabs = nullptr;
};
