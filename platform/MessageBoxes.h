#pragma once
// Every message the program shows the person goes through this interface: the program installs
// windows that ask, tests install a script that answers. Texts are Windows-1251.
#include <string_view>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // A plain message: the application title as caption, no icon, one OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  // A box with a caption, buttons and icon of its own; the answer is the button pressed.
  // Closing the box without a button answers Cancel (or No).
  virtual MessageAnswer Ask(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon) = 0;
  // The standard error box: error icon, OK button, the application title as caption.
  virtual void ShowError(std::string_view message) = 0;
};

// The installed boxes. Before any is installed, messages go to the standard error stream and
// every question is answered Cancel (or No), so nothing is done that nobody agreed to.
MessageBoxes& Boxes();

// Not owned; the previous boxes are returned so a caller can put them back. nullptr restores the
// standard error stream.
MessageBoxes* InstallMessageBoxes(MessageBoxes* boxes);

}  // namespace platform
