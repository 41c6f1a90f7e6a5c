#include "store/QuoteLiteral.h"

namespace store {

std::string LiteralBody(std::string_view text) {
  std::string body;
  body.reserve(text.size());
  for (char c : text) {
    if (c == '"') body += '"';
    body += c;
  }
  return body;
}

std::string QuoteLiteral(std::string_view text) { return '"' + LiteralBody(text) + '"'; }

}  // namespace store
