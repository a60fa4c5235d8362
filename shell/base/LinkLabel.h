#pragma once

#include <QLabel>

// A label that acts as a link: it shows the hand pointer while the mouse is over it, runs `clicked` on a left click,
// and can be reached and pressed from the keyboard (Tab, then Space or Enter).
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Sets the caption as stored in the window design: "&&" shows as "&".
    void setStoredCaption(const QString& stored);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The hand-style pointer of clickable labels.
QCursor linkCursor();
