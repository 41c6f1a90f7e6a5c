#include "platform/SettingsStore.h"

#include <QSettings>

#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

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

// A key the program could have written: no empty part, no control character, nothing that was
// not text in the file.
bool IsReadableKey(const QString& key) {
  for (const QString& part : key.split(QLatin1Char('/')))
    if (part.isEmpty()) return false;
  for (const QChar c : key)
    if (c.unicode() < 0x20 || c == QChar::ReplacementCharacter) return false;
  return true;
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
    : file_(file), settings_(std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat)) {
  if (settings_->status() == QSettings::FormatError) StartAfreshFromDamagedFile({});
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::HasSection(std::string_view section) const {
  settings_->beginGroup(GroupName(section));
  const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
  settings_->endGroup();
  return exists;
}

void SettingsStore::CreateSection(std::string_view section) {
  settings_->setValue(Key(section, kSectionMarker), true);
  Commit(Key(section, kSectionMarker));
}

std::optional<std::string> SettingsStore::ReadText(std::string_view section, std::string_view name) const {
  const QVariant value = settings_->value(Key(section, name));
  if (!value.isValid()) return std::nullopt;
  return FromQString(value.toString());
}

void SettingsStore::WriteText(std::string_view section, std::string_view name, std::string_view value) {
  settings_->setValue(Key(section, name), ToQString(value));
  Commit(Key(section, name));
}

void SettingsStore::DeleteValue(std::string_view section, std::string_view name) {
  settings_->remove(Key(section, name));
  Commit(Key(section, name));
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
  Commit(Key(section, name));
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

void SettingsStore::Commit(const QString& written) {
  settings_->sync();
  if (settings_->status() == QSettings::FormatError) StartAfreshFromDamagedFile(written);
  if (settings_->status() != QSettings::NoError)
    throw SettingsError("Cannot write the settings file " + FromQString(QString::fromStdString(file_.string())));
}

// Qt writes no file it cannot parse, so a file damaged on disk would refuse every value from now
// on (the date of the last update among them, asked for again every hour). It is put aside as
// "<file>.damaged" for whoever wants to look, and a new file takes the value just written (if any)
// and what could be read of the old one, as far as Qt can read that back. Some damage shows only
// when Qt reads the file again to write it, so this runs on opening and on writing.
void SettingsStore::StartAfreshFromDamagedFile(const QString& written) {
  std::vector<std::pair<QString, QVariant>> values;
  for (const QString& key : settings_->allKeys())
    if ((!written.isEmpty() && key == written) || IsReadableKey(key)) values.emplace_back(key, settings_->value(key));
  settings_.reset();
  std::filesystem::path damaged = file_;
  damaged += ".damaged";
  std::error_code error;
  std::filesystem::rename(file_, damaged, error);
  auto startWith = [&](bool everything) {
    settings_ = std::make_unique<QSettings>(QString::fromStdString(file_.string()), QSettings::IniFormat);
    for (const auto& [key, value] : values)
      if (everything || (!written.isEmpty() && key == written)) settings_->setValue(key, value);
    settings_->sync();
  };
  startWith(true);
  if (QSettings(QString::fromStdString(file_.string()), QSettings::IniFormat).status() == QSettings::NoError) return;
  settings_.reset();
  std::filesystem::remove(file_, error);
  startWith(false);
}

}  // namespace platform
