#pragma once

#include <QDialog>

class LinkLabel;
class OfferFrame;
class QPushButton;
class QTextEdit;
class ReportLinks;

// `frmSave`, the report window: the report of `currentProfile`, saving the reading's birth details to a ".bir" file
// and printing the report. Opened modally over the result window (the caller runs exec()).
class FrmSave : public QDialog
{
    Q_OBJECT

public:
    explicit FrmSave(QWidget* parent = nullptr);

    QTextEdit* reportView() const { return m_RTB; }
    ReportLinks* links() const { return m_links; }
    OfferFrame* offerFrame() const { return m_offers; }

public slots:
    // "&Save": writes `currentBirthData` to a ".bir" file the user chooses; the window stays open.
    void cmdSave_Click();
    // "&Print": prints the whole report, whatever part of it is selected.
    void cmdPrint_Click();

private:
    void buildWindow();

    QTextEdit* m_RTB;
    QPushButton* m_cmdSave;
    QPushButton* m_cmdPrint;
    LinkLabel* m_Label14;
    LinkLabel* m_Label3;
    OfferFrame* m_offers;
    ReportLinks* m_links = nullptr;
};
