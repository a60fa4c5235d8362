#pragma once

#include <QImage>

// The entry window's decorative picture: a night sky with the Moon inside a ring of 27 star points, one for each
// nakshatra.
namespace skyPicture {

inline constexpr int width = 160;
inline constexpr int height = 220;

QImage draw();

} // namespace skyPicture
