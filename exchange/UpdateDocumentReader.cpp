#include "exchange/UpdateDocumentReader.h"

#include "exchange/UpdateCursor.h"
#include "exchange/UpdateDigest.h"
#include "exchange/UpdateKey.h"
#include "text/Cp1251.h"

namespace exchange {
namespace {

class UpdateDocumentWalk {
 public:
  explicit UpdateDocumentWalk(std::string_view text) : cursor_(text) {}

  UpdateDocument Run() {
    cursor_.DropLine();  // what follows the digest on its line
    ReadInfo();
    cursor_.DropLines(2);  // the opening lines of the update and of its categories
    if (!cursor_.BeginsWith("<section>")) return Invalid();
    if (!ReadCategories()) return Invalid();
    result_.categoriesComplete = true;
    cursor_.DropLine();  // "</sections>"
    if (!ReadTerms()) return Invalid();
    result_.outcome = UpdateOutcome::Complete;
    return std::move(result_);
  }

 private:
  void ReadInfo() {
    if (!cursor_.BeginsWith("<info>")) return;
    std::string info = cursor_.ExtractTag("info");
    if (!info.empty()) info.erase(0, 1);  // the line end of "<info>"
    result_.info = std::move(info);
    cursor_.DropLines(2);
  }

  bool ReadCategories() {
    for (;;) {
      const std::size_t start = cursor_.Position();
      ProducerCategory category;
      cursor_.DropLine();
      category.uid = cursor_.ExtractTag("uid");
      if (!IsIntegerKey(category.uid)) return false;
      cursor_.DropLine();
      category.name = cursor_.ExtractTag("name");
      result_.categories.push_back(std::move(category));
      cursor_.DropLines(2);
      if (cursor_.BeginsWith("</sections>")) return true;
      // On the last line with no line end the walk would read the same category for ever.
      if (cursor_.Position() == start) return false;
    }
  }

  bool ReadTerms() {
    for (;;) {
      const std::size_t start = cursor_.Position();
      ProducerTerm term;
      cursor_.DropLine();
      term.uid = cursor_.ExtractTag("uid");
      if (!IsIntegerKey(term.uid)) return false;
      cursor_.DropLine();
      term.sectionUid = cursor_.ExtractTag("section_uid");
      if (!IsIntegerKey(term.sectionUid)) return false;
      cursor_.DropLine();
      term.title = cursor_.ExtractTag("title");
      cursor_.DropLine();
      term.etiology = cursor_.ExtractTag("etiology");
      cursor_.DropLine();
      term.description = cursor_.ExtractTag("description");
      cursor_.DropLines(2);
      result_.terms.push_back(std::move(term));
      if (cursor_.Rest() == "</update>") return true;
      // As with the categories: no line end left means no way forward.
      if (cursor_.Position() == start) return false;
    }
  }

  UpdateDocument Invalid() {
    result_.outcome = UpdateOutcome::InvalidData;
    return std::move(result_);
  }

  UpdateCursor cursor_;
  UpdateDocument result_;
};

}  // namespace

UpdateDocument ReadUpdateDocument(std::string_view document) {
  const SignedUpdateText signedText = SplitUpdateDigest(document);
  if (!signedText.Verified()) return UpdateDocument{};
  return UpdateDocumentWalk(signedText.text).Run();
}

std::string InvalidUpdateDataMessage(std::string_view supportEmail) {
  return text::Utf8ToCp1251("Сервер вернул неверные данные. Сообщите разработчикам на ") + std::string(supportEmail);
}

}  // namespace exchange
