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

} // namespace

template <>
Clock& Seam<Clock>::real()
{
    static SystemClock real;
    return real;
}
