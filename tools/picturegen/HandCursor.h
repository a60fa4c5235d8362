#pragma once

#include <QImage>
#include <QPoint>

// The mouse pointer over clickable labels: a white hand with a black edge pointing up, on a transparent ground.
namespace handCursor {

inline constexpr int size = 32;
inline constexpr QPoint hotSpot(6, 0); // the tip of the index finger

QImage draw();

} // namespace handCursor
