#pragma once
// The program's settings: sections of named values in one settings file under the user's
// configuration folder. Sections are named with backslashes ("Software\Korvand"); texts are
// Windows-1251.
// A file Qt cannot parse is put aside as "<file>.damaged" and started afresh with what could be
// read of it, so settings keep working after a damage on disk.
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/DateTime.h"

class QSettings;
class QString;

namespace platform {

class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SettingsStore {
 public:
  // $XDG_CONFIG_HOME/Korvand/Handbook.conf (~/.config when the variable is unset).
  static std::filesystem::path DefaultFile();

  SettingsStore();
  explicit SettingsStore(const std::filesystem::path& file);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // A section exists once it was created or holds a value.
  bool HasSection(std::string_view section) const;
  // Throws SettingsError when the file cannot be written; so do all writers below.
  void CreateSection(std::string_view section);

  std::optional<std::string> ReadText(std::string_view section, std::string_view name) const;
  void WriteText(std::string_view section, std::string_view name, std::string_view value);
  // Removes the value; a missing one is no error.
  void DeleteValue(std::string_view section, std::string_view name);

  std::optional<int> ReadInteger(std::string_view section, std::string_view name) const;
  void WriteInteger(std::string_view section, std::string_view name, int value);

  // Throws SettingsError when the value is missing or is not a decimal number.
  text::DateTime ReadDateTime(std::string_view section, std::string_view name) const;
  void WriteDateTime(std::string_view section, std::string_view name, text::DateTime value);

 private:
  // `written`: the key just set or removed.
  void Commit(const QString& written);
  void StartAfreshFromDamagedFile(const QString& written);

  std::filesystem::path file_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace platform
