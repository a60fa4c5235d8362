#pragma once

#include <string_view>

class QPainter;

// Paints one nakshatra's symbol in disc units (the yellow disc has radius 100 around the origin).
using SymbolPainter = void (*)(QPainter& painter);

// The painter for a nakshatra name as the engine writes it; nullptr for any other text.
SymbolPainter symbolPainterFor(std::string_view nakshatraName);
