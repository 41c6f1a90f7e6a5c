#pragma once
// Sifting a file of term lines against the handbook: the lines whose headword the handbook does
// not hold yet are copied to a new file, for an editor to work through.
#include <filesystem>
#include <string>

#include "tools/TermLineParsing.h"

namespace store {
class Query;
}

namespace tools {

// Where the parsers write, one line after another; the caller's fields keep the last line's
// pieces afterwards.
struct TermPieces {
  std::string& headword;
  std::string& origin;
  std::string& description;
};

// Reads `input` one line at a time (line ends LF, CR LF or CR), clears the headword and parses the
// line with `parse`; a line that leaves the headword empty is skipped. Every other headword is
// looked up in `lookup` as an exact match of the whole EUPHEMIZM, letter case ignored, and a line
// not found is written to `output` (created anew) exactly as it was read, ended by CR LF.
// The input is Windows-1251, or UTF-8 when it is well-formed UTF-8 with characters beyond ASCII;
// a UTF-8 byte-order mark is kept at the head of the output. Throws std::runtime_error (text in
// Windows-1251) when the input cannot be read or the output cannot be written, and the database's
// error when a look-up fails; the lines written before stay in the output.
void SiftTermFile(store::Query& lookup, TermLineParser parse, TermPieces pieces, const std::filesystem::path& input,
                  const std::filesystem::path& output);

}  // namespace tools
