#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cards/CardHistory.h"

namespace {

using cards::CardHistory;

// Steps through the history: "<" back, ">" forward; each step records the key it reached, or 0.
std::vector<int> Walk(CardHistory& history, const std::string& steps) {
  std::vector<int> reached;
  for (char step : steps) {
    const cards::ShownArticle* entry = step == '<' ? history.Back() : history.Forward();
    reached.push_back(entry ? entry->euphUid : 0);
  }
  return reached;
}

CardHistory Showing(std::initializer_list<int> keys) {
  CardHistory history;
  for (int key : keys) history.Shown({"<b>" + std::to_string(key) + "</b>", key});
  return history;
}

TEST(CardHistory, GoesBackAndForwardWithinWhatWasShown) {
  const struct {
    const char* name;
    std::initializer_list<int> shown;
    std::string steps;
    std::vector<int> reached;
  } cases[] = {
      {"nothing shown", {}, "<>", {0, 0}},
      {"one article", {1}, "<>", {0, 0}},
      {"back to the start and past it", {1, 2, 3}, "<<<", {2, 1, 0}},
      {"forward again to the newest", {1, 2, 3}, "<<>>>", {2, 1, 2, 3, 0}},
      {"the same article twice is one step", {1, 2, 2}, "<<", {1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CardHistory history = Showing(c.shown);
    EXPECT_EQ(Walk(history, c.steps), c.reached);
  }
}

TEST(CardHistory, AnArticleShownAfterGoingBackDropsTheOnesAhead) {
  CardHistory history = Showing({1, 2, 3});
  Walk(history, "<<");
  history.Shown({"<b>4</b>", 4});
  EXPECT_EQ(history.Size(), 2u);
  EXPECT_EQ(Walk(history, ">"), std::vector<int>{0});
  const cards::ShownArticle* back = history.Back();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->euphUid, 1);
  EXPECT_EQ(back->html, "<b>1</b>") << "the entry keeps the text as shown";
}

TEST(CardHistory, KeepsTheLatestFiftyArticles) {
  CardHistory history;
  for (int key = 1; key <= 60; ++key) history.Shown({"", key});
  EXPECT_EQ(history.Size(), CardHistory::kLimit);
  const std::vector<int> reached = Walk(history, std::string(50, '<'));
  EXPECT_EQ(reached[48], 11) << "the oldest kept";
  EXPECT_EQ(reached[49], 0);
}

}  // namespace
