#pragma once

#include <QWidget>

class QLabel;

// The caution shown when the birth lies near a change of star: the style's own warning sign and the caution's text
// (`picStarCaution`, `lblStarCaution`), both hidden while there is nothing to say. A screen reader speaks the text.
class StarCaution : public QWidget
{
    Q_OBJECT

public:
    explicit StarCaution(QWidget* parent = nullptr);

    void showCaution(const QString& caution);

private:
    QLabel* m_picture;
    QLabel* m_text;
};
