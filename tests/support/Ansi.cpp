#include "tests/support/Ansi.h"

#include "text/Cp1251.h"

namespace testing_support {

std::string ansi(std::string_view utf8) { return text::Utf8ToCp1251(utf8); }

}  // namespace testing_support
