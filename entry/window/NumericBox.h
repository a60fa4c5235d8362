#pragma once

#include <QLineEdit>

// A box of the entry window that takes a whole number: digits and Backspace are typed, keys that move or select
// work as usual, and any other character, pasting included, is refused with "Only Numbers Are Accepted". A box may
// limit how many characters the user types or pastes; text the program sets (the time zone picker's "-30") is
// never cut.
class NumericBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int noLengthLimit = 0;

    // As wide as `widthInCharacters` digits in the box's own font, so it scales with the font size.
    NumericBox(const char* objectName, const QString& accessibleName, int widthInCharacters,
               int typedLengthLimit = noLengthLimit, QWidget* parent = nullptr);

    int typedLengthLimit() const { return m_typedLengthLimit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isFull() const;

    int m_typedLengthLimit;
};
