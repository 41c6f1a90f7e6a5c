#include "cards/ArticleDesk.h"

#include <algorithm>
#include <utility>

#include "cards/ArticleHtml.h"
#include "core/Handbook.h"
#include "store/Records.h"

namespace cards {

ArticleDesk::ArticleDesk(core::Handbook& handbook, std::function<void()> editCurrentArticle)
    : handbook_(handbook), editCurrentArticle_(std::move(editCurrentArticle)) {}

ArticleDesk::~ArticleDesk() {
  for (const QPointer<TForm4>& card : cards_) delete card.data();
}

void ArticleDesk::OpenCard() {
  if (handbook_.FOpenCards == 0 || !currentCard_) {
    currentCard_ = NewCard(false);
  } else if (currentCard_->ToggleOn()) {
    currentCard_ = NewCard(true);
  } else {
    currentCard_->SetToggle(false);
  }
  TForm4& card = *currentCard_;
  RenderArticle(card);
  card.show();
  card.raise();
  card.activateWindow();
}

TForm4* ArticleDesk::NewCard(bool toggleOn) {
  auto* card = new TForm4(handbook_, *this);
  card->SetToggle(toggleOn);
  return card;
}

void ArticleDesk::CardCreated(TForm4& card) {
  ++handbook_.FOpenCards;
  std::erase_if(cards_, [](const QPointer<TForm4>& known) { return known.isNull(); });
  cards_.emplace_back(&card);
}

void ArticleDesk::CardClosed(TForm4& card) {
  --handbook_.FOpenCards;
  if (currentCard_ == &card) currentCard_.clear();
}

void ArticleDesk::RenderArticle(TForm4& card) {
  const store::TermRecord term = store::ReadTermRecord(handbook_.IBQuery2);
  card.ShowArticle(BuildArticleHtml(term), term.euphUid);
}

void ArticleDesk::EditCurrentArticle() {
  if (editCurrentArticle_) editCurrentArticle_();
}

}  // namespace cards
