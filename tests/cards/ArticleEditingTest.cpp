#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <string>

#include "cards/ArticleEditing.h"
#include "store/Records.h"
#include "tests/cards/EditorScript.h"
#include "tests/cards/HandbookFixture.h"
#include "tests/support/Ansi.h"
#include "text/Cp1251.h"
#include "text/KorStrUtils.h"

namespace {

using cards::PendingArticle;
using cards::TForm5;
using cards_testing::EditorScript;
using cards_testing::HandbookFixture;
using testing_support::ansi;

class ArticleEditingTest : public HandbookFixture {
 protected:
  // Adds with the editor answered by `act`; returns whether the editor came up.
  bool Add(std::function<void(TForm5&)> act, const PendingArticle& pending = {}, int section = 1) {
    EditorScript script(*editor_, std::move(act));
    cards::AddArticle(*editor_, executor_, database_, pending, section);
    return script.Shown();
  }

  bool Edit(std::function<void(TForm5&)> act) {
    EditorScript script(*editor_, std::move(act));
    cards::EditCurrentArticle(*editor_, termList_, database_);
    return script.Shown();
  }

  std::string Column(const char* column, int euphUid) {
    return Value(std::string("select ") + column + " from EUPHEMIZMS where EUPH_UID = " + std::to_string(euphUid));
  }

  int LocalCount() { return Count("CHANGED = \"*\""); }
};

// About a megabyte of article as typed into the editor (UTF-8, "\n" between lines).
std::string MegabyteTyped() {
  std::string typed;
  for (int i = 0; typed.size() < (2u << 20); ++i) typed += "Абзац " + std::to_string(i) + " длинной статьи.\n";
  return typed;
}

// Types `headword` and `description` (UTF-8) into the editor and saves.
std::function<void(TForm5&)> Type(const std::string& headword, const std::string& description) {
  return [=](TForm5& shown) {
    shown.LabeledEdit1->setText(QString::fromStdString(headword));
    shown.Memo1->setPlainText(QString::fromStdString(description));
    shown.Button1->click();
  };
}

TEST_F(ArticleEditingTest, AddStoresAMarkedRowInTheCurrentSectionAndCommitsIt) {
  ASSERT_TRUE(Add(EditorScript::Save("язва \"острая\"", "лат. ulcus", "дефект\nслизистой"), {}, 1));

  const std::string where = "EUPHEMIZM = " + std::string("\"") + ansi("Язва 'острая'") + "\"";
  ASSERT_EQ(Count(where), 1);
  EXPECT_EQ(Value("select ETIOLOGY from EUPHEMIZMS where " + where), ansi("лат. ulcus"));
  EXPECT_EQ(Value("select DESCRIPTION from EUPHEMIZMS where " + where), ansi("дефект\r\nслизистой"));
  EXPECT_EQ(Value("select SECTION_UID from EUPHEMIZMS where " + where), "1");
  EXPECT_EQ(Value("select CHANGED from EUPHEMIZMS where " + where), "*");
  EXPECT_EQ(CommittedValue("select count(*) from EUPHEMIZMS where " + where), "1")
      << "an added article must be durable at once";
  EXPECT_EQ(executor_.SQL(),
            "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values "
            "(?, ?, ?, ?, \"*\")")
      << "the values are bound, not written into the statement";
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ArticleEditingTest, AddStartsFromThePendingTextsAndKeepsThem) {
  const std::string title = ansi("гастродуоденит");
  const std::string origin = ansi("греч.");
  const std::string description = ansi("воспаление");
  std::vector<std::string> prefilled;
  ASSERT_TRUE(Add(
      [&](TForm5& shown) {
        prefilled = {shown.Headword(), shown.Origin(), shown.Description()};
        shown.Button1->click();
      },
      {title, origin, description}, 0));

  EXPECT_EQ(prefilled, (std::vector<std::string>{title, origin, description}));
  EXPECT_EQ(Count("SECTION_UID = 0 and CHANGED = \"*\""), 1);
  EXPECT_EQ(Value("select EUPHEMIZM from EUPHEMIZMS where CHANGED = \"*\" and SECTION_UID = 0"),
            ansi("Гастродуоденит"));
}

TEST_F(ArticleEditingTest, AddWithoutHeadwordOrDescriptionOrCancelledStoresNothing) {
  struct Case {
    const char* name;
    std::function<void(TForm5&)> act;
    int added;
  };
  const Case cases[] = {
      {"empty headword", EditorScript::Save("", "о", "описание"), 0},
      {"headword of spaces", EditorScript::Save("   ", "о", "описание"), 0},
      {"empty description", EditorScript::Save("Термин", "о", ""), 0},
      {"description of spaces", EditorScript::Save("Термин", "о", "   "), 0},
      {"cancelled", [](TForm5& shown) {
         shown.LabeledEdit1->setText(QStringLiteral("Термин"));
         shown.Memo1->setPlainText(QStringLiteral("описание"));
         shown.Button2->click();
       }, 0},
      {"description of a line break only", EditorScript::Save("Термин", "", "\n"), 1},
  };
  int expected = LocalCount();
  for (const Case& c : cases) {
    ASSERT_TRUE(Add(c.act)) << c.name;
    expected += c.added;
    EXPECT_EQ(LocalCount(), expected) << c.name;
  }
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ArticleEditingTest, RejectedStatementIsShownAndSwallowed) {
  const std::string tooLong(300, 'x');  // wider than the headword column
  ASSERT_TRUE(Add(EditorScript::Save(tooLong.c_str(), "", "d")));

  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].kind, testing_support::ShownMessage::Kind::Plain);
  EXPECT_EQ(boxes_.Shown()[0].text,
            "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values (\"X" +
                tooLong.substr(1) + "\", \"\", \"d\", 1, \"*\")\n");
  EXPECT_EQ(LocalCount(), 1);  // the fixture's own "*" row only
}

// Longer than a statement may be: adding used to fail where editing worked.
TEST_F(ArticleEditingTest, AMegabyteArticleIsAddedAndEditedWhole) {
  const std::string typed = MegabyteTyped();
  const std::string stored = ansi(text::ReplaceAll(typed, "\n", "\r\n"));
  ASSERT_GT(stored.size(), 1u << 20);

  ASSERT_TRUE(Add(Type("длинная статья", typed)));
  EXPECT_TRUE(boxes_.Shown().empty());
  const std::string added = "select DESCRIPTION from EUPHEMIZMS where EUPHEMIZM = \"" + ansi("Длинная статья") + "\"";
  EXPECT_EQ(Value(added), stored);
  EXPECT_EQ(CommittedValue(added), stored);

  GoTo(cards_testing::kGastritis);
  ASSERT_TRUE(Edit(Type("Гастрит", typed)));
  EXPECT_EQ(Column("DESCRIPTION", cards_testing::kGastritis), stored);
  EXPECT_EQ(Column("CHANGED", cards_testing::kGastritis), "+");
}

TEST_F(ArticleEditingTest, ARejectedLongArticleIsShownCutToFitTheScreen) {
  const std::string tooLong(300, 'x');  // wider than the headword column
  ASSERT_TRUE(Add(Type(tooLong, MegabyteTyped())));

  ASSERT_EQ(boxes_.Shown().size(), 1u);
  const std::string& shown = boxes_.Shown()[0].text;
  EXPECT_EQ(boxes_.Shown()[0].kind, testing_support::ShownMessage::Kind::Plain);
  const std::string beginning = "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values (\"X" +
                                tooLong.substr(1) + "\", \"\", \"" + ansi("Абзац 0 длинной статьи.\r\nАбзац 1");
  EXPECT_EQ(shown.rfind(beginning, 0), 0u) << shown.substr(0, 400);
  EXPECT_LE(shown.size(), 2001u);
  EXPECT_LE(std::count(shown.begin(), shown.end(), '\n'), 31);
  EXPECT_EQ(shown.substr(shown.size() - 2), "\x85\n") << "an ellipsis where it was cut, then the line break";
  EXPECT_EQ(LocalCount(), 1);  // the fixture's own "*" row only
}

TEST_F(ArticleEditingTest, EditShowsTheRowTrimmedAndRewritesItMarkedPlus) {
  GoTo(cards_testing::kGastritis);
  std::vector<std::string> shownFields;
  ASSERT_TRUE(Edit([&](TForm5& shown) {
    shownFields = {shown.Headword(), shown.Origin(), shown.Description()};
    EditorScript::Save("гастрит \"хронический\"", "греч.", "длительное\nвоспаление")(shown);
  }));

  EXPECT_EQ(shownFields, (std::vector<std::string>{ansi("Гастрит"), ansi("греч. gaster – желудок"),
                                                    ansi("воспаление желудка.")}));
  const int key = cards_testing::kGastritis;
  EXPECT_EQ(Column("EUPHEMIZM", key), ansi("Гастрит 'хронический'"));
  EXPECT_EQ(Column("ETIOLOGY", key), ansi("греч."));
  EXPECT_EQ(Column("DESCRIPTION", key), ansi("длительное\r\nвоспаление"));
  EXPECT_EQ(Column("CHANGED", key), "+");
  EXPECT_EQ(CommittedValue("select CHANGED from EUPHEMIZMS where EUPH_UID = " + std::to_string(key)), "+")
      << "an edit must be durable at once";
  // The list shows the change in place.
  EXPECT_EQ(termList_.FieldByName("EUPHEMIZM").AsString(), ansi("Гастрит 'хронический'"));
  EXPECT_EQ(termList_.FieldByName("EUPH_UID").AsInteger(), key);
}

TEST_F(ArticleEditingTest, EditingALocalArticleTurnsStarIntoPlus) {
  GoTo(cards_testing::kUlcer);
  ASSERT_TRUE(Edit(EditorScript::SaveAsShown()));
  EXPECT_EQ(Column("CHANGED", cards_testing::kUlcer), "+");
  EXPECT_EQ(Column("EUPHEMIZM", cards_testing::kUlcer), ansi("Язва"));
}

TEST_F(ArticleEditingTest, EditCancelledOrBlankChangesNothing) {
  const std::vector<std::pair<const char*, std::function<void(TForm5&)>>> acts{
      {"cancelled", [](TForm5& shown) {
         shown.LabeledEdit1->setText(QStringLiteral("Другое"));
         shown.Button2->click();
       }},
      {"blank headword", EditorScript::Save(" ", "о", "описание")},
      {"blank description", EditorScript::Save("Другое", "о", "  ")},
  };
  GoTo(cards_testing::kGastroptosis);
  for (const auto& [name, act] : acts) {
    ASSERT_TRUE(Edit(act)) << name;
    EXPECT_EQ(Column("EUPHEMIZM", cards_testing::kGastroptosis), ansi("Гастроптоз")) << name;
    EXPECT_EQ(Column("CHANGED", cards_testing::kGastroptosis), "") << name;
    EXPECT_FALSE(termList_.IsEditing()) << name;
  }
}

TEST_F(ArticleEditingTest, EditWithAnEmptyListDoesNothing) {
  LoadSection(cards_testing::kEmptySection);
  const int rows = Count("1 = 1");
  EXPECT_FALSE(Edit(EditorScript::Save("Новый", "", "текст")));
  EXPECT_EQ(Count("1 = 1"), rows) << "no row may be inserted without a category";
  EXPECT_EQ(termList_.RecordCount(), 0);
}

}  // namespace
