#pragma once
// Every "now" of the program comes from here, so tests can stop the clock.
#include <functional>

#include "platform/DateTime.h"

namespace platform {

// The local date and time.
DateTime Now();

// Replaces the clock until ResetClock; for tests.
void SetClock(std::function<DateTime()> clock);
void ResetClock();

}  // namespace platform
