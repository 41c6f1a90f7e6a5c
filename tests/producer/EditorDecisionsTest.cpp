// Accepting and rejecting received change sets, on a real producer database.
#include "producer/EditorDecisions.h"

#include <gtest/gtest.h>

#include "producer/ChangeSets.h"
#include "producer/PublishedHandbook.h"
#include "producer/TimestampText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"

namespace {

using producer::AcceptChanges;
using producer::AcceptedTerm;
using producer::DecisionError;
using producer::RejectChanges;
using testing_support::ansi;

class EditorDecisionsTest : public ::testing::Test {
 protected:
  EditorDecisionsTest() : file_(producer_testing::MakeProducerDatabase(dir_)) {
    database_.Open(file_.string());
    setId_ = producer::StoreChangeSet(database_, "192.0.2.7", now_,
                                      {{2, ansi("Бронхит острый"), "", ansi("Строка\r\nещё")},  // published key
                                       {1000000004, ansi("Свой"), "", ""},                     // a reader's key
                                       {std::nullopt, ansi("Новый"), ansi("лат."), ""},       // created there
                                       {50, ansi("Неизвестный"), "", ""}});                   // never published
  }

  struct Row {
    int uid;
    std::string title;
    std::string description;
    int section;
    std::string publishedAt;
    bool operator==(const Row&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Row& row) {
      return out << row.uid << " " << row.title << " " << row.section << " " << row.publishedAt;
    }
  };
  std::vector<Row> Terms() {
    store::Query query(database_);
    query.SetSQL(
        "select EUPH_UID, EUPHEMIZM, DESCRIPTION, SECTION_UID, trim(iif(PUBLISHED_AT = ?, \"now\", \"before\")) as PUBLISHED "
        "from EUPHEMIZMS order by EUPH_UID");
    query.Open({producer::TimestampText(now_)});
    std::vector<Row> rows;
    for (query.First(); !query.Eof(); query.Next()) {
      rows.push_back({query.FieldByName("EUPH_UID").AsInteger(), query.FieldByName("EUPHEMIZM").AsString(),
                      query.FieldByName("DESCRIPTION").AsString(), query.FieldByName("SECTION_UID").AsInteger(),
                      query.FieldByName("PUBLISHED").AsString()});
    }
    database_.Commit();
    return rows;
  }
  std::vector<std::string> Decisions() {
    std::vector<std::string> decisions;
    // Kept in a local: a range over a member of a temporary outlives the temporary.
    const auto sets = producer::ReadChangeSets(database_, false);
    for (const auto& term : sets.at(0).terms) decisions.push_back(term.decision);
    database_.Commit();
    return decisions;
  }

  const text::DateTime now_ = text::EncodeDateTime({.year = 2026, .month = 12, .day = 10, .hour = 15});
  const std::string nowText_ = "now";
  const std::string longAgo_ = "before";
  testing_support::TempDir dir_;
  std::filesystem::path file_;
  store::Database database_;
  int setId_ = 0;
};

TEST_F(EditorDecisionsTest, AcceptingReplacesPublishedTermsAndNumbersTheOthersBelowTheReadersRange) {
  const int before = producer::LatestPublication(database_);
  const std::vector<AcceptedTerm> accepted = AcceptChanges(database_, setId_, {}, 3, now_);
  EXPECT_EQ(accepted, (std::vector<AcceptedTerm>{{1, 2, true}, {2, 8, false}, {3, 9, false}, {4, 10, false}}));
  EXPECT_EQ(Terms(), (std::vector<Row>{
                         {1, ansi("Анамнез"), ansi("Сведения о болезни."), 0, longAgo_},
                         {2, ansi("Бронхит острый"), ansi("Строка\r\nещё"), 3, nowText_},  // keeps its category
                         {7, ansi("Астма"), ansi("Приступы удушья."), 3, longAgo_},
                         {8, ansi("Свой"), "", 3, nowText_},
                         {9, ansi("Новый"), "", 3, nowText_},
                         {10, ansi("Неизвестный"), "", 3, nowText_},
                     }));
  EXPECT_EQ(Decisions(), std::vector<std::string>(4, producer::kAccepted));
  EXPECT_GT(producer::LatestPublication(database_), before) << "servers must drop their kept updates";
}

TEST_F(EditorDecisionsTest, SingleTermsAreDecidedOnceAndTheRestStaysOpen) {
  EXPECT_EQ(AcceptChanges(database_, setId_, {1}, std::nullopt, now_), (std::vector<AcceptedTerm>{{1, 2, true}}))
      << "a replacement needs no category";
  EXPECT_EQ(RejectChanges(database_, setId_, {2, 4}), 2);
  EXPECT_EQ(Decisions(), (std::vector<std::string>{producer::kAccepted, producer::kRejected, "", producer::kRejected}));
  EXPECT_EQ(producer::ReadChangeSets(database_, true).size(), 1u) << "term 3 is still open";

  EXPECT_THROW(RejectChanges(database_, setId_, {1}), DecisionError) << "decided already";
  EXPECT_EQ(AcceptChanges(database_, setId_, {}, 0, now_), (std::vector<AcceptedTerm>{{3, 8, false}}))
      << "all means all still undecided";
  EXPECT_TRUE(producer::ReadChangeSets(database_, true).empty());
}

TEST_F(EditorDecisionsTest, ADecisionThatCannotBeMadeLeavesEverythingAsItWas) {
  const std::vector<Row> terms = Terms();
  const int publication = producer::LatestPublication(database_);
  database_.Commit();
  const struct {
    const char* what;
    int setId;
    std::vector<int> termNos;
    std::optional<int> category;
  } cases[] = {
      {"a new term without a category, after a replacement", setId_, {1, 3}, std::nullopt},
      {"a category that does not exist", setId_, {3}, 77},
      {"no such term", setId_, {1, 9}, 0},
      {"no such set", setId_ + 1, {}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(AcceptChanges(database_, c.setId, c.termNos, c.category, now_), DecisionError) << c.what;
    EXPECT_EQ(Terms(), terms) << c.what;
    EXPECT_EQ(Decisions(), std::vector<std::string>(4, "")) << c.what;
    EXPECT_EQ(producer::LatestPublication(database_), publication) << c.what;
    database_.Commit();
  }
  EXPECT_THROW(RejectChanges(database_, setId_ + 1, {}), DecisionError);
}

}  // namespace
