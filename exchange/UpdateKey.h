#pragma once
// The test a key text of an update document passes before it is placed bare into a statement.
#include <string_view>

namespace exchange {

// An optional sign and decimal digits only, within 32-bit signed integers. No blanks and no
// hexadecimal: the text goes into the statement as it stands, so it must read as a number there.
bool IsIntegerKey(std::string_view text);

}  // namespace exchange
