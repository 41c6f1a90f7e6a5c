// The result list: entries from the hits, in alphabetical order, carrying their keys.
#include "browse/SearchResultList.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/AlphabeticalOrder.h"
#include "platform/QtText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using browse::AlphabeticallyBefore;
using testing_support::ansi;

std::string Term(int uid, const std::string& headword) { return testing_support::TermLine(uid, headword, "", "x", 0); }

struct Entry {
  std::string text;
  int key;
  bool operator==(const Entry&) const = default;
};

class SearchResultListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_.Open(testing_support::MakeHandbookDatabase(
                       dir_, {Term(1, "Яма"), Term(2, "ёлка"), Term(3, "Абв   "), Term(4, "apple"), Term(5, "Елка"),
                              Term(6, "абв"), Term(7, "Zebra"), Term(8, "Ель")})
                       .string());
    list_.setSortingEnabled(true);
  }

  // The rows in an order of their own, so the list has to sort them.
  void Select(const std::string& sql) {
    hits_.SetSQL(sql);
    hits_.Open();
  }

  std::vector<Entry> Entries() const {
    std::vector<Entry> entries;
    for (int row = 0; row < list_.count(); ++row) {
      const QListWidgetItem* item = list_.item(row);
      entries.push_back({platform::FromQString(item->text()), item->data(Qt::UserRole).toInt()});
    }
    return entries;
  }

  testing_support::TempDir dir_;
  store::Database database_;
  store::Query hits_{database_};
  QListWidget list_;
};

TEST_F(SearchResultListTest, EntriesStandInAlphabeticalOrderWithTheirKeys) {
  // In headword order the list keeps the order the rows came in, or sorts where they differ.
  for (const char* order : {"EUPH_UID", "EUPH_UID desc", "EUPHEMIZM desc", "EUPHEMIZM"}) {
    Select(std::string("select * from EUPHEMIZMS order by ") + order);
    hits_.MoveTo(4);
    EXPECT_EQ(browse::ListSearchHits(hits_, list_), 8) << order;
    EXPECT_EQ(Entries(), (std::vector<Entry>{{"apple", 4},
                                             {"Zebra", 7},
                                             {ansi("Абв"), 3},
                                             {ansi("абв"), 6},
                                             {ansi("Елка"), 5},
                                             {ansi("Ель"), 8},
                                             {ansi("ёлка"), 2},
                                             {ansi("Яма"), 1}}))
        << order;
    EXPECT_EQ(hits_.RecNo(), 0) << order;
  }
}

TEST_F(SearchResultListTest, ANewListReplacesTheOldOneAndNoHitsEmptyIt) {
  Select("select * from EUPHEMIZMS where EUPH_UID in (1, 2)");
  browse::ListSearchHits(hits_, list_);
  Select("select * from EUPHEMIZMS where EUPH_UID = 7");
  browse::ListSearchHits(hits_, list_);
  EXPECT_EQ(Entries(), (std::vector<Entry>{{"Zebra", 7}}));

  Select("select * from EUPHEMIZMS where EUPH_UID = 0");
  EXPECT_EQ(browse::ListSearchHits(hits_, list_), 0);
  EXPECT_EQ(list_.count(), 0);
}

TEST_F(SearchResultListTest, TheSelectedEntryGivesItsKey) {
  Select("select * from EUPHEMIZMS");
  browse::ListSearchHits(hits_, list_);
  EXPECT_EQ(browse::SelectedTermKey(list_), std::nullopt);
  list_.setCurrentRow(1);  // Zebra
  EXPECT_EQ(browse::SelectedTermKey(list_), 7);
  list_.clearSelection();
  EXPECT_EQ(browse::SelectedTermKey(list_), std::nullopt);
}

TEST(AlphabeticallyBefore, OrdersAsAReaderExpects) {
  const struct {
    const char* a;
    const char* b;
  } ordered[] = {
      {"apple", "Zebra"}, {"Zebra", "абв"}, {"абв", "Бег"}, {"Е", "Ё"}, {"ёлка", "Ж"}, {"Елка", "ёлка"},
      {"ель", "Ёж"}, {"Язва", "Язва желудка"}, {"Язва желудка", "Язвенный"}, {"Абв", "абв"}, {"", "a"},
  };
  for (const auto& c : ordered) {
    EXPECT_TRUE(AlphabeticallyBefore(ansi(c.a), ansi(c.b))) << c.a << " < " << c.b;
    EXPECT_FALSE(AlphabeticallyBefore(ansi(c.b), ansi(c.a))) << c.b << " !< " << c.a;
  }
  EXPECT_FALSE(AlphabeticallyBefore(ansi("Ель"), ansi("Ель")));
}

}  // namespace
