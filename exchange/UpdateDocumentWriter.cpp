#include "exchange/UpdateDocumentWriter.h"

#include <stdexcept>

#include "exchange/UpdateKey.h"
#include "text/Md5.h"

namespace exchange {
namespace {

void AddElement(std::string& lines, std::string_view name, std::string_view value) {
  lines += '<';
  lines += name;
  lines += '>';
  lines += EncodeLineBreaks(value);
  lines += "</";
  lines += name;
  lines += ">\n";
}

void RequireKey(std::string_view key) {
  if (!IsIntegerKey(key)) throw std::invalid_argument("an update key is not an integer: " + std::string(key));
}

}  // namespace

std::string EncodeLineBreaks(std::string_view value) {
  std::string encoded;
  encoded.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c != '\r' && c != '\n') {
      encoded += c;
      continue;
    }
    encoded += "<br />";
    // A pair of different break characters is one break.
    if (i + 1 < value.size() && (value[i + 1] == '\r' || value[i + 1] == '\n') && value[i + 1] != c) ++i;
  }
  return encoded;
}

std::string WriteUpdateDocument(const std::optional<std::string>& info, std::span<const ProducerCategory> categories,
                                std::span<const ProducerTerm> terms) {
  if (categories.empty() || terms.empty())
    throw std::invalid_argument("an update document needs at least one category and one term");
  std::string lines = "\n";  // the rest of the digest line
  if (info) {
    lines += "<info>\n";
    lines += EncodeLineBreaks(*info);
    lines += "</info>\n";
  }
  lines += "<update>\n<sections>\n";
  for (const ProducerCategory& category : categories) {
    RequireKey(category.uid);
    lines += "<section>\n";
    AddElement(lines, "uid", category.uid);
    AddElement(lines, "name", category.name);
    lines += "</section>\n";
  }
  lines += "</sections>\n";
  for (const ProducerTerm& term : terms) {
    RequireKey(term.uid);
    RequireKey(term.sectionUid);
    lines += "<euphemizm>\n";
    AddElement(lines, "uid", term.uid);
    AddElement(lines, "section_uid", term.sectionUid);
    AddElement(lines, "title", term.title);
    AddElement(lines, "etiology", term.etiology);
    AddElement(lines, "description", term.description);
    lines += "</euphemizm>\n";
  }
  lines += "</update>";
  return text::Md5ToHex(text::Md5OfText(lines)) + lines;
}

}  // namespace exchange
