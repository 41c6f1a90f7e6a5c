// Applying read update documents to a real handbook through the handbook's own state, with the
// person's message boxes scripted and what is durable read through a second attachment.
#include "exchange/UpdateApplication.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/Handbook.h"
#include "exchange/UpdateDocumentReader.h"
#include "store/DatabaseError.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "UpdateDocumentBuilder.h"

namespace {

using exchange::ProducerCategory;
using exchange::ProducerTerm;
using exchange::UpdateOutcome;
using testing_support::ansi;

constexpr const char* kSupport = "help@example.org";

// Section 1 is the one listed (the term list is open on it); its stored name has blanks around it. Term 10 has a pending local
// edit in section 2.
class UpdateApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    using testing_support::SectionLine;
    using testing_support::TermLine;
    file_ = testing_support::MakeHandbookDatabase(
        dir_, {SectionLine(0, "Общие"), SectionLine(1, "  Хирургия "), SectionLine(2, "терапия"),
               TermLine(10, "Старый", "старое", "было", 2, "+"), TermLine(11, "Бета", "", "x", 1),
               TermLine(12, "Альфа", "", "y", 1)});
    handbook_.IBDatabase1.Open(file_.string());
    handbook_.FCurrentSection = 1;
    // As the window lists it: a commit closes this list.
    handbook_.IBQuery2.SetSQL("select * from EUPHEMIZMS where section_uid = 1 order by EUPHEMIZM");
    handbook_.IBQuery2.Open();
  }

  exchange::UpdateTarget Target() {
    return {handbook_.IBDatabase1, handbook_.IBQuery1, handbook_.IBQuery2, handbook_.FCurrentSection};
  }

  // Each progress report is kept as "applied/all".
  exchange::UpdateApplication Apply(const std::string& signedDocument) {
    return exchange::ApplyUpdateDocument(Target(), exchange::ReadUpdateDocument(signedDocument), kSupport,
                                         [this](std::size_t applied, std::size_t all) {
                                           progress_.push_back(std::to_string(applied) + "/" + std::to_string(all));
                                         });
  }

  // The first column of the first row, through the handbook's own transaction or through another
  // attachment, which sees committed work only.
  std::string Seen(const std::string& sql) { return FirstValue(handbook_.IBDatabase1, sql); }
  std::string Committed(const std::string& sql) {
    store::Database other;
    other.Open(file_.string());
    return FirstValue(other, sql);
  }

  std::vector<std::string> Listed() const {
    if (!handbook_.IBQuery2.IsOpen()) return {"<closed>"};
    std::vector<std::string> headwords;
    for (int row = 0; row < handbook_.IBQuery2.RecordCount(); ++row)
      headwords.emplace_back(handbook_.IBQuery2.Text(row, handbook_.IBQuery2.FieldIndex("EUPHEMIZM")));
    return headwords;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : boxes_.Shown()) {
      EXPECT_EQ(shown.kind, testing_support::ShownMessage::Kind::Plain) << shown.text;
      texts.push_back(shown.text);
    }
    return texts;
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
  core::Handbook handbook_{dir_.path().string() + "/"};
  testing_support::ScriptedMessageBoxes boxes_;
  std::vector<std::string> progress_;

 private:
  static std::string FirstValue(store::Database& database, const std::string& sql) {
    store::Query query(database);
    query.SetSQL(sql);
    query.Open();
    if (query.RecordCount() == 0) return "<no row>";
    return query.IsNull(0, 0) ? "<null>" : std::string(query.Text(0, 0));
  }
};

std::string SectionName(int uid) {
  return "select SECTION_NAME from SECTIONS where SECTION_UID = " + std::to_string(uid);
}
std::string TermColumn(const char* column, int uid) {
  return std::string("select ") + column + " from EUPHEMIZMS where EUPH_UID = " + std::to_string(uid);
}

TEST_F(UpdateApplicationTest, CategoriesAreAddedRenamedOrKeptAndCommitted) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"1", ansi("Хирургия")}, {"2", ansi("Терапия")}, {"3", ansi("Новая")}};
  b.terms = {{"11", "1", ansi("Бета"), "", "x"}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::Complete);
  EXPECT_TRUE(Messages().empty());
  const struct {
    int uid;
    std::string name;
  } cases[] = {
      {0, ansi("Общие")},        // not in the document
      {1, ansi("  Хирургия ")},  // equal but for the blanks around: kept as stored
      {2, ansi("Терапия")},      // other letter case: renamed
      {3, ansi("Новая")},        // new
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.uid);
    EXPECT_EQ(Committed(SectionName(c.uid)), c.name);
  }
}

TEST_F(UpdateApplicationTest, TermsAreAddedOrUpdatedCommittedReportedAndListedAgain) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"3", ansi("Новая")}};
  b.terms = {{"10", "3", ansi("Обновлённый"), ansi("новое"), "a<br />b"},
             {"20", "3", ansi("Свежий"), "", "c"},
             {"21", "1", ansi("Гамма"), "", "d"},
             {"11", "1", ansi("Бета-2"), "", "x"}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(applied.reportTitles,
            (std::vector<std::string>{ansi("Обновлённый"), ansi("Свежий"), ansi("Гамма"), ansi("Бета-2")}));
  EXPECT_EQ(progress_, (std::vector<std::string>{"0/4", "1/4", "2/4", "3/4", "4/4"}));
  EXPECT_TRUE(Messages().empty());
  // The known term takes the producer's texts and loses its mark, but keeps its own category.
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 10)), ansi("Обновлённый"));
  EXPECT_EQ(Committed(TermColumn("ETIOLOGY", 10)), ansi("новое"));
  EXPECT_EQ(Committed(TermColumn("DESCRIPTION", 10)), "a\n\rb");
  EXPECT_EQ(Committed(TermColumn("CHANGED", 10)), "");
  EXPECT_EQ(Committed(TermColumn("SECTION_UID", 10)), "2");
  // A new term takes the document's category, one of this same document included, and no mark.
  EXPECT_EQ(Committed(TermColumn("SECTION_UID", 20)), "3");
  EXPECT_EQ(Committed(TermColumn("CHANGED", 20)), "<null>");
  EXPECT_EQ(Committed(TermColumn("DESCRIPTION", 20)), "c");
  // The commit closed the term list; it shows the current category again, changes included.
  EXPECT_EQ(Listed(), (std::vector<std::string>{ansi("Альфа"), ansi("Бета-2"), ansi("Гамма")}));
}

// The look-ups take the key text as received; the store reads it as the number it writes.
TEST_F(UpdateApplicationTest, KeysWithASignOrLeadingZerosFindTheStoredCategoryAndTerm) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"+2", ansi("Терапия")}, {"00", ansi("Общие")}};
  b.terms = {{"011", "1", ansi("Бета-3"), "", "x"}, {"+12", "1", ansi("Альфа-3"), "", "y"}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::Complete);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Committed("select count(*) from SECTIONS"), "3");
  EXPECT_EQ(Committed(SectionName(2)), ansi("Терапия"));
  EXPECT_EQ(Committed("select count(*) from EUPHEMIZMS"), "3");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 11)), ansi("Бета-3"));
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 12)), ansi("Альфа-3"));
}

TEST_F(UpdateApplicationTest, DoubleQuotesInTheReceivedTextsAreStoredAsReceived) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"4", "The \"quoted\" one"}, {"2", "\"terapia\""}};
  b.terms = {{"30", "4", "Says \"hi\"", "\"", "a \"b\" \"\"c"}, {"10", "2", "\"", "", "\"\""}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::Complete);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Committed(SectionName(4)), "The \"quoted\" one");
  EXPECT_EQ(Committed(SectionName(2)), "\"terapia\"");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 30)), "Says \"hi\"");
  EXPECT_EQ(Committed(TermColumn("ETIOLOGY", 30)), "\"");
  EXPECT_EQ(Committed(TermColumn("DESCRIPTION", 30)), "a \"b\" \"\"c");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 10)), "\"");
  EXPECT_EQ(Committed(TermColumn("DESCRIPTION", 10)), "\"\"");
}

// SECTION_NAME and EUPHEMIZM hold 250 characters: one more makes the store reject the statement.
TEST_F(UpdateApplicationTest, ARejectedStatementIsShownWithItsValuesInPlaceAndTheRunGoesOn) {
  const std::string tooLongName(251, 'n');
  const std::string tooLongTitle = "Q\"" + std::string(249, 't');
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"5", tooLongName}, {"2", tooLongName}, {"6", "After"}};
  b.terms = {{"40", "6", tooLongTitle, "o", "d"},
             {"10", "6", tooLongTitle, "", "e"},
             {"41", "6", "Applied", "", "f"}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "insert into SECTIONS (SECTION_NAME, SECTION_UID) values (\"" + tooLongName + "\", \"5\")",
                "update SECTIONS set SECTION_NAME = \"" + tooLongName + "\" where SECTION_UID = 2",
                "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, EUPH_UID) values (\"" +
                    tooLongTitle + "\", \"o\", \"d\", \"6\", \"40\")",
                "update EUPHEMIZMS set EUPHEMIZM = \"" + tooLongTitle +
                    "\", ETIOLOGY = \"\", DESCRIPTION = \"e\", CHANGED = \"\" where EUPH_UID = 10",
            }));
  // Failed titles are reported all the same.
  EXPECT_EQ(applied.reportTitles, (std::vector<std::string>{tooLongTitle, tooLongTitle, "Applied"}));
  EXPECT_EQ(Committed(SectionName(5)), "<no row>");
  EXPECT_EQ(Committed(SectionName(2)), ansi("терапия"));
  EXPECT_EQ(Committed(SectionName(6)), "After");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 40)), "<no row>");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 10)), ansi("Старый"));
  EXPECT_EQ(Committed(TermColumn("CHANGED", 10)), "+");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 41)), "Applied");
}

TEST_F(UpdateApplicationTest, TheProducersMessageComesFirstWithItsLineBreaks) {
  exchange_test::UpdateDocumentBuilder b;
  b.info = ansi("Новые термины<br />к празднику");
  b.categories = {{"5", std::string(251, 'n')}};
  b.terms = {{"11", "1", ansi("Бета"), "", "x"}};
  const std::string failure =
      "insert into SECTIONS (SECTION_NAME, SECTION_UID) values (\"" + std::string(251, 'n') + "\", \"5\")";
  Apply(b.Signed());
  EXPECT_EQ(Messages(), (std::vector<std::string>{ansi("Новые термины\n\rк празднику"), failure}));

  boxes_.Clear();
  b.info.reset();
  Apply(b.Signed());
  EXPECT_EQ(Messages(), std::vector<std::string>{failure});
}

// Where a document stops making sense after its categories, and the titles read up to there.
struct InvalidTail {
  const char* name;
  std::vector<ProducerTerm> terms;
  std::string ending;
};

void PrintTo(const InvalidTail& tail, std::ostream* os) { *os << tail.name; }

class InvalidDataAfterTheCategories : public UpdateApplicationTest,
                                      public ::testing::WithParamInterface<InvalidTail> {};

// The categories are durable once all were read; the terms read before the fault are applied
// but left to the open transaction, and the term list shows the current category again.
TEST_P(InvalidDataAfterTheCategories, KeepsTheCategoriesAndListsTheTermsAgain) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"7", "Seventh"}};
  b.terms = GetParam().terms;
  b.ending = GetParam().ending;

  const auto applied = Apply(b.Signed());
  EXPECT_EQ(applied.outcome, UpdateOutcome::InvalidData);
  EXPECT_EQ(applied.reportTitles, std::vector<std::string>{ansi("Гамма")});
  EXPECT_EQ(Messages(), std::vector<std::string>{exchange::InvalidUpdateDataMessage(kSupport)});
  EXPECT_EQ(Committed(SectionName(7)), "Seventh");
  EXPECT_EQ(Seen(TermColumn("EUPHEMIZM", 21)), ansi("Гамма"));
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 21)), "<no row>");
  EXPECT_EQ(Seen(TermColumn("EUPHEMIZM", 22)), "<no row>");
  EXPECT_EQ(Listed(), (std::vector<std::string>{ansi("Альфа"), ansi("Бета"), ansi("Гамма")}));
}

INSTANTIATE_TEST_SUITE_P(
    UpdateApplication, InvalidDataAfterTheCategories,
    ::testing::Values(
        InvalidTail{"TermKeyNotANumber", {{"21", "1", ansi("Гамма"), "", "d"}, {"2x", "1", "Never", "", "e"}}, "</update>"},
        InvalidTail{"CategoryKeyOfATermNotANumber",
                    {{"21", "1", ansi("Гамма"), "", "d"}, {"22", "one", "Never", "", "e"}},
                    "</update>"},
        InvalidTail{"LineEndAfterTheLastLine", {{"21", "1", ansi("Гамма"), "", "d"}}, "</update>\n"}),
    [](const ::testing::TestParamInfo<InvalidTail>& info) { return std::string(info.param.name); });

// Categories read before the fault are applied, but nothing is committed.
TEST_F(UpdateApplicationTest, InvalidDataAmongTheCategoriesCommitsNothing) {
  exchange_test::UpdateDocumentBuilder b;
  b.categories = {{"7", "Seventh"}, {"eight", "Eighth"}};
  b.terms = {{"21", "1", "Gamma", "", "d"}};
  const auto applied = Apply(b.Signed());

  EXPECT_EQ(applied.outcome, UpdateOutcome::InvalidData);
  EXPECT_TRUE(applied.reportTitles.empty());
  EXPECT_EQ(Messages(), std::vector<std::string>{exchange::InvalidUpdateDataMessage(kSupport)});
  EXPECT_EQ(Seen(SectionName(7)), "Seventh");
  EXPECT_EQ(Committed(SectionName(7)), "<no row>");
  EXPECT_EQ(Seen(TermColumn("EUPHEMIZM", 21)), "<no row>");
  EXPECT_EQ(Listed(), (std::vector<std::string>{ansi("Альфа"), ansi("Бета")}));
}

// Not even the message is shown, nor is work pending in the transaction committed; the person is
// told the data was invalid, so the caller keeps the date of the last update.
TEST_F(UpdateApplicationTest, ADigestMismatchAppliesNothing) {
  handbook_.IBSQL1.SetSQL(ansi("update EUPHEMIZMS set EUPHEMIZM = 'Ждущий' where EUPH_UID = 12"));
  handbook_.IBSQL1.ExecQuery();
  exchange_test::UpdateDocumentBuilder b;
  b.info = "Hello";
  b.categories = {{"7", "Seventh"}};
  b.terms = {{"21", "1", "Gamma", "", "d"}};
  std::string document = b.Signed();
  document[40] ^= 1;

  const auto applied = Apply(document);
  EXPECT_EQ(applied.outcome, UpdateOutcome::DigestMismatch);
  EXPECT_TRUE(applied.reportTitles.empty());
  EXPECT_EQ(Messages(), std::vector<std::string>{exchange::InvalidUpdateDataMessage(kSupport)});
  EXPECT_EQ(Seen(SectionName(7)), "<no row>");
  EXPECT_EQ(Seen(TermColumn("EUPHEMIZM", 21)), "<no row>");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 12)), ansi("Альфа"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{ansi("Бета"), ansi("Ждущий")}));
}

// An error of the store (here a key that reaches the look-up unchecked) ends the run with that
// error; what was committed stays, and the term list is back.
TEST_F(UpdateApplicationTest, AStoreErrorEndsTheRunWithTheTermsListedAgain) {
  exchange::UpdateDocument document;
  document.outcome = UpdateOutcome::Complete;
  document.categories = {{"7", "Seventh"}};
  document.categoriesComplete = true;
  document.terms = {{"21", "1", ansi("Гамма"), "", "d"}, {"no_such_column", "1", "Never", "", "e"}};

  EXPECT_THROW(exchange::ApplyUpdateDocument(Target(), document, kSupport), store::DatabaseError);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Committed(SectionName(7)), "Seventh");
  EXPECT_EQ(Committed(TermColumn("EUPHEMIZM", 21)), "<no row>");
  EXPECT_EQ(Listed(), (std::vector<std::string>{ansi("Альфа"), ansi("Бета"), ansi("Гамма")}));
}

}  // namespace
