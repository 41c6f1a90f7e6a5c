#include "exchange/UpdateCheckSchedule.h"

#include "exchange/LastUpdateSetting.h"
#include "platform/Clock.h"
#include "platform/ProducerAddress.h"

namespace exchange {

text::DateTime FirstRunLastUpdate() { return text::EncodeDateTime({.year = 2008, .month = 12, .day = 29}); }

bool UpdateIsDue(text::DateTime lastUpdate, text::DateTime now) { return now - lastUpdate >= kUpdateIntervalDays; }

UpdateCheckDecision DecideUpdateCheck(platform::SettingsStore& settings) {
  if (HasLastUpdate(settings)) {
    const text::DateTime lastUpdate = ReadLastUpdate(settings);
    return {lastUpdate, UpdateIsDue(lastUpdate, platform::Now())};
  }
  // A failure to create the section shows up as the failure of the write that follows.
  try {
    settings.CreateSection(platform::kHandbookSection);
  } catch (const platform::SettingsError&) {
  }
  WriteLastUpdate(settings, FirstRunLastUpdate());
  return {FirstRunLastUpdate(), true};
}

void RememberDeclinedUpdate(platform::SettingsStore& settings) { WriteLastUpdate(settings, platform::Now()); }

}  // namespace exchange
