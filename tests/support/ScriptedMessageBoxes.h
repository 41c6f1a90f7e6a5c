#pragma once
// Stands in for the person in front of the screen: records every message box the program shows
// and answers its questions from a script. Installed for its lifetime.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace testing_support {

struct ShownMessage {
  enum class Kind { Plain, Question, Error };
  Kind kind;
  std::string text;     // Windows-1251, as the program passed it
  std::string caption;  // empty for plain messages and the error box
  platform::MessageButtons buttons = platform::MessageButtons::Ok;
  platform::MessageIcon icon = platform::MessageIcon::None;
};

class ScriptedMessageBoxes final : public platform::MessageBoxes {
 public:
  ScriptedMessageBoxes();
  ~ScriptedMessageBoxes() override;
  ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
  ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

  // The answers to the next questions, in order. A question with no answer left fails the test.
  void WillAnswer(platform::MessageAnswer answer) { answers_.push_back(answer); }

  // What happens while each box is up (the person takes their time: timers tick, signals come).
  void WhileShown(std::function<void()> act) { whileShown_ = std::move(act); }

  const std::vector<ShownMessage>& Shown() const { return shown_; }
  std::vector<std::string> Errors() const;
  void Clear() { shown_.clear(); }

  void ShowMessage(std::string_view text) override;
  platform::MessageAnswer Ask(std::string_view text, std::string_view caption, platform::MessageButtons buttons,
                              platform::MessageIcon icon) override;
  void ShowError(std::string_view message) override;

 private:
  void Record(ShownMessage message);

  std::function<void()> whileShown_;
  std::deque<platform::MessageAnswer> answers_;
  std::vector<ShownMessage> shown_;
  platform::MessageBoxes* previous_;
};

}  // namespace testing_support
