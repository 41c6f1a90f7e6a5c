#include "UpdateDocumentBuilder.h"

#include "text/Md5.h"

namespace exchange_test {

std::string UpdateDocumentBuilder::Lines() const {
  std::string lines;
  if (info) lines += "<info>\n" + *info + "</info>\n";
  lines += "<update>\n<sections>\n";
  for (const auto& c : categories) lines += "<section>\n<uid>" + c.uid + "</uid>\n<name>" + c.name + "</name>\n</section>\n";
  lines += "</sections>\n";
  for (const auto& t : terms) {
    lines += "<euphemizm>\n<uid>" + t.uid + "</uid>\n<section_uid>" + t.sectionUid + "</section_uid>\n<title>" +
             t.title + "</title>\n<etiology>" + t.etiology + "</etiology>\n<description>" + t.description +
             "</description>\n</euphemizm>\n";
  }
  return lines + ending;
}

std::string UpdateDocumentBuilder::Signed(const std::string& restOfFirstLine) const {
  return SignedText(restOfFirstLine + "\n" + Lines());
}

std::string SignedText(const std::string& afterDigest) {
  return text::Md5ToHex(text::Md5OfText(afterDigest)) + afterDigest;
}

}  // namespace exchange_test
