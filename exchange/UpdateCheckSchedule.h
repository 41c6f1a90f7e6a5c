#pragma once
// Whether an update check asks the producer. It does when the last update is at least seven days
// old on the fractional day count, so the time of day matters; on the very first check it asks
// for everything since 29 December 2008.
#include "platform/SettingsStore.h"
#include "text/DateTime.h"

namespace exchange {

inline constexpr double kUpdateIntervalDays = 7.0;

// 29 December 2008 00:00: the last update assumed before any was stored.
text::DateTime FirstRunLastUpdate();

bool UpdateIsDue(text::DateTime lastUpdate, text::DateTime now);

struct UpdateCheckDecision {
  text::DateTime lastUpdate = 0;  // the date the count request asks from
  bool askProducer = false;
};

// One check against the stored date and platform::Now(). Without a stored date: stores
// FirstRunLastUpdate() and asks without testing the interval. Errors of the settings (a stored
// value that is no date, settings that cannot be written) reach the caller as
// platform::SettingsError.
UpdateCheckDecision DecideUpdateCheck(platform::SettingsStore& settings);

// The person declined the offered update: the next request goes out seven days from now and asks
// only for what came after this moment.
void RememberDeclinedUpdate(platform::SettingsStore& settings);

}  // namespace exchange
