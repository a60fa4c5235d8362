#pragma once

#include <QDialog>

#include <cstdint>

class QListWidget;
class QPushButton;

// `frmTimeZone`: the list of 71 named time zones. A double-click on an entry hands its offset to the entry window
// (`zoneChosen`) and closes the picker; "&Quit", the close box or a double-click with nothing selected close it
// without a choice. Made afresh for every opening, so nothing is selected when it appears.
class FrmTimeZone : public QDialog
{
    Q_OBJECT

public:
    explicit FrmTimeZone(QWidget* parent = nullptr);

signals:
    // West-positive hours and minutes, exactly as the table lists them.
    void zoneChosen(std::int16_t hours, std::int16_t minutes);

public slots:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_lstTimeZone;
    QPushButton* m_cmdQuit;
};
