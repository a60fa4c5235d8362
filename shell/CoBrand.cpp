#include "shell/CoBrand.h"

#include "desktop/Clock.h"
#include "desktop/OfferFrame.h"

#include <algorithm>

qint16 intCoBrandRandomNumber = 0;

void CoBrand_Randomize(OfferFrame* frame)
{
    const int drawn = static_cast<int>(Clock::instance().random() * 6) + 1;
    intCoBrandRandomNumber = static_cast<qint16>(std::clamp(drawn, 1, 6));
    if (frame == nullptr) {
        return;
    }
    if (intCoBrandRandomNumber % 2 == 1) {
        frame->bringCoBrandToFront();
    } else {
        frame->bringFullBrandToFront();
    }
}
