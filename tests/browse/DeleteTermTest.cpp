// Ctrl+Delete's deletion: the person's answer decides; an OK deletion is durable at once.
#include "browse/DeleteTerm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/SectionList.h"
#include "store/DatabaseError.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "store/UpdateSql.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {

using platform::MessageAnswer;
using testing_support::ansi;

std::string Term(int uid, const std::string& headword) { return testing_support::TermLine(uid, headword, "", "x", 0); }

class DeleteTermTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing_support::MakeHandbookDatabase(dir_, {Term(1, "Анемия"), Term(2, "Бронхит"), Term(3, "Гастрит")})
                .string();
    database_.Open(file_);
    updates_.SetDeleteSQL(std::string(store::statements::DeleteTerm));
    terms_.SetUpdateObject(&updates_);
    browse::ListSection(terms_, 0);
  }

  // What another connection sees: only committed rows.
  std::vector<std::string> CommittedHeadwords() const {
    store::Database other;
    other.Open(file_);
    store::Query query(other);
    browse::ListSection(query, 0);
    std::vector<std::string> headwords;
    for (int row = 0; row < query.RecordCount(); ++row)
      headwords.emplace_back(query.Text(row, query.FieldIndex("EUPHEMIZM")));
    return headwords;
  }

  testing_support::TempDir dir_;
  std::string file_;
  store::Database database_;
  store::UpdateSql updates_{database_};
  store::Query terms_{database_};
  testing_support::ScriptedMessageBoxes boxes_;
};

TEST_F(DeleteTermTest, CancelChangesNothing) {
  terms_.MoveTo(1);
  boxes_.WillAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(browse::DeleteCurrentTerm(terms_, database_));
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "Delete record?");
  EXPECT_EQ(boxes_.Shown()[0].buttons, platform::MessageButtons::OkCancel);
  EXPECT_EQ(terms_.RecordCount(), 3);
  EXPECT_EQ(terms_.RecNo(), 1);
  EXPECT_EQ(CommittedHeadwords().size(), 3u);
}

TEST_F(DeleteTermTest, OkDeletesTheCurrentTermForGoodAndTheNextBecomesCurrent) {
  terms_.MoveTo(1);
  boxes_.WillAnswer(MessageAnswer::Ok);
  EXPECT_TRUE(browse::DeleteCurrentTerm(terms_, database_));
  ASSERT_EQ(terms_.RecordCount(), 2);
  EXPECT_EQ(terms_.FieldByName("EUPHEMIZM").AsString(), ansi("Гастрит"));
  // Committed at once: another connection sees it while this one stays open.
  EXPECT_EQ(CommittedHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Гастрит")}));
  EXPECT_TRUE(terms_.IsOpen());
}

TEST_F(DeleteTermTest, AnEmptyListAsksNothing) {
  terms_.SetSQL("select * from EUPHEMIZMS where section_uid = 5 order by EUPHEMIZM");
  terms_.Open();
  EXPECT_FALSE(browse::DeleteCurrentTerm(terms_, database_));
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(DeleteTermTest, ARejectedDeleteKeepsTheRow) {
  updates_.SetDeleteSQL("delete from NO_SUCH_TABLE where EUPH_UID = :OLD_EUPH_UID");
  boxes_.WillAnswer(MessageAnswer::Ok);
  EXPECT_THROW(browse::DeleteCurrentTerm(terms_, database_), store::DatabaseError);
  EXPECT_EQ(terms_.RecordCount(), 3);
  EXPECT_EQ(CommittedHeadwords().size(), 3u);
}

}  // namespace
