#include "text/Transliterator.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "text/AnsiCase.h"
#include "text/Cp1251.h"
#include "text/MessageSink.h"

namespace text {
namespace {

constexpr char kHardSign = '\xFA';
constexpr char kSoftSign = '\xFC';

bool IsLowerCaseLetter(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') || b == 0xB8 || b >= 0xE0;
}

std::string ReadWholeFile(const std::filesystem::path& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::string content;
  if (in) content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad())
    throw std::runtime_error("Error! File " + Utf8ToCp1251(fileName.string()) + " cannot be read");
  return content;
}

// Lines end at a line feed; a carriage return before it belongs to the break.
std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.push_back(content.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

CharSet InitialPassThroughChars() {
  CharSet set = MakeCharSet(" ()*,-.^\xB8");
  for (int c = '0'; c <= '9'; ++c) set.set(static_cast<std::size_t>(c));
  for (int c = 0xE0; c <= 0xFF; ++c) set.set(static_cast<std::size_t>(c));
  return set;
}

CharSet PassThroughChars = InitialPassThroughChars();

bool HasNoLowerCase(std::string_view s) { return std::none_of(s.begin(), s.end(), IsLowerCaseLetter); }

int CommonPrefixLength(std::string_view a, std::string_view b) {
  const auto mismatch = std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(std::min(a.size(), b.size())), b.begin());
  return static_cast<int>(mismatch.first - a.begin());
}

std::string RepeatText(std::string_view s, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += s;
  return out;
}

void TTransliterator::LoadFromFile(const std::filesystem::path& fileName) {
  singleRules_.Clear();
  multiRules_.Clear();
  reverseRules_.Clear();
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error)) {
    ShowPlainMessage("Error! File " + Utf8ToCp1251(fileName.string()) + " not found");
    return;
  }
  for (const std::string& line : SplitLines(ReadWholeFile(fileName))) AddLine(line);
  IndexRules();
}

void TTransliterator::AddLine(const std::string& line) {
  // Empty lines and lines with an empty key are no rules.
  if (line.starts_with("//") || line.empty() || line[0] == '=') return;
  const std::size_t eq = line.find('=');
  if (eq != std::string::npos) {
    reverseRules_.Add(line.substr(eq + 1) + '=' + line.substr(0, eq));
    PassThroughChars.reset(static_cast<unsigned char>(line[0]));
  }
  if (line.size() == 3) {
    singleRules_.Add(line);
  } else {
    multiRules_.Add(line);
  }
}

void TTransliterator::IndexRules() {
  directRules_ = singleRules_;
  std::size_t longestLine = 0;
  std::size_t longestKey = 0;
  for (std::size_t i = 0; i < multiRules_.size(); ++i) {
    const std::string& line = multiRules_[i];
    directRules_.DeleteFirstNamed(line.substr(0, 1));
    longestLine = std::max(longestLine, line.size());
    longestKey = std::max(longestKey, multiRules_.NameAt(i).size());
  }
  // The window must hold the longest key, or a rule with an empty value could never match.
  lookAheadLength_ = static_cast<int>(std::max(longestLine >= 2 ? longestLine - 2 : 0, longestKey));
  matchLengths_.assign(multiRules_.size(), 0);
}

std::size_t TTransliterator::AppendLongestMatch(std::string_view work, std::size_t pos, std::string& result) {
  const std::string_view window = work.substr(pos, static_cast<std::size_t>(lookAheadLength_));
  int best = 0;
  for (std::size_t i = 0; i < multiRules_.size(); ++i) {
    matchLengths_[i] = CommonPrefixLength(multiRules_.NameAt(i), window);
    best = std::max(best, matchLengths_[i]);
  }
  // A key counts only when all of it matched.
  for (int length = best; length >= 1; --length)
    for (std::size_t i = 0; i < multiRules_.size(); ++i)
      if (matchLengths_[i] == length && multiRules_.NameAt(i).size() == static_cast<std::size_t>(length)) {
        result += multiRules_.ValueAt(i);
        return static_cast<std::size_t>(length);
      }
  return 0;
}

std::string TTransliterator::Transliterate(std::string_view text) {
  std::string result;
  // Spaces after the text let keys that end in a space match at its end.
  const std::string work = AnsiLowerCase(text) + RepeatText(" ", lookAheadLength_);
  for (std::size_t pos = 0; pos < text.size();) {
    const char lower = work[pos];
    if (Contains(PassThroughChars, lower)) {
      result += text[pos++];
      continue;
    }
    const std::size_t start = result.size();
    const bool upper = HasNoLowerCase(text.substr(pos, 1));
    const std::string_view key(&lower, 1);
    const std::string_view direct = directRules_.ValueOf(key);
    if (!direct.empty()) {
      result += direct;
      ++pos;
    } else if (const std::size_t used = AppendLongestMatch(work, pos, result); used > 0) {
      pos += used;
    } else {
      result += singleRules_.ValueOf(key);  // nothing when there is no rule: the character goes
      ++pos;
    }
    // The hard and soft signs have no capital in a word; only the first letter of a piece is raised.
    if (upper && result.size() > start && result[start] != kHardSign && result[start] != kSoftSign)
      result[start] = AnsiUpperChar(result[start]);
  }
  return HasNoLowerCase(text) ? AnsiUpperCase(result) : result;
}

std::string TTransliterator::Detransliterate(std::string_view text) const {
  std::string result;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const std::size_t start = result.size();
    const std::string_view value = reverseRules_.ValueOf(text.substr(pos, 1));
    if (value.empty()) {
      result += text[pos];
    } else {
      result += value;
    }
    if (HasNoLowerCase(text.substr(pos, 1))) result[start] = AnsiUpperChar(result[start]);
  }
  return HasNoLowerCase(text) ? AnsiUpperCase(result) : result;
}

}  // namespace text
