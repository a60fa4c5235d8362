#pragma once

#include <QHash>
#include <QLabel>

#include <optional>

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

    // Measured with the font metrics, as a plain label is (a label that takes the focus would otherwise lay its
    // text out in a full text document for every size asked), and remembered, since layouts ask again and again.
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

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
    int textFlags() const;
    int horizontalExtra() const;
    int measuredHeight(int width) const;
    QSize measuredSizeHint() const;
    QSize measuredMinimumSizeHint() const;
    void forgetMeasuresOfAnotherText() const;

    mutable QHash<int, int> m_heightForWidth;
    mutable std::optional<QSize> m_sizeHint;
    mutable std::optional<QSize> m_minimumSizeHint;
    mutable QString m_measuredText; // the text the remembered heights belong to
};

// The hand-style pointer of clickable labels.
QCursor linkCursor();
