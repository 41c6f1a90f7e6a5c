#include "cards/ArticleHtml.h"

#include "store/Records.h"
#include "text/KorStrUtils.h"

namespace cards {
namespace {

// "См." in Windows-1251.
constexpr std::string_view kSee = "\xD1\xEC.";

// A description "См. Гастрит." becomes "См. " and a link whose target and text are both
// " Гастрит." (the leading space and the closing full stop included).
std::string CrossReference(const std::string& description) {
  if (!text::StartsWith(kSee, description)) return description;
  const std::string target = description.substr(kSee.size());
  return "\xD1\xEC. <A href=\"" + target + "\">" + target + "</A>";
}

}  // namespace

std::string BuildArticleHtml(std::string_view headword, std::string_view origin, std::string_view description) {
  std::string html = "<strong>" + text::TrimTrailingBlanks(headword) + "</strong>";
  if (!text::IsBlank(origin))
    html += "<br /><i><font color=#FF7500>(" + text::CapitalizeFirst(text::TrimTrailingBlanks(origin)) + ")</font></i>";
  html += "<br /><br />&nbsp;&nbsp;" + CrossReference(text::CapitalizeFirst(text::TrimTrailingBlanks(description)));
  return html;
}

std::string BuildArticleHtml(const store::TermRecord& term) {
  return BuildArticleHtml(term.euphemizm, term.etiology, term.description);
}

}  // namespace cards
