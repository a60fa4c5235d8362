#pragma once

#include <QHash>
#include <QLabel>

// A label that acts as a link: it shows the hand pointer while the mouse is over it, runs `clicked` on a left click,
// and can be reached and pressed from the keyboard (Tab, then Space or Enter), which the style's focus mark shows.
// Screen readers meet it as a link with a press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    // A link label with its object name and its stored caption (see setStoredCaption).
    static LinkLabel* named(const char* objectName, const QString& storedCaption);

    // Sets a caption written with access-key escapes, as every caption of the program is: "&&" shows as "&".
    void setStoredCaption(const QString& stored);

    // A focusable label lays its text out in a full text document for every height it is asked for, and layouts
    // ask for the same widths again and again: remember the answers.
    int heightForWidth(int width) const override;

    // Presses the link as a click does: for the keyboard and for assistive tools.
    void press();

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    mutable QHash<int, int> m_heightForWidth;
    mutable QString m_measuredText; // the text the remembered heights belong to
};

// The hand-style pointer of clickable labels.
QCursor linkCursor();
