#include "exchange/ChangeDocumentReader.h"

#include <charconv>

namespace exchange {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";

class ChangeDocumentWalk {
 public:
  explicit ChangeDocumentWalk(std::string_view document) : rest_(document) {}

  ChangeDocumentReading Run() {
    Walk();
    if (!result_.Valid()) result_.terms.clear();
    return std::move(result_);
  }

 private:
  void Walk() {
    if (!Take(kDeclaration)) return Fault("no declaration line");
    if (!Take("<update>\r\n")) return Fault("no <update> line");
    while (Take("\r\n<euphemizm>\r\n")) {
      if (!ReadTerm()) return;
    }
    if (!Take("</update>\r\n")) return Fault("no </update> line after term " + std::to_string(result_.terms.size()));
    if (!rest_.empty()) return Fault("text after </update>");
  }


  bool ReadTerm() {
    ReceivedTerm term;
    std::string uid;
    if (!Value("uid", "<title>", uid)) return false;
    if (!uid.empty()) {
      std::int32_t number = 0;
      const auto [end, error] = std::from_chars(uid.data(), uid.data() + uid.size(), number);
      if (error != std::errc() || end != uid.data() + uid.size()) {
        Fault("uid is not a number in term " + Position());
        return false;
      }
      term.uid = number;
    }
    if (!Value("title", "<etiology>", term.title)) return false;
    if (!Value("etiology", "<description>", term.etiology)) return false;
    if (!Value("description", "</euphemizm>\r\n", term.description)) return false;
    Take("</euphemizm>\r\n");  // found already, as what follows the description
    result_.terms.push_back(std::move(term));
    return true;
  }

  // "<name>" value "</name>" CR LF, where the next line begins with `next` (left unread but for
  // the closing tag and its line end).
  bool Value(std::string_view name, std::string_view next, std::string& value) {
    const std::string open = "<" + std::string(name) + ">";
    const std::string close = "</" + std::string(name) + ">\r\n" + std::string(next);
    if (!Take(open)) {
      Fault("no <" + std::string(name) + "> in term " + Position());
      return false;
    }
    const std::size_t end = rest_.find(close);
    if (end == std::string_view::npos) {
      Fault("no </" + std::string(name) + "> in term " + Position());
      return false;
    }
    value.assign(rest_.substr(0, end));
    rest_.remove_prefix(end + close.size() - next.size());
    return true;
  }

  bool Take(std::string_view prefix) {
    if (!rest_.starts_with(prefix)) return false;
    rest_.remove_prefix(prefix.size());
    return true;
  }

  std::string Position() const { return std::to_string(result_.terms.size() + 1); }

  void Fault(std::string reason) { result_.fault = std::move(reason); }

  std::string_view rest_;
  ChangeDocumentReading result_;
};

}  // namespace

ChangeDocumentReading ReadChangeDocument(std::string_view document) { return ChangeDocumentWalk(document).Run(); }

}  // namespace exchange
