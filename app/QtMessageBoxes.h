#pragma once
// The message boxes as real windows, centred over the window the person is working in.
#include "platform/MessageBoxes.h"

namespace app {

class QtMessageBoxes final : public platform::MessageBoxes {
 public:
  void ShowMessage(std::string_view text) override;
  platform::MessageAnswer Ask(std::string_view text, std::string_view caption, platform::MessageButtons buttons,
                              platform::MessageIcon icon) override;
  void ShowError(std::string_view message) override;
};

}  // namespace app
