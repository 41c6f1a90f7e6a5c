#pragma once
// A text value as a dialect-1 string literal: in double quotes, every double quote inside doubled,
// so the server stores or compares exactly the given text and the text cannot end the literal.
#include <string>
#include <string_view>

namespace store {

std::string QuoteLiteral(std::string_view text);

}  // namespace store
