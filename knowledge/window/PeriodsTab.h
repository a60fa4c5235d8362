#pragma once

#include "knowledge/BirthStarGifts.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// The result window's tab of what the birth star gives: the birth pada's name syllable beside the star's four, the
// balance of the period running at birth, the major periods from the birth to 120 years after it, and the
// sub-periods of the selected one, with the one running at birth or today (the user's choice) marked. It shows the
// description it was built with and never changes it; "today" comes from the Clock seam.
class PeriodsTab : public QWidget
{
    Q_OBJECT

public:
    explicit PeriodsTab(const BirthStarGifts& gifts, QWidget* parent = nullptr);

    // The caption of the tab that holds this page.
    static QString caption();

    // The controls in the order Tab walks them, for the window that chains its own focus order.
    QList<QWidget*> focusChain() const;

protected:
    // The tables reach their size only once shown: the marked rows are scrolled into view again then.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSyllables();
    QWidget* buildBalance();
    QWidget* buildMarks();
    QWidget* buildTables();
    void fill();
    void showSubPeriods(int majorRow);
    void markRunning();
    void showMarks();
    QString runningText(QDate today) const;

    BirthStarGifts m_gifts;
    RunningPeriods m_marked;
    QLineEdit* m_txtNameSyllable = nullptr;
    QList<QLineEdit*> m_padaSyllables;
    QList<QLabel*> m_padaLabels;
    QLineEdit* m_txtDashaBalance = nullptr;
    QTableWidget* m_tblPeriods = nullptr;
    QLabel* m_lblSubPeriods = nullptr;
    QRadioButton* m_optMarkBirth = nullptr;
    QRadioButton* m_optMarkToday = nullptr;
    QTableWidget* m_tblSubPeriods = nullptr;
    QLabel* m_lblRunning = nullptr;
};
