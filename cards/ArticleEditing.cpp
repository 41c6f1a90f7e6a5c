#include "cards/ArticleEditing.h"

#include <exception>
#include <string>

#include "cards/TForm5.h"
#include "core/Handbook.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Records.h"
#include "store/SqlExecutor.h"
#include "store/Statements.h"
#include "text/Format.h"
#include "text/KorStrUtils.h"
#include "text/MessageExcerpt.h"

namespace cards {
namespace {

std::string StoredText(const store::Query& query, std::string_view column) {
  return text::TrimTrailingBlanks(query.FieldByName(column).AsView());
}

}  // namespace

void AddArticle(TForm5& editor) {
  core::Handbook& handbook = editor.Handbook();
  store::SqlExecutor& executor = handbook.IBSQL1;
  const int section = handbook.FCurrentSection;
  editor.SetFields(handbook.FPendingTitle, handbook.FPendingOrigin, handbook.FPendingDescription);
  // The editor comes back with everything typed until the article is stored or the user leaves.
  while (editor.ShowModal() == EditorResult::Ok) {
    const std::string headword = text::CapitalizeFirst(editor.Headword());
    const std::string origin = editor.Origin();
    const std::string description = editor.Description();
    executor.SetSQL({});
    try {
      executor.SetSQL(std::string(store::statements::InsertLocalTermBound));
      executor.ExecQuery({headword, origin, description, std::to_string(section)});
    } catch (const std::exception&) {
      platform::Boxes().ShowMessage(
          text::MessageExcerpt(text::Format(store::statements::InsertLocalTerm, {headword, origin, description, section})) +
          "\n");
      continue;
    }
    handbook.IBDatabase1.CommitRetaining();
    return;
  }
}

void EditCurrentArticle(TForm5& editor) {
  store::Query& termList = editor.Handbook().IBQuery2;
  if (!termList.IsOpen() || termList.RecNo() < 0) return;

  editor.SetFields(StoredText(termList, "EUPHEMIZM"), StoredText(termList, "ETIOLOGY"),
                   StoredText(termList, "DESCRIPTION"));
  // As in adding: a write the database refuses brings the editor back with everything typed.
  while (editor.ShowModal() == EditorResult::Ok) {
    try {
      termList.Edit();
      termList.SetFieldText("EUPHEMIZM", text::CapitalizeFirst(editor.Headword()));
      termList.SetFieldText("ETIOLOGY", editor.Origin());
      termList.SetFieldText("DESCRIPTION", editor.Description());
      termList.SetFieldText("CHANGED", store::ChangeMarkText(store::ChangeMark::EditedLocally));
      termList.Post();
    } catch (const std::exception& error) {
      termList.Cancel();
      platform::Boxes().ShowError(error.what());
      continue;
    }
    editor.Handbook().IBDatabase1.CommitRetaining();
    return;
  }
}

}  // namespace cards
