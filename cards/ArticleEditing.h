#pragma once
// Adding and editing articles through the editor. Both keep a stored change at once (commit
// retaining): a crash later in the run must not take the user's article with it.
#include <string_view>

namespace store {
class Database;
class Query;
class SqlExecutor;
}  // namespace store

namespace cards {

class TForm5;

// What an editorial tool left for the next article to be added (Windows-1251).
struct PendingArticle {
  std::string_view title;
  std::string_view origin;
  std::string_view description;
};

// "Добавить статью": the editor pre-filled with `pending`; on "Сохранить" (which takes only a
// headword and a description the handbook can hold) a new row marked "*" in `section`, written by
// `executor`. A statement the database rejects is shown as a plain message, nothing is stored and
// the editor comes back with what was typed.
void AddArticle(TForm5& editor, store::SqlExecutor& executor, store::Database& database,
                const PendingArticle& pending, int section);

// "Редактировать статью": the editor on the term list's current row; on "Сохранить" the row
// rewritten through its update object and marked "+". An empty list has no row to edit, so
// nothing happens. A write the database refuses is shown in the standard error box, the row stays
// as it was and the editor comes back with what was typed.
void EditCurrentArticle(TForm5& editor, store::Query& termList, store::Database& database);

}  // namespace cards
