#pragma once
// Text values in statement text. In dialect 1 a double-quoted literal ends at the first lone
// double quote, so every double quote inside the value is doubled: the server then stores or
// compares exactly the given text, and the text cannot end the literal and rewrite the statement.
#include <string>
#include <string_view>

namespace store {

// The value with every double quote doubled, for templates that hold the quotes themselves
// ("... like \"%%%s%%\"", "values (\"%s\", ...)"): put LiteralBody(value) in place of %s.
std::string LiteralBody(std::string_view text);

// The whole literal: a double quote, LiteralBody(text), a double quote.
std::string QuoteLiteral(std::string_view text);

}  // namespace store
