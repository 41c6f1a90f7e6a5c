#include "cards/ArticleDesk.h"

#include <algorithm>
#include <utility>

#include "cards/ArticleHtml.h"
#include "cards/ArticleView.h"
#include "store/Records.h"

namespace cards {

ArticleDesk::ArticleDesk(store::Query& termList, std::int32_t& openCards, std::function<void()> editCurrentArticle)
    : termList_(termList), editCurrentArticle_(std::move(editCurrentArticle)), openCards_(openCards) {}

ArticleDesk::~ArticleDesk() {
  for (const QPointer<TForm4>& card : cards_) delete card.data();
}

void ArticleDesk::OpenCard() {
  if (openCards_ == 0 || !currentCard_) {
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
  auto* card = new TForm4(*this);
  card->SetToggle(toggleOn);
  return card;
}

void ArticleDesk::CardCreated(TForm4& card) {
  ++openCards_;
  std::erase_if(cards_, [](const QPointer<TForm4>& known) { return known.isNull(); });
  cards_.emplace_back(&card);
}

void ArticleDesk::CardClosed(TForm4& card) {
  --openCards_;
  if (currentCard_ == &card) currentCard_.clear();
}

void ArticleDesk::RenderArticle(TForm4& card) {
  const store::TermRecord term = store::ReadTermRecord(termList_);
  card.HTMLViewer1->LoadFromString(BuildArticleHtml(term));
  card.FEuphUid = term.euphUid;
}

void ArticleDesk::EditCurrentArticle() {
  if (editCurrentArticle_) editCurrentArticle_();
}

}  // namespace cards
