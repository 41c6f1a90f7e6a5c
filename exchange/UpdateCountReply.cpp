#include "exchange/UpdateCountReply.h"

#include "text/KorStrUtils.h"

namespace exchange {

bool ReplyHasNoUpdates(std::string_view reply) { return reply == "0|0"; }

UpdateCount SplitUpdateCountReply(std::string_view reply) {
  return {text::TextBefore(reply, '|'), text::TextAfter(reply, '|')};
}

}  // namespace exchange
