#pragma once

#include <chrono>

// How long a test waits on an event (a window exposed or activated, a dialog shown, an object deleted) before it
// fails. Far longer than any of them takes on a loaded machine, and well inside the QTEST_FUNCTION_TIMEOUT of 30 s,
// so an event that never comes fails its one test with a message instead of the watchdog ending the whole binary.
namespace Deadline {

inline constexpr std::chrono::milliseconds event {15000};
inline constexpr int eventMs = static_cast<int>(event.count());

} // namespace Deadline
