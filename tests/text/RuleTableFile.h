#pragma once
// Writes a transliteration table for a test: lines joined with CR LF, as the table files are.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/Transliterator.h"

namespace text_tests {

inline void WriteRuleTable(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  std::ofstream out(file, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

// Loading a table takes characters out of the shared pass-through set; each test starts afresh.
class PassThroughReset {
 public:
  PassThroughReset() { text::PassThroughChars = text::InitialPassThroughChars(); }
  ~PassThroughReset() { text::PassThroughChars = text::InitialPassThroughChars(); }
};

}  // namespace text_tests
