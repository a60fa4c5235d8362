#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

// `frmExitScreen`: the last window of every run. Closing a main window shows it above all other windows; its
// "E&xit" button and closing it in any other way end the program (endRequested). It also holds the referral form.
class FrmExitScreen : public QWidget
{
    Q_OBJECT

public:
    explicit FrmExitScreen(QWidget* parent = nullptr);

    // The four messages, one of which is chosen when the window is built.
    static QString message(int index);
    static constexpr int messageCount = 4;

public slots:
    void Check1_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

signals:
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildOtherPrograms();
    QWidget* buildReferralForm();
    void Form_Load();
    bool refuseTypedSpace(QWidget* box, QEvent* event);

    QLabel* m_message = nullptr;
    QCheckBox* m_visitNow = nullptr;
};
