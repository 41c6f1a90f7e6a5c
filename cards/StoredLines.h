#pragma once
// A text kept in a settings section as values "Line0000000000", "Line0000000001", ... of at most
// 80 characters each, in order. Writing removes the values a longer earlier text left behind.
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class SettingsStore;
}

namespace cards {

inline constexpr std::size_t kStoredLineLength = 80;

// Throws platform::SettingsError when the settings cannot be written.
void WriteStoredLines(platform::SettingsStore& settings, std::string_view section, std::string_view text);
// Nothing when the section holds no first line.
std::optional<std::string> ReadStoredLines(const platform::SettingsStore& settings, std::string_view section);

// "Line" and the ten-digit counter.
std::string StoredLineName(int counter);

}  // namespace cards
