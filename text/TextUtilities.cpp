#include "text/TextUtilities.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "text/MessageSink.h"

namespace text {
namespace {

std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}

std::unique_ptr<TTransliterator>& Instance() {
  static std::unique_ptr<TTransliterator> instance;
  return instance;
}

std::filesystem::path UserDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
  const char* home = std::getenv("HOME");
  if (home && *home) return std::filesystem::path(home) / ".local" / "share";
  return {};  // nowhere to go: a folder relative to the working folder
}

}  // namespace

void InitializeTextUtilities() {
  Folder() = UserDataFolder();
  Instance() = std::make_unique<TTransliterator>();
  try {
    Instance()->LoadFromFile(Folder() / "Translit.tlt");
  } catch (const std::runtime_error& e) {
    // An unreadable table must not stop the program; it goes on without transliteration.
    ShowPlainMessage(e.what());
  }
}

void FinalizeTextUtilities() { Instance().reset(); }

const std::filesystem::path& DataFolder() { return Folder(); }

std::filesystem::path UserDataFolder() { return UserDataHome() / "Korvand" / "Tessaly" / ""; }

TTransliterator& GlobalTransliterator() {
  if (!Instance()) Instance() = std::make_unique<TTransliterator>();
  return *Instance();
}

}  // namespace text
