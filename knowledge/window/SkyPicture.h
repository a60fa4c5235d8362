#pragma once

#include "knowledge/ReadingMargin.h"

#include <QPixmap>
#include <QWidget>

struct ReadingDescription;

// `picSky`: the reading's Moon among the 27 stars and the 12 signs (paintSky), as large as the widget is and as
// sharp as its screen. Screen readers and the tooltip say in words what it shows. The ring, the same for every
// reading, is drawn once for the widget's size and screen and kept; each paint draws the reading over it.
class SkyPicture : public QWidget
{
    Q_OBJECT

public:
    explicit SkyPicture(QWidget* parent = nullptr);

    void showReading(const ReadingDescription& reading);

    QSize sizeHint() const override;

    // Draws the ring for the widget's size and screen now, so that the first paint has it.
    void prepareRing();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& ring(const QSize& side, qreal devicePixelRatio);

    ReadingMargin m_margin;
    QPixmap m_ring;
};
