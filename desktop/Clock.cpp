#include "desktop/Clock.h"

#include <QRandomGenerator>

namespace {

class SystemClock : public Clock
{
public:
    QDate today() override { return QDate::currentDate(); }
    // QRandomGenerator::global() is seeded by the system, which serves as seeding from the clock at start-up.
    double random() override { return QRandomGenerator::global()->generateDouble(); }
};

Clock* installed = nullptr;

} // namespace

Clock& Clock::instance()
{
    static SystemClock real;
    if (installed) {
        return *installed;
    }
    return real;
}

void Clock::setInstance(Clock* clock)
{
    installed = clock;
}
