#pragma once
// A large handbook for the benchmarks, made from db/schema.sql and written row by row, so that a
// million terms need no more memory than a few.
//
// Twenty categories: section 0 (general) takes about 2 % of the terms, section 1 (the biggest)
// 20 %, the other eighteen share the rest. Headwords are Windows-1251 phrases of 5 to 40
// characters built from medical stems; about 3 % mention "мозг", about 0.05 % "жув". Descriptions
// average about 200 bytes (100 to 2,000) with line breaks and "См." references; a few are 1 MB.
// 10,000 terms (or every term, in a smaller handbook) carry a change mark, half "+" and half "*".
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace bench {

inline constexpr int kCategories = 20;
inline constexpr int kBiggestSection = 1;
inline constexpr int kChangedTerms = 10000;
inline constexpr int kMegabyteArticles = 3;

// The terms' keys are 1..terms; the section of a key.
int SectionOfTerm(std::int32_t key);
// The keys of the 1 MB articles.
std::int32_t MegabyteArticleKey(int index, int terms);

// One generated term, texts in Windows-1251.
struct GeneratedTerm {
  std::int32_t key = 0;
  int section = 0;
  std::string headword, origin, description;
  std::optional<std::string> changed;
};

// Every term in key order, made one at a time.
void ForEachTerm(int terms, const std::function<void(const GeneratedTerm&)>& take);

// Writes a new handbook database of `terms` terms; refuses to overwrite a file.
void MakeLargeHandbook(const std::filesystem::path& file, const std::filesystem::path& schema, int terms);

// The same handbook as a data script for handbook-makedb (UTF-8, one statement a line; the
// articles' line breaks become blanks, the 1 MB articles are cut to 32 KB: a literal holds 64 KB).
void WriteLargeHandbookScript(std::ostream& out, int terms);

}  // namespace bench
