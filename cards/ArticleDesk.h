#pragma once
// The main window's cards: how many are open, which one the next opening reuses, and rendering
// the term list's current row into a card.
#include <QPointer>

#include <cstdint>
#include <functional>
#include <vector>

#include "cards/CardHost.h"
#include "cards/TForm4.h"

namespace core {
class Handbook;
}

namespace cards {

class ArticleDesk final : public CardHost {
 public:
  // Keeps the handbook's count of open cards (FOpenCards) up to date; `editCurrentArticle` is the
  // main window's "Редактировать статью".
  ArticleDesk(core::Handbook& handbook, std::function<void()> editCurrentArticle);
  // Cards still open are destroyed with the desk.
  ~ArticleDesk() override;
  ArticleDesk(const ArticleDesk&) = delete;
  ArticleDesk& operator=(const ArticleDesk&) = delete;

  // Opens the term list's current row in a card: the current card unless its toggle is on, in
  // which case a further card takes over the on state. A closed card is never reused; without an
  // open current card a fresh one starts with the toggle off.
  void OpenCard();

  // The card most recently created by OpenCard while it is open; nullptr otherwise.
  TForm4* CurrentCard() const { return currentCard_; }

  void CardCreated(TForm4& card) override;
  void CardClosed(TForm4& card) override;
  void RenderArticle(TForm4& card) override;
  void EditCurrentArticle() override;

 private:
  TForm4* NewCard(bool toggleOn);

  core::Handbook& handbook_;
  std::function<void()> editCurrentArticle_;
  QPointer<TForm4> currentCard_;
  std::vector<QPointer<TForm4>> cards_;
};

}  // namespace cards
