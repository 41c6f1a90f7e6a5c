#pragma once
// Every "now" of the program comes from here, so tests can stop the clock.
#include <functional>

#include "text/DateTime.h"

namespace platform {

// The local date and time.
text::DateTime Now();

// Replaces the clock until ResetClock; for tests.
void SetClock(std::function<text::DateTime()> clock);
void ResetClock();

}  // namespace platform
