#pragma once
// The producer's answer to the count request: count "|" size, both decimal, "0|0" when there is
// nothing new. The parts are shown as they came and never read as numbers, so an error page
// delivered as a success still reaches the person as what it is.
#include <cstddef>
#include <string>
#include <string_view>

namespace exchange {

struct UpdateCount {
  std::string count;
  std::string size;

  bool operator==(const UpdateCount&) const = default;
};

// The longest reply taken: a count and a size are a few digits, and the whole reply goes into a
// message box. A longer one is a failed request.
inline constexpr std::size_t kMaxUpdateCountReplyBytes = 64 * 1024;

// Exactly "0|0"; a line break after it is an answer of its own.
bool ReplyHasNoUpdates(std::string_view reply);

// Split at the first "|": the count is the whole reply and the size empty when there is none.
UpdateCount SplitUpdateCountReply(std::string_view reply);

}  // namespace exchange
