#include "tools/TermFileSifting.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "store/Query.h"
#include "store/QuoteLiteral.h"
#include "store/Statements.h"
#include "text/AnsiCase.h"
#include "text/Cp1251.h"
#include "text/Format.h"

namespace tools {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A path as the person would read it in a message.
std::string Shown(const std::filesystem::path& path) { return text::Utf8ToCp1251(path.string()); }

std::string ReadWholeFile(const std::filesystem::path& input) {
  std::ifstream in(input, std::ios::binary);
  if (!in) throw std::runtime_error(text::Utf8ToCp1251("Не удалось открыть файл ") + Shown(input));
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error(text::Utf8ToCp1251("Не удалось прочитать файл ") + Shown(input));
  return bytes;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back(bytes);
      break;
    }
    lines.push_back(bytes.substr(0, end));
    const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    bytes.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

// The exact look-up of a headword; its double quotes are doubled, so a quote stays in the value
// instead of ending the literal (and the run, with a database error).
std::string HeadwordLookup(std::string_view headword) {
  return text::Format(store::statements::SelectTermByHeadword, {store::LiteralBody(text::AnsiUpperCase(headword))});
}

}  // namespace

void SiftTermFile(store::Query& lookup, TermLineParser parse, TermPieces pieces, const std::filesystem::path& input,
                  const std::filesystem::path& output) {
  const std::string bytes = ReadWholeFile(input);
  std::string_view body = bytes;
  // Editors on Linux write UTF-8; a file in the code page has no such well-formed sequences.
  const bool utf8 = text::IsMultibyteUtf8(body);
  const bool marked = utf8 && body.starts_with(kUtf8Mark);
  if (marked) body.remove_prefix(kUtf8Mark.size());

  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error(text::Utf8ToCp1251("Не удалось создать файл ") + Shown(output));
  if (marked) out << kUtf8Mark;
  for (const std::string_view line : SplitLines(body)) {
    pieces.headword.clear();
    parse(utf8 ? text::Utf8ToCp1251(line) : std::string(line), pieces.headword, pieces.origin, pieces.description);
    if (pieces.headword.empty()) continue;
    lookup.SetSQL(HeadwordLookup(pieces.headword));
    lookup.Open();
    if (lookup.RecordCount() == 0) out << line << "\r\n";
  }
  lookup.Close();
  out.close();
  if (!out) throw std::runtime_error(text::Utf8ToCp1251("Не удалось записать файл ") + Shown(output));
}

}  // namespace tools
