#include "exchange/LastUpdateSetting.h"

#include <cmath>

#include "platform/ProducerAddress.h"

namespace exchange {

bool HasLastUpdate(const platform::SettingsStore& settings) {
  return settings.ReadText(platform::kHandbookSection, kLastUpdateName).has_value();
}

text::DateTime ReadLastUpdate(const platform::SettingsStore& settings) {
  const text::DateTime value = settings.ReadDateTime(platform::kHandbookSection, kLastUpdateName);
  // "inf" and "nan" read as numbers, but no date compares or prints sensibly from them.
  if (!std::isfinite(value))
    throw platform::SettingsError(std::string("The setting ") + platform::kHandbookSection + '\\' + kLastUpdateName +
                                  " is not a date");
  return value;
}

void WriteLastUpdate(platform::SettingsStore& settings, text::DateTime value) {
  settings.WriteDateTime(platform::kHandbookSection, kLastUpdateName, value);
}

}  // namespace exchange
