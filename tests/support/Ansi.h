#pragma once
// Windows-1251 bytes from a UTF-8 literal, so tests can be written in readable Russian.
#include <string>
#include <string_view>

namespace testing_support {

std::string ansi(std::string_view utf8);

}  // namespace testing_support
