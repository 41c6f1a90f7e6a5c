#pragma once
// The date of the last update in the settings: the value LastUpdate in the handbook's section,
// a date-time (days since 30 December 1899, the fraction the time of day) kept as decimal text
// with "." as decimal separator.
#include "platform/SettingsStore.h"
#include "text/DateTime.h"

namespace exchange {

inline constexpr const char* kLastUpdateName = "LastUpdate";

// Whether a date of the last update was ever stored, readable or not.
bool HasLastUpdate(const platform::SettingsStore& settings);

// Throws platform::SettingsError when the value is missing or is no finite decimal number.
text::DateTime ReadLastUpdate(const platform::SettingsStore& settings);

// Creates the section when missing; throws platform::SettingsError when the settings cannot be
// written.
void WriteLastUpdate(platform::SettingsStore& settings, text::DateTime value);

}  // namespace exchange
