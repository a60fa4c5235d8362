#pragma once

#include "NakshatraSymbols.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

// A nakshatra picture: 79 x 128 pixels, the name in red script at the top, the symbol on a yellow disc below it.
namespace nakshatraPicture {

inline constexpr int width = 79;
inline constexpr int height = 128;

// The lines the name is written on: two-word names take one line per word, so every name keeps one letter size.
QStringList titleLines(const QString& name);

// The script face at the largest pixel size with which every line of every name fits the picture's width.
QFont titleFont(const QStringList& names);

QImage draw(const QString& name, SymbolPainter paintSymbol, const QFont& font);

} // namespace nakshatraPicture
