#include "cards/ArticleEditing.h"

#include <exception>
#include <string>

#include "cards/TForm5.h"
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

bool HasHeadwordAndDescription(const TForm5& editor) {
  return !text::IsBlank(editor.Headword()) && !text::IsBlank(editor.Description());
}

std::string StoredText(const store::Query& query, std::string_view column) {
  return text::TrimTrailingBlanks(query.FieldByName(column).AsView());
}

}  // namespace

void AddArticle(TForm5& editor, store::SqlExecutor& executor, store::Database& database,
                const PendingArticle& pending, int section) {
  editor.SetFields(pending.title, pending.origin, pending.description);
  if (editor.ShowModal() != EditorResult::Ok) return;
  if (!HasHeadwordAndDescription(editor)) return;

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
    return;
  }
  database.CommitRetaining();
}

void EditCurrentArticle(TForm5& editor, store::Query& termList, store::Database& database) {
  if (!termList.IsOpen() || termList.RecNo() < 0) return;

  editor.SetFields(StoredText(termList, "EUPHEMIZM"), StoredText(termList, "ETIOLOGY"),
                   StoredText(termList, "DESCRIPTION"));
  if (editor.ShowModal() != EditorResult::Ok) return;
  if (!HasHeadwordAndDescription(editor)) return;

  termList.Edit();
  termList.SetFieldText("EUPHEMIZM", text::CapitalizeFirst(editor.Headword()));
  termList.SetFieldText("ETIOLOGY", editor.Origin());
  termList.SetFieldText("DESCRIPTION", editor.Description());
  termList.SetFieldText("CHANGED", store::ChangeMarkText(store::ChangeMark::EditedLocally));
  termList.Post();
  database.CommitRetaining();
}

}  // namespace cards
