#include "cards/CardHistory.h"

#include <utility>

namespace cards {

void CardHistory::Shown(ShownArticle article) {
  // The same article shown again (the card reused for it) is one step, not two.
  if (!entries_.empty() && entries_[current_].euphUid == article.euphUid && entries_[current_].html == article.html)
    return;
  if (!entries_.empty()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, entries_.end());
  entries_.push_back(std::move(article));
  if (entries_.size() > kLimit) entries_.pop_front();
  current_ = entries_.size() - 1;
}

const ShownArticle* CardHistory::Back() {
  if (entries_.empty() || current_ == 0) return nullptr;
  return &entries_[--current_];
}

const ShownArticle* CardHistory::Forward() {
  if (entries_.empty() || current_ + 1 >= entries_.size()) return nullptr;
  return &entries_[++current_];
}

}  // namespace cards
