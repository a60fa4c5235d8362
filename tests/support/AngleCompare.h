#pragma once

#include <QTest>

#include <cmath>

// Compares two angles in degrees across the 0/360 seam and prints actual, expected and difference on failure.
#define COMPARE_ANGLE(actual, expected, tolerance)                                                                     \
    do {                                                                                                               \
        const double actualValue_ = (actual);                                                                          \
        const double expectedValue_ = (expected);                                                                      \
        double difference_ = std::fmod(actualValue_ - expectedValue_, 360.0);                                          \
        if (difference_ > 180.0)                                                                                       \
            difference_ -= 360.0;                                                                                      \
        if (difference_ < -180.0)                                                                                      \
            difference_ += 360.0;                                                                                      \
        if (!(std::fabs(difference_) <= (tolerance))) {                                                                \
            QFAIL(qPrintable(QStringLiteral("angle %1: actual %2, expected %3, difference %4 (tolerance %5)")          \
                                 .arg(QString::fromLatin1(#actual))                                                    \
                                 .arg(actualValue_, 0, 'g', 17)                                                        \
                                 .arg(expectedValue_, 0, 'g', 17)                                                      \
                                 .arg(difference_, 0, 'g', 6)                                                          \
                                 .arg(double(tolerance), 0, 'g', 3)));                                                 \
        }                                                                                                              \
    } while (false)
