#pragma once
// What a card needs of the main window: the count of open cards, rendering of the term list's
// current row and the "Редактировать статью" command.
namespace cards {

class TForm4;

class CardHost {
 public:
  virtual ~CardHost() = default;

  virtual void CardCreated(TForm4& card) = 0;
  virtual void CardClosed(TForm4& card) = 0;

  // Renders the term list's current row into `card`.
  virtual void RenderArticle(TForm4& card) = 0;
  // The main window's "Редактировать статью" on the term list's current row.
  virtual void EditCurrentArticle() = 0;
};

}  // namespace cards
