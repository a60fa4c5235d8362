#pragma once

#include <QtGlobal>

class OfferFrame;

// The number CoBrand_Randomize drew last, 1 to 6.
extern qint16 intCoBrandRandomNumber;

// Draws 1 to 6; an odd number brings the co-branding offer of `frame` to the front, an even one the fully-branded
// offer. Start-up runs it once, for the first entry window only.
void CoBrand_Randomize(OfferFrame* frame);
