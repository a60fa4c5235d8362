#pragma once

#include "engine/BirthData.h"

#include <QString>

// Writes `birth` to a ".bir" file at `path` as the report window does; false with the reason in `errorText`.
bool writeSavedReading(const QString& path, const BirthData& birth, QString* errorText);
