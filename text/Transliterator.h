#pragma once
// Converts text between two spellings by a rule table (Translit.tlt): Latin spellings to
// Cyrillic letters forward, back one letter at a time in reverse.
//
// Table format, one rule a line, Windows-1251, nothing trimmed: "//" at the very start makes a
// comment; otherwise the line splits at its first "=" into key and value. Lines of exactly three
// characters are single-character rules (x=y); all others are multi-character rules, whose keys
// are matched against the lower-cased text and so are written in lower case.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "text/CharSet.h"
#include "text/RuleList.h"

namespace text {

// Characters that forward conversion copies as written: space ( ) * , - . digits ^ ё а-я.
// Shared by every transliterator; loading a table takes out each character that begins a key.
extern CharSet PassThroughChars;
CharSet InitialPassThroughChars();

// True when S holds none of a-z, ё and а-я.
bool HasNoLowerCase(std::string_view s);
// Leading positions at which A and B hold the same byte.
int CommonPrefixLength(std::string_view a, std::string_view b);
std::string RepeatText(std::string_view s, int count);

class TTransliterator {
 public:
  TTransliterator() = default;
  virtual ~TTransliterator() = default;

  // Reads a rule table. A missing file is reported as a plain message ("Error! File ... not
  // found") and leaves the tables empty; a file that exists but cannot be read raises
  // std::runtime_error.
  void LoadFromFile(const std::filesystem::path& fileName);
  std::string Transliterate(std::string_view text);
  std::string Detransliterate(std::string_view text) const;

  const RuleList& SingleRules() const { return singleRules_; }
  const RuleList& MultiRules() const { return multiRules_; }
  const RuleList& DirectRules() const { return directRules_; }
  const RuleList& ReverseRules() const { return reverseRules_; }
  int LookAheadLength() const { return lookAheadLength_; }

 private:
  void AddLine(const std::string& line);
  void IndexRules();
  // Appends the longest multi-character rule that matches at `pos`; returns the characters used,
  // 0 when none matched.
  std::size_t AppendLongestMatch(std::string_view work, std::size_t pos, std::string& result);

  RuleList singleRules_;
  RuleList multiRules_;
  RuleList directRules_;
  RuleList reverseRules_;
  std::vector<int> matchLengths_;
  int lookAheadLength_ = 0;
};

}  // namespace text
