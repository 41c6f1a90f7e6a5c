#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/ChangeDocument.h"
#include "exchange/ChangedTerms.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using store::ChangeMark;
using store::TermRecord;
using testing_support::TermLine;

// What a term looks like through another attachment: its values and its mark as stored.
struct StoredTerm {
  int uid;
  std::string headword;
  std::string changed;
  bool operator==(const StoredTerm&) const = default;
};

void PrintTo(const StoredTerm& term, std::ostream* os) {
  *os << "{" << term.uid << ", " << term.headword << ", \"" << term.changed << "\"}";
}

// A store whose marked terms are inserted out of key order and mixed with unmarked ones, so the
// grouping by mark cannot come from the keys or the insertion order alone.
class ChangedTermsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing_support::MakeHandbookDatabase(
        dir_, {testing_support::SectionLine(0, "General"), testing_support::SectionLine(2, "Other"),
               TermLine(30, "Created first", "", "made here", 2, "*"),
               TermLine(10, "In step", "lat.", "as published", 0),
               TermLine(50, "Edited first", "gr.", "corrected  ", 0, "+"),
               TermLine(20, "Created second", "", "also made here", 0, "*"),
               TermLine(5, "Edited second", "", "corrected too", 2, "+"),
               TermLine(40, "Also in step", "", "as published", 2),
               // A data line is one line, so the line break is added by the engine.
               "update EUPHEMIZMS set DESCRIPTION = DESCRIPTION || ascii_char(13) || ascii_char(10) where EUPH_UID = 50;"});
  }

  // Every term through a separate attachment, which sees committed data only.
  std::vector<StoredTerm> CommittedTerms() {
    store::Database other;
    other.Open(file_.string());
    store::Query query(other);
    query.SetSQL("select EUPH_UID, EUPHEMIZM, CHANGED from EUPHEMIZMS order by EUPH_UID");
    query.Open();
    std::vector<StoredTerm> terms;
    for (query.First(); !query.Eof(); query.Next())
      terms.push_back({query.FieldByName("EUPH_UID").AsInteger(), query.FieldByName("EUPHEMIZM").AsString(),
                       query.FieldByName("CHANGED").AsString()});
    return terms;
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
};

TEST_F(ChangedTermsTest, ReadsTheEditedTermsThenTheCreatedOnes) {
  store::Database database;
  database.Open(file_.string());
  store::Query query(database);
  const std::vector<TermRecord> terms = exchange::ReadChangedTerms(query);

  ASSERT_EQ(terms.size(), 4u);
  const std::vector<std::pair<int, ChangeMark>> order{{50, ChangeMark::EditedLocally},
                                                      {5, ChangeMark::EditedLocally},
                                                      {30, ChangeMark::CreatedLocally},
                                                      {20, ChangeMark::CreatedLocally}};
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(terms[i].euphUid, order[i].first) << i;
    EXPECT_EQ(terms[i].changed, order[i].second) << i;
  }
  // Values as stored, trailing blanks included; the document cuts them.
  EXPECT_EQ(terms[0].euphemizm, "Edited first");
  EXPECT_EQ(terms[0].etiology, "gr.");
  EXPECT_EQ(terms[0].description, "corrected  \r\n");
  EXPECT_EQ(terms[2].etiology, "");  // stored as NULL
  EXPECT_EQ(terms[2].sectionUid, 2);
  EXPECT_FALSE(query.IsOpen());
}

TEST_F(ChangedTermsTest, DocumentFromTheStore) {
  store::Database database;
  database.Open(file_.string());
  store::Query query(database);
  const std::vector<TermRecord> terms = exchange::ReadChangedTerms(query);
  EXPECT_EQ(exchange::JoinChangeDocument(exchange::ChangeDocumentLines(terms)),
            "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<update>\r\n"
            "\r\n<euphemizm>\r\n<uid>50</uid>\r\n<title>Edited first</title>\r\n<etiology>gr.</etiology>\r\n"
            "<description>corrected</description>\r\n</euphemizm>\r\n"
            "\r\n<euphemizm>\r\n<uid>5</uid>\r\n<title>Edited second</title>\r\n<etiology></etiology>\r\n"
            "<description>corrected too</description>\r\n</euphemizm>\r\n"
            "\r\n<euphemizm>\r\n<uid></uid>\r\n<title>Created first</title>\r\n<etiology></etiology>\r\n"
            "<description>made here</description>\r\n</euphemizm>\r\n"
            "\r\n<euphemizm>\r\n<uid></uid>\r\n<title>Created second</title>\r\n<etiology></etiology>\r\n"
            "<description>also made here</description>\r\n</euphemizm>\r\n"
            "</update>\r\n");
}

TEST(ChangedTerms, NoMarkedTermsGiveTheEmptyDocument) {
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{}, std::vector<std::string>{TermLine(1, "Анамнез", "", "x", 0)}}) {
    testing_support::TempDir dir;
    store::Database database;
    database.Open(testing_support::MakeHandbookDatabase(dir, lines).string());
    store::Query query(database);
    const std::vector<TermRecord> terms = exchange::ReadChangedTerms(query);
    EXPECT_TRUE(terms.empty());
    EXPECT_TRUE(exchange::IsEmptyChangeDocument(exchange::ChangeDocumentLines(terms)));
  }
}

TEST_F(ChangedTermsTest, SettlingDeletesCreatedTermsAndClearsEditMarksForGood) {
  store::Database database;
  database.Open(file_.string());
  store::Query query(database);
  exchange::ReadChangedTerms(query);
  exchange::SettleSentChanges(query, database);
  EXPECT_FALSE(query.IsOpen());

  const std::vector<StoredTerm> expected{
      {5, "Edited second", ""}, {10, "In step", ""}, {40, "Also in step", ""}, {50, "Edited first", ""}};
  // Committed at once: another attachment sees it while this one's transaction is still open...
  EXPECT_TRUE(database.InTransaction());
  EXPECT_EQ(CommittedTerms(), expected);
  // ...and it survives a transaction that ends without a commit, as when the program dies.
  database.Rollback();
  EXPECT_EQ(CommittedTerms(), expected);
  EXPECT_TRUE(exchange::ReadChangedTerms(query).empty());
}

TEST_F(ChangedTermsTest, SettlingLeavesEditedContentAsItWas) {
  store::Database database;
  database.Open(file_.string());
  store::Query query(database);
  exchange::SettleSentChanges(query, database);

  query.SetSQL("select * from EUPHEMIZMS where EUPH_UID = 50");
  query.Open();
  const TermRecord term = store::ReadTermRecord(query);
  EXPECT_EQ(term.euphemizm, "Edited first");
  EXPECT_EQ(term.etiology, "gr.");
  EXPECT_EQ(term.description, "corrected  \r\n");
  EXPECT_EQ(term.sectionUid, 0);
  EXPECT_EQ(term.changed, ChangeMark::InStep);
}

}  // namespace
