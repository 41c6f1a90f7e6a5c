#pragma once
// A test's own settings: XDG_CONFIG_HOME points at a fresh folder, the producer address comes
// from those settings alone, and the clock is the real one again afterwards.
#include <filesystem>

#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "tests/exchange/SavedEnvironmentVariable.h"
#include "tests/support/TempDir.h"

namespace exchange_testing {

class UpdateCheckSettingsFolder {
 public:
  UpdateCheckSettingsFolder() {
    configHome_.Set(folder_.path().string());
    producerUrl_.Set(std::nullopt);
  }
  ~UpdateCheckSettingsFolder() { platform::ResetClock(); }

  // Where platform::SettingsStore() keeps its file now.
  std::filesystem::path File() const { return folder_.path() / "Korvand" / "Handbook.conf"; }
  const std::filesystem::path& Folder() const { return folder_.path(); }

 private:
  testing_support::TempDir folder_;
  SavedEnvironmentVariable configHome_{"XDG_CONFIG_HOME"};
  SavedEnvironmentVariable producerUrl_{"KORVAND_PRODUCER_URL"};
};

}  // namespace exchange_testing
