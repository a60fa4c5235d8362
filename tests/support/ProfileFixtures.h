#pragma once

#include "knowledge/NakshatraProfile.h"
#include "tests/support/CallSite.h"

#include <QString>

// The profile of the row keyed `name`, key included, as the windows and the report show it. Fails the running test
// and returns an empty profile when no row has that key.
NakshatraProfile profileNamed(const QString& name, CallSite where = CallSite());

// Makes `name` the current reading the way the program does: the key from the caller, the attributes from the lookup,
// which leaves them empty when no row has that key.
void setCurrentReading(const QString& name);
