#include "tools/TermLineParsing.h"

#include "text/KorStrUtils.h"

namespace tools {
namespace {

constexpr char kEnDash = '\x96';
constexpr char kEmDash = '\x97';

std::string Replaced(std::string_view s, char from, char to) {
  std::string out(s);
  for (char& c : out)
    if (c == from) c = to;
  return out;
}

std::string Tidied(std::string s) { return text::TrimBlanks(text::CollapseSpaces(s)); }

// 1-based position of the first `c`, 0 when there is none.
int Position(std::string_view s, char c) {
  const std::size_t at = s.find(c);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool TakesParenthesisForm(std::string_view s) {
  const int open = Position(s, '(');
  const int close = Position(s, ')');
  if (open == 0 || close == 0 || open > close) return false;
  return text::CountChar('-', s) >= 2 || close < Position(s, '-');
}

// The text after ") -"; without that sequence, the text after the first ")" less its blanks and
// one leading hyphen, so "Гастрит (греч.)- воспаление" still yields "воспаление".
std::string ParenthesisDescription(std::string_view s) {
  if (const std::size_t marker = s.find(") -"); marker != std::string_view::npos)
    return text::TrimBlanks(s.substr(marker + 3));
  std::string rest = text::TrimBlanks(s.substr(s.find(')') + 1));
  if (!rest.empty() && rest.front() == '-') rest.erase(0, 1);
  return text::TrimBlanks(rest);
}

}  // namespace

void ParseTermLine(std::string_view line, std::string& headword, std::string& origin, std::string& description) {
  const std::string s = Tidied(Replaced(Replaced(line, kEnDash, '-'), kEmDash, '-'));
  if (text::CountChar('\t', s) == 1) {
    headword = text::TrimBlanks(text::TextBefore(s, '\t'));
    origin.clear();
    description = text::TrimBlanks(text::TextAfter(s, '\t'));
    return;
  }
  if (Position(s, '-') == 0) return;
  if (TakesParenthesisForm(s)) {
    headword = text::TrimBlanks(text::TextBefore(s, '('));
    origin = text::TrimBlanks(text::TextBetween(s, "(", ")"));
    description = ParenthesisDescription(s);
    return;
  }
  headword = text::TrimBlanks(text::TextBefore(s, '-'));
  origin.clear();
  description = text::TrimBlanks(text::TextAfter(s, '-'));
}

void ParseHeadword(std::string_view line, std::string& headword, std::string&, std::string&) {
  const std::string s = Tidied(Replaced(line, kEmDash, '-'));
  if (Position(s, ',') != 0)
    headword = text::TrimBlanks(text::TextBefore(s, ','));
  else if (Position(s, '(') != 0)
    headword = text::TrimBlanks(text::TextBefore(s, '('));
  else
    headword = s;
}

}  // namespace tools
