#include "platform/MessageBoxes.h"

#include <iostream>
#include <string>

#include "text/Cp1251.h"

namespace platform {
namespace {

class StandardErrorBoxes final : public MessageBoxes {
 public:
  void ShowMessage(std::string_view message) override { std::cerr << text::Cp1251ToUtf8(message) << '\n'; }

  MessageAnswer Ask(std::string_view message, std::string_view, MessageButtons buttons, MessageIcon) override {
    ShowMessage(message);
    switch (buttons) {
      case MessageButtons::Ok: return MessageAnswer::Ok;
      case MessageButtons::OkCancel: return MessageAnswer::Cancel;
      case MessageButtons::YesNo: return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
  }

  void ShowError(std::string_view message) override { ShowMessage(message); }
};

StandardErrorBoxes fallback;
MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& Boxes() { return installed ? *installed : fallback; }

MessageBoxes* InstallMessageBoxes(MessageBoxes* boxes) {
  MessageBoxes* previous = installed;
  installed = boxes;
  return previous;
}

}  // namespace platform
