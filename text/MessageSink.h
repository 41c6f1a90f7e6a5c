#pragma once
// How the text routines show a plain message (one OK button) without knowing about windows: the
// program installs its message-box implementation here at start-up; until then messages go to
// standard error.
#include <functional>
#include <string>

namespace text {

using MessageSink = std::function<void(const std::string& message)>;

// Installs the sink (an empty one restores standard error) and returns the previous one.
MessageSink SetMessageSink(MessageSink sink);
// The message is Windows-1251 text.
void ShowPlainMessage(const std::string& message);

}  // namespace text
