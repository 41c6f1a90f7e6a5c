#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include "text/Cp1251.h"

namespace testing_support {

using platform::MessageAnswer;

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(platform::InstallMessageBoxes(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
  platform::InstallMessageBoxes(previous_);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were never asked for";
}

std::vector<std::string> ScriptedMessageBoxes::Errors() const {
  std::vector<std::string> errors;
  for (const ShownMessage& message : shown_)
    if (message.kind == ShownMessage::Kind::Error) errors.push_back(message.text);
  return errors;
}

void ScriptedMessageBoxes::Record(ShownMessage message) {
  shown_.push_back(std::move(message));
  if (whileShown_) whileShown_();
}

void ScriptedMessageBoxes::ShowMessage(std::string_view text) {
  Record({ShownMessage::Kind::Plain, std::string(text), {}, platform::MessageButtons::Ok, platform::MessageIcon::None});
}

MessageAnswer ScriptedMessageBoxes::Ask(std::string_view text, std::string_view caption,
                                        platform::MessageButtons buttons, platform::MessageIcon icon) {
  Record({ShownMessage::Kind::Question, std::string(text), std::string(caption), buttons, icon});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << text::Cp1251ToUtf8(text);
    return buttons == platform::MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedMessageBoxes::ShowError(std::string_view message) {
  Record({ShownMessage::Kind::Error, std::string(message), {}, platform::MessageButtons::Ok, platform::MessageIcon::Error});
}

}  // namespace testing_support
