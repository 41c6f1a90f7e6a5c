// The editors' line parsers over any bytes: the first byte picks the parser, the rest is the line.
// Neither may crash or throw.
#include <cstdint>
#include <string>
#include <string_view>

#include "tools/TermLineParsing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string headword = "old", origin = "old", description = "old";
  if (data[0] & 1)
    tools::ParseHeadword(line, headword, origin, description);
  else
    tools::ParseTermLine(line, headword, origin, description);
  return 0;
}
