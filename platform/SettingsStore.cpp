#include "platform/SettingsStore.h"

#include <QSettings>

#include <cstdlib>

#include "platform/DateTimeText.h"
#include "platform/QtText.h"

namespace platform {
namespace {

// Written by CreateSection so that an empty section survives in the file.
constexpr std::string_view kSectionMarker = "(section)";

QString GroupName(std::string_view section) {
  QString group = ToQString(section);
  group.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return group;
}

QString Key(std::string_view section, std::string_view name) {
  return GroupName(section) + QLatin1Char('/') + ToQString(name);
}

std::string Describe(std::string_view section, std::string_view name) {
  return std::string(section) + '\\' + std::string(name);
}

}  // namespace

std::filesystem::path SettingsStore::DefaultFile() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (configHome && *configHome) {
    base = configHome;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home ? home : "") / ".config";
  }
  return base / "Korvand" / "Handbook.conf";
}

SettingsStore::SettingsStore() : SettingsStore(DefaultFile()) {}

SettingsStore::SettingsStore(const std::filesystem::path& file)
    : file_(file), settings_(std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::HasSection(std::string_view section) const {
  settings_->beginGroup(GroupName(section));
  const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
  settings_->endGroup();
  return exists;
}

void SettingsStore::CreateSection(std::string_view section) {
  settings_->setValue(Key(section, kSectionMarker), true);
  Commit();
}

std::optional<std::string> SettingsStore::ReadText(std::string_view section, std::string_view name) const {
  const QVariant value = settings_->value(Key(section, name));
  if (!value.isValid()) return std::nullopt;
  return FromQString(value.toString());
}

void SettingsStore::WriteText(std::string_view section, std::string_view name, std::string_view value) {
  settings_->setValue(Key(section, name), ToQString(value));
  Commit();
}

void SettingsStore::DeleteValue(std::string_view section, std::string_view name) {
  settings_->remove(Key(section, name));
  Commit();
}

std::optional<int> SettingsStore::ReadInteger(std::string_view section, std::string_view name) const {
  const QVariant value = settings_->value(Key(section, name));
  bool ok = false;
  const int number = value.toInt(&ok);
  if (!value.isValid() || !ok) return std::nullopt;
  return number;
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view name, int value) {
  settings_->setValue(Key(section, name), value);
  Commit();
}

text::DateTime SettingsStore::ReadDateTime(std::string_view section, std::string_view name) const {
  const std::optional<std::string> text = ReadText(section, name);
  if (!text) throw SettingsError("The setting " + Describe(section, name) + " is missing");
  const std::optional<double> value = TextToFloat(*text);
  if (!value) throw SettingsError("The setting " + Describe(section, name) + " is not a date");
  return *value;
}

void SettingsStore::WriteDateTime(std::string_view section, std::string_view name, text::DateTime value) {
  WriteText(section, name, FloatToText(value));
}

void SettingsStore::Commit() {
  settings_->sync();
  if (settings_->status() != QSettings::NoError)
    throw SettingsError("Cannot write the settings file " + FromQString(QString::fromStdString(file_.string())));
}

}  // namespace platform
