#pragma once
// The articles one card has shown, for going back and forward: each entry keeps the HTML and the
// key exactly as shown, so going back shows the same text and the card's commands act on it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace cards {

struct ShownArticle {
  std::string html;
  std::int32_t euphUid = 0;
};

class CardHistory {
 public:
  static constexpr std::size_t kLimit = 50;

  // A newly shown article: it drops the entries ahead of the current one; beyond the limit the
  // oldest goes. The current article shown again changes nothing.
  void Shown(ShownArticle article);

  // The entry before or after the current one, which becomes current; nullptr at either end.
  const ShownArticle* Back();
  const ShownArticle* Forward();

  std::size_t Size() const { return entries_.size(); }

 private:
  std::deque<ShownArticle> entries_;
  std::size_t current_ = 0;  // meaningful once an entry exists
};

}  // namespace cards
