#pragma once

#include <QPlainTextEdit>

// A read-only box of one profile paragraph that lays its text out only when it is first shown, or when the window
// has time after its first paint (applyProse): of the six such boxes on the result window's tabs, one tab's show at
// a time, and laying out a paragraph is most of the cost of opening the window.
class ProseBox : public QPlainTextEdit
{
    Q_OBJECT
    // The paragraph, laid out or still waiting: what tests and other code read instead of toPlainText().
    Q_PROPERTY(QString prose READ prose)

public:
    explicit ProseBox(QWidget* parent = nullptr);

    void setProse(const QString& text);
    QString prose() const;
    // Lays the paragraph out now, if it is still waiting.
    void applyProse();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_waiting;
    bool m_isWaiting = false;
};
