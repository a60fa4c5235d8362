#include "entry/window/NumericBox.h"

#include "desktop/MessageBoxes.h"
#include "entry/EntryValidation.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

const QString onlyNumbers = QStringLiteral("Only Numbers Are Accepted");

// QLineEdit::maxLength would also cut the text the program sets, so the limit is a validator, which judges only
// the user's edits.
class LengthLimit : public QValidator
{
public:
    LengthLimit(int length, QObject* parent)
        : QValidator(parent)
        , m_length(length)
    {
    }

    State validate(QString& input, int&) const override { return input.size() <= m_length ? Acceptable : Invalid; }

private:
    int m_length;
};

int widthFor(QLineEdit* box, int characters)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QSize text(box->fontMetrics().horizontalAdvance(QString(characters + 1, QLatin1Char('0'))),
                     box->fontMetrics().height());
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width();
}

} // namespace

NumericBox::NumericBox(const char* objectName, const QString& accessibleName, int widthInCharacters,
                       int typedLengthLimit, QWidget* parent)
    : QLineEdit(parent)
    , m_typedLengthLimit(typedLengthLimit)
{
    setObjectName(QLatin1String(objectName));
    setAccessibleName(accessibleName);
    setFixedWidth(widthFor(this, widthInCharacters));
    if (m_typedLengthLimit != noLengthLimit) {
        setValidator(new LengthLimit(m_typedLengthLimit, this));
    }
}

void NumericBox::keyPressEvent(QKeyEvent* event)
{
    // Pasting is refused like any other character that is not a digit. Copy and Select All pass silently: they
    // cannot change the text, and copying a number out of a box is harmless.
    if (event->matches(QKeySequence::Paste)) {
        MessageBoxes::error(window(), onlyNumbers);
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (classifyNumericKey(event->key(), event->text())) {
    case NumericKey::Pass:
        QLineEdit::keyPressEvent(event);
        return;
    case NumericKey::Refuse:
        MessageBoxes::error(window(), onlyNumbers);
        return;
    case NumericKey::Type:
        break;
    }
    // A full box takes no further digit, though the picker may have written a longer text ("-30").
    if (event->key() != Qt::Key_Backspace && isFull()) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool NumericBox::isFull() const
{
    return m_typedLengthLimit != noLengthLimit && text().size() - selectedText().size() >= m_typedLengthLimit;
}
