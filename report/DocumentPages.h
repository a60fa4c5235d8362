#pragma once

#include <QRectF>

#include <functional>

class QPainter;
class QTextDocument;

// A laid-out document drawn page by page onto a paged device (a printer, a PDF writer), up to its last line: the
// empty lines and frames after the text make no page of their own.

// How many pages of `pageHeight` the document fills up to the bottom of its last line that shows anything (text or a
// picture), as it is laid out now; at least one. A paged layout never lets a line straddle two pages, so the page of
// that bottom is the last one.
int pagesUpToLastLine(const QTextDocument& laidOut, qreal pageHeight);

// Draws the pages of `page`'s size up to the last line, calling `newPage` between them.
void drawPagesUpToLastLine(QPainter& painter, QTextDocument& laidOut, const QRectF& page,
                           const std::function<void()>& newPage);
