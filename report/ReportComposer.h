#pragma once

#include "knowledge/NakshatraProfile.h"

#include <QString>

class QFont;
class QTextDocument;

// The report of one profile: six sections with purple bold headings, teal labels and black values, composed with
// one cursor from top to bottom. A line break is a new block, so the document's blocks are the report's lines.
void composeReport(QTextDocument* document, const NakshatraProfile& profile);

// The report's lines ended by CR LF, as the report has them.
QString reportPlainText(const QTextDocument& document);

// Verdana 9.75 point; Qt falls back to a similar face where Verdana is missing.
QFont reportFont();
