#include "text/FormatSettings.h"

namespace text {
namespace {

FormatSettings& Settings() {
  static FormatSettings settings;
  return settings;
}

}  // namespace

const FormatSettings& CurrentFormatSettings() { return Settings(); }

void SetFormatSettings(const FormatSettings& settings) { Settings() = settings; }

}  // namespace text
