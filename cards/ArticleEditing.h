#pragma once
// Adding and editing articles through the editor. Both keep a stored change at once (commit
// retaining): a crash later in the run must not take the user's article with it.
namespace cards {

class TForm5;

// "Добавить статью": the editor pre-filled with the handbook's pending fields (FPendingTitle,
// FPendingOrigin, FPendingDescription, left as they are); on "Сохранить" (which takes only a
// headword and a description the handbook can hold) a new row marked "*" in FCurrentSection. A
// statement the database rejects is shown as a plain message, nothing is stored and the editor
// comes back with what was typed.
void AddArticle(TForm5& editor);

// "Редактировать статью": the editor on the term list's current row; on "Сохранить" the row
// rewritten through its update object and marked "+". An empty list has no row to edit, so
// nothing happens. A write the database refuses is shown in the standard error box, the row stays
// as it was and the editor comes back with what was typed.
void EditCurrentArticle(TForm5& editor);

}  // namespace cards
