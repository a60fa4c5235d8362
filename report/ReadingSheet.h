#pragma once

#include "knowledge/ReadingDescription.h"

class QTextDocument;

// The reading sheet: one reading on a few pages, to hand to someone or share as a PDF. It says whose reading it is,
// when and where (with the zone and the coordinates), names the birth star with its pada, the Moon sign, the Moon's
// place, the star's span and the caution when there is one, shows the star's picture and the sky picture, then
// the star's profile, and ends with the atlas's credit when the place came from it.
//
// The sheet is composed from the same ReadingDescription the result window shows, section by section in
// composeReadingSheet (ReadingSheet.cpp): a new section is one more call there, written with SheetBuilder.
void composeReadingSheet(QTextDocument* document, const ReadingDescription& reading);
