#pragma once

#include "knowledge/ReadingMargin.h"

#include <QWidget>

struct ReadingDescription;

// `picSky`: the reading's Moon among the 27 stars and the 12 signs (paintSky), as large as the widget is and as
// sharp as its screen. Screen readers and the tooltip say in words what it shows.
class SkyPicture : public QWidget
{
    Q_OBJECT

public:
    explicit SkyPicture(QWidget* parent = nullptr);

    void showReading(const ReadingDescription& reading);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ReadingMargin m_margin;
};
