// The category bar filled from SECTIONS, and listing a section with its header.
#include "browse/Categories.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/SectionList.h"
#include "platform/QtText.h"
#include "store/DatabaseError.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"

namespace {

using testing_support::ansi;

using testing_support::SectionLine;

std::string Term(int uid, const std::string& headword, int section) {
  return testing_support::TermLine(uid, headword, "", "x", section);
}

class CategoriesTest : public ::testing::Test {
 protected:
  void Open(const std::vector<std::string>& lines) {
    database_.Open(testing_support::MakeHandbookDatabase(dir_, lines).string());
  }

  std::vector<std::string> Headwords() const {
    std::vector<std::string> headwords;
    for (int row = 0; row < terms_.RecordCount(); ++row)
      headwords.emplace_back(terms_.Text(row, terms_.FieldIndex("EUPHEMIZM")));
    return headwords;
  }

  testing_support::TempDir dir_;
  store::Database database_;
  store::Query query_{database_};
  store::Query terms_{database_};
  widgets::CollapsibleBar bar_{"Категории терминов"};
};

TEST_F(CategoriesTest, OneItemPerSectionInNumberOrderTaggedWithItsPositionWithoutTrailingBlanks) {
  Open({SectionLine(2, "Неврология"), SectionLine(0, "Общие термины"), SectionLine(1, "Кардиология   ")});
  bar_.AddItem("left over", 9);
  browse::LoadCategories(query_, bar_);
  ASSERT_EQ(bar_.ItemCount(), 3);
  const char* const captions[] = {"Общие термины", "Кардиология", "Неврология"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar_.Item(i).text(), QString::fromUtf8(captions[i]));
    EXPECT_EQ(bar_.Item(i).Tag(), i);
  }
}

TEST_F(CategoriesTest, NoSectionsGiveAnEmptyBar) {
  Open({Term(1, "Анемия", 0)});
  bar_.AddItem("left over", 0);
  browse::LoadCategories(query_, bar_);
  EXPECT_EQ(bar_.ItemCount(), 0);
}

TEST_F(CategoriesTest, ASectionIsListedByHeadwordAndNamedByItsItem) {
  Open({SectionLine(0, "Общие"), SectionLine(1, "Кардиология"), Term(1, "Тахикардия", 1), Term(2, "Аритмия", 1),
        Term(3, "Брадикардия", 1), Term(4, "Анемия", 0)});
  browse::LoadCategories(query_, bar_);
  browse::ListSection(terms_, 1);
  EXPECT_EQ(Headwords(), (std::vector<std::string>{ansi("Аритмия"), ansi("Брадикардия"), ansi("Тахикардия")}));
  EXPECT_EQ(terms_.RecNo(), 0);
  EXPECT_EQ(browse::SectionHeader(bar_, database_, 1), ansi("Кардиология"));
}

TEST_F(CategoriesTest, ASectionWithoutAnItemIsNamedFromSectionsOrNotAtAll) {
  Open({SectionLine(0, "Общие"), Term(1, "Дерматит", 7), Term(2, "Экзема", 8)});
  browse::LoadCategories(query_, bar_);
  // Section 7 arrived after the bar was filled.
  database_.CommitRetaining();
  store::Query late(database_);
  late.SetSQL("insert into SECTIONS (SECTION_UID, SECTION_NAME) values (7, \"" + ansi("Кожные болезни  ") + "\")");
  late.Open();

  browse::ListSection(terms_, 7);
  EXPECT_EQ(Headwords(), std::vector<std::string>{ansi("Дерматит")});
  EXPECT_EQ(browse::SectionHeader(bar_, database_, 7), ansi("Кожные болезни"));
  browse::ListSection(terms_, 8);
  EXPECT_EQ(Headwords(), std::vector<std::string>{ansi("Экзема")});
  EXPECT_EQ(browse::SectionHeader(bar_, database_, 8), std::nullopt);
  EXPECT_EQ(browse::SectionHeader(bar_, database_, -1), std::nullopt);
}

TEST_F(CategoriesTest, AFailedListingLeavesTheListEmptyAndClosed) {
  Open({SectionLine(0, "Общие"), Term(1, "Анемия", 0)});
  browse::ListSection(terms_, 0);
  ASSERT_EQ(terms_.RecordCount(), 1);
  database_.Close();
  database_.SetDatabaseName((dir_.path() / "missing.gdb").string());
  EXPECT_THROW(browse::ListSection(terms_, 0), store::DatabaseError);
  EXPECT_FALSE(terms_.IsOpen());
  EXPECT_EQ(terms_.RecordCount(), 0);
}

}  // namespace
