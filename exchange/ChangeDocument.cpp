#include "exchange/ChangeDocument.h"

#include "text/FormatEx.h"

namespace exchange {
namespace {

constexpr std::size_t kFrameLineCount = 3;

std::string UidLine(const store::TermRecord& term) {
  if (term.changed == store::ChangeMark::CreatedLocally) return "<uid></uid>";
  return text::FormatEx("<uid>%r</uid>", {std::to_string(term.euphUid)});
}

void AddTerm(std::vector<std::string>& lines, const store::TermRecord& term) {
  lines.emplace_back();
  lines.emplace_back("<euphemizm>");
  lines.push_back(UidLine(term));
  lines.push_back(text::FormatEx("<title>%r</title>", {term.euphemizm}));
  lines.push_back(text::FormatEx("<etiology>%r</etiology>", {term.etiology}));
  lines.push_back(text::FormatEx("<description>%r</description>", {term.description}));
  lines.emplace_back("</euphemizm>");
}

}  // namespace

std::vector<std::string> ChangeDocumentLines(std::span<const store::TermRecord> terms) {
  std::vector<std::string> lines;
  lines.reserve(kFrameLineCount + 7 * terms.size());
  lines.emplace_back("<?xml version=\"1.0\" encoding=\"windows-1251\"?>");
  lines.emplace_back("<update>");
  for (const store::TermRecord& term : terms) AddTerm(lines, term);
  lines.emplace_back("</update>");
  return lines;
}

std::string JoinChangeDocument(std::span<const std::string> lines) {
  std::string document;
  for (const std::string& line : lines) {
    document += line;
    document += "\r\n";
  }
  return document;
}

bool IsEmptyChangeDocument(std::span<const std::string> lines) { return lines.size() == kFrameLineCount; }

}  // namespace exchange
