#include "cards/StoredLines.h"

#include <cstdio>

#include "platform/SettingsStore.h"

namespace cards {

std::string StoredLineName(int counter) {
  char name[24];
  std::snprintf(name, sizeof name, "Line%010d", counter);
  return name;
}

void WriteStoredLines(platform::SettingsStore& settings, std::string_view section, std::string_view text) {
  int counter = 0;
  for (std::size_t from = 0; from < text.size(); from += kStoredLineLength)
    settings.WriteText(section, StoredLineName(counter++), text.substr(from, kStoredLineLength));
  while (settings.ReadText(section, StoredLineName(counter))) settings.DeleteValue(section, StoredLineName(counter++));
}

std::optional<std::string> ReadStoredLines(const platform::SettingsStore& settings, std::string_view section) {
  std::optional<std::string> text;
  for (int counter = 0;; ++counter) {
    const std::optional<std::string> line = settings.ReadText(section, StoredLineName(counter));
    if (!line) return text;
    text = text.value_or(std::string()) + *line;
  }
}

}  // namespace cards
