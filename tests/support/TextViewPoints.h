#pragma once

#include <QPoint>

class QTextEdit;

// Points in a text view's viewport, for mouse events on its text.

// The middle of the character at `index`.
QPoint pointOnCharacter(const QTextEdit* view, int index);

// A point on the line of the character at `index`, near the right edge of the viewport, past the line's end.
QPoint pointRightOfLine(const QTextEdit* view, int index);
