#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/support/EditorControls.h"
#include "cards/ArticleEditing.h"
#include "cards/UnstoredArticleMessages.h"
#include "store/ColumnLengths.h"
#include "store/Records.h"
#include "tests/cards/EditorScript.h"
#include "tests/cards/HandbookFixture.h"
#include "tests/support/Ansi.h"
#include "text/Cp1251.h"
#include "text/KorStrUtils.h"
#include "text/MessageExcerpt.h"

namespace {


struct PendingArticle {
  std::string title;
  std::string origin;
  std::string description;
};
using cards::TForm5;
using cards_testing::EditorScript;
using cards_testing::HandbookFixture;
using testing_support::ansi;

class ArticleEditingTest : public HandbookFixture {
 protected:
  // Adds with the editor answered by `act`; returns whether the editor came up.
  // Adds with the editor pre-filled as an editorial tool leaves it, in the category `section`.
  bool Add(std::function<void(TForm5&)> act, const PendingArticle& pending = {}, int section = 1) {
    EditorScript script(*editor_, std::move(act));
    handbook_.FPendingTitle = pending.title;
    handbook_.FPendingOrigin = pending.origin;
    handbook_.FPendingDescription = pending.description;
    handbook_.FCurrentSection = section;
    cards::AddArticle(*editor_);
    return script.Shown();
  }

  bool Edit(std::function<void(TForm5&)> act) {
    EditorScript script(*editor_, std::move(act));
    cards::EditCurrentArticle(*editor_);
    return script.Shown();
  }

  std::string Column(const char* column, int euphUid) {
    return Value(std::string("select ") + column + " from EUPHEMIZMS where EUPH_UID = " + std::to_string(euphUid));
  }

  int LocalCount() { return Count("CHANGED = \"*\""); }

  // The store refuses any article with this headword or this origin, as it would any write it
  // cannot take. The term list is listed again after the schema change's commit.
  void RefuseInTheStore(const std::string& headword, const std::string& origin) {
    for (const std::string& ddl :
         {std::string("create exception ARTICLE_REFUSED 'refused by the store'"),
          "create trigger REFUSE_ARTICLE for EUPHEMIZMS active before insert or update position 10 as begin "
          "if (new.EUPHEMIZM = '" + headword + "' or new.ETIOLOGY = '" + origin +
              "') then exception ARTICLE_REFUSED; end"}) {
      executor_.SetSQL(ddl);
      executor_.ExecQuery();
    }
    database_.Commit();
    LoadSection(1);
  }

  // "Сохранить" that the editor refuses: it stays open with the text as typed, and the user leaves.
  static EditorScript::Act SaveRefusedThenLeave(const char* headword, const char* origin, const char* description) {
    return [=](TForm5& shown) {
      EditorScript::Save(headword, origin, description)(shown);
      EXPECT_TRUE(shown.isVisible()) << headword;
      EXPECT_EQ(testing_support::LabeledEdit1(shown)->text(), QString::fromUtf8(headword));
      EXPECT_EQ(testing_support::Memo1(shown)->toPlainText(), QString::fromUtf8(description));
      testing_support::Button2(shown)->click();
    };
  }

  // The editor came back after a failed store: what it shows, then `next` answers it.
  static EditorScript::Act Recorded(QStringList& fields, EditorScript::Act next) {
    return [&fields, next = std::move(next)](TForm5& shown) {
      fields = {testing_support::LabeledEdit1(shown)->text(), testing_support::LabeledEdit2(shown)->text(), testing_support::Memo1(shown)->toPlainText()};
      next(shown);
    };
  }
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
    testing_support::LabeledEdit1(shown)->setText(QString::fromStdString(headword));
    testing_support::Memo1(shown)->setPlainText(QString::fromStdString(description));
    testing_support::Button1(shown)->click();
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
        testing_support::Button1(shown)->click();
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
    std::vector<std::string> messages;
  };
  const std::string blank = cards::BlankFieldsMessage();
  const Case cases[] = {
      {"empty headword", SaveRefusedThenLeave("", "о", "описание"), 0, {blank}},
      {"headword of spaces", SaveRefusedThenLeave("   ", "о", "описание"), 0, {blank}},
      {"empty description", SaveRefusedThenLeave("Термин", "о", ""), 0, {blank}},
      {"description of spaces", SaveRefusedThenLeave("Термин", "о", "   "), 0, {blank}},
      {"cancelled", [](TForm5& shown) {
         testing_support::LabeledEdit1(shown)->setText(QStringLiteral("Термин"));
         testing_support::Memo1(shown)->setPlainText(QStringLiteral("описание"));
         testing_support::Button2(shown)->click();
       }, 0, {}},
      {"description of a line break only", EditorScript::Save("Термин", "", "\n"), 1, {}},
  };
  int expected = LocalCount();
  for (const Case& c : cases) {
    boxes_.Clear();
    ASSERT_TRUE(Add(c.act)) << c.name;
    expected += c.added;
    EXPECT_EQ(LocalCount(), expected) << c.name;
    std::vector<std::string> messages;
    for (const auto& shown : boxes_.Shown()) messages.push_back(shown.text);
    EXPECT_EQ(messages, c.messages) << c.name;
  }
}

TEST_F(ArticleEditingTest, SignsOutsideTheCodePageAreNamedAndNeverStoredAsQuestionMarks) {
  struct Case {
    const char* name;
    bool adding;
  };
  const Case cases[] = {{"add", true}, {"edit", false}};
  for (const Case& c : cases) {
    boxes_.Clear();
    GoTo(cards_testing::kGastroptosis);
    const int rows = Count("1 = 1");
    const std::vector<EditorScript::Act> acts{[](TForm5& shown) {
      EditorScript::Save("Знак ✓", "½", "эмодзи 😀 и 中文")(shown);
      ASSERT_TRUE(shown.isVisible());
      // The user decides: the signs go, the rest stays.
      testing_support::LabeledEdit1(shown)->setText(testing_support::LabeledEdit1(shown)->text().remove(QStringLiteral(" ✓")));
      testing_support::LabeledEdit2(shown)->setText(QStringLiteral("1/2"));
      testing_support::Memo1(shown)->setPlainText(QStringLiteral("эмодзи"));
      testing_support::Button1(shown)->click();
    }};
    EditorScript script(*editor_, acts);
    if (c.adding)
      cards::AddArticle(*editor_);
    else
      cards::EditCurrentArticle(*editor_);
    EXPECT_EQ(script.Showings(), 1) << c.name;

    ASSERT_EQ(boxes_.Shown().size(), 1u) << c.name;
    EXPECT_NE(boxes_.Shown()[0].text.find("U+1F600"), std::string::npos) << c.name;
    EXPECT_EQ(Count("EUPHEMIZM like \"%?%\" or ETIOLOGY like \"%?%\""), 0) << c.name;
    EXPECT_EQ(Count("EUPHEMIZM = \"" + ansi("Знак") + "\" and ETIOLOGY = \"1/2\""), 1) << c.name;
    EXPECT_EQ(Count("1 = 1"), rows + (c.adding ? 1 : 0)) << c.name;
    executor_.SetSQL("delete from EUPHEMIZMS where EUPHEMIZM = \"" + ansi("Знак") + "\"");
    executor_.ExecQuery();
    LoadSection(1);
  }
}

TEST_F(ArticleEditingTest, AddRefusedByTheDatabaseBringsTheEditorBackWithTheText) {
  // The fields take no more than the columns hold, so the store is made to refuse these.
  const std::string longHeadword = "Refused headword";
  const std::string longOrigin = "refused origin";
  RefuseInTheStore(longHeadword, longOrigin);
  struct Case {
    const char* name;
    std::string headword;
    std::string origin;
    bool correctIt;  // else the user leaves
  };
  const Case cases[] = {
      {"headword refused, then left", longHeadword, "", false},
      {"headword refused, then corrected", longHeadword, "", true},
      {"origin refused, then corrected", "x", longOrigin, true},
  };
  for (const Case& c : cases) {
    boxes_.Clear();
    const int before = LocalCount();
    QStringList comeBack;
    const EditorScript::Act second = c.correctIt ? EditorScript::Save("исправлено", "", "описание \"д\"")
                                                 : EditorScript::PressExit();
    EditorScript script(*editor_, {EditorScript::Save(c.headword.c_str(), c.origin.c_str(), "описание \"д\""),
                                   Recorded(comeBack, second)});
    cards::AddArticle(*editor_);

    EXPECT_EQ(script.Showings(), 2) << c.name;
    EXPECT_EQ(comeBack, (QStringList{QString::fromStdString(c.headword), QString::fromStdString(c.origin),
                                     QStringLiteral("описание 'д'")}))
        << c.name << ": everything typed comes back";
    ASSERT_EQ(boxes_.Shown().size(), 1u) << c.name;
    EXPECT_EQ(boxes_.Shown()[0].kind, testing_support::ShownMessage::Kind::Plain);
    EXPECT_EQ(boxes_.Shown()[0].text,
              text::MessageExcerpt("insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) "
                                   "values (\"" + text::CapitalizeFirst(c.headword) + "\", \"" + c.origin + "\", \"" +
                                   ansi("описание 'д'") + "\", 1, \"*\")") +
                  "\n")
        << c.name;
    EXPECT_EQ(LocalCount(), before + (c.correctIt ? 1 : 0)) << c.name;
    if (c.correctIt) {
      const std::string where = "EUPHEMIZM = \"" + ansi("Исправлено") + "\"";
      EXPECT_EQ(CommittedValue("select count(*) from EUPHEMIZMS where " + where), "1") << c.name;
      executor_.SetSQL("delete from EUPHEMIZMS where " + where);
      executor_.ExecQuery();
    }
  }
}

// The headword and origin fields take no more than their columns hold: what was typed beyond is
// never in the field, and what the field shows is stored whole, with no refusal.
TEST_F(ArticleEditingTest, HeadwordAndOriginLongerThanTheirColumnsAreCutInTheFieldsAndStoredAsShown) {
  std::string headword;
  for (int i = 0; i < 300; ++i) headword += "ж";
  const std::string origin(2100, 'o');
  QString shownHeadword;
  QString shownOrigin;
  EXPECT_TRUE(Add([&](TForm5& shown) {
    EditorScript::Save(headword.c_str(), origin.c_str(), "d")(shown);
    shownHeadword = testing_support::LabeledEdit1(shown)->text();
    shownOrigin = testing_support::LabeledEdit2(shown)->text();
  }));
  EXPECT_EQ(shownHeadword.size(), store::kHeadwordColumnLength);
  EXPECT_EQ(shownOrigin.size(), store::kOriginColumnLength);
  EXPECT_TRUE(boxes_.Shown().empty());
  const std::string where = " from EUPHEMIZMS where char_length(ETIOLOGY) = 2000";
  EXPECT_EQ(CommittedValue("select EUPHEMIZM" + where),
            text::CapitalizeFirst(ansi(shownHeadword.toStdString())));
  EXPECT_EQ(CommittedValue("select ETIOLOGY" + where), std::string(store::kOriginColumnLength, 'o'));
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
  const std::string refused = "Refused headword";
  RefuseInTheStore(refused, "never");
  EditorScript script(*editor_, {Type(refused, MegabyteTyped()), EditorScript::PressExit()});
  cards::AddArticle(*editor_);
  EXPECT_EQ(script.Showings(), 2) << "the editor comes back with the text";

  ASSERT_EQ(boxes_.Shown().size(), 1u);
  const std::string& shown = boxes_.Shown()[0].text;
  EXPECT_EQ(boxes_.Shown()[0].kind, testing_support::ShownMessage::Kind::Plain);
  const std::string beginning = "insert into EUPHEMIZMS (EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, CHANGED) values (\"" +
                                refused + "\", \"\", \"" + ansi("Абзац 0 длинной статьи.\r\nАбзац 1");
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
         testing_support::LabeledEdit1(shown)->setText(QStringLiteral("Другое"));
         testing_support::Button2(shown)->click();
       }},
      {"blank headword", SaveRefusedThenLeave(" ", "о", "описание")},
      {"blank description", SaveRefusedThenLeave("Другое", "о", "  ")},
  };
  GoTo(cards_testing::kGastroptosis);
  for (const auto& [name, act] : acts) {
    boxes_.Clear();
    ASSERT_TRUE(Edit(act)) << name;
    EXPECT_EQ(Column("EUPHEMIZM", cards_testing::kGastroptosis), ansi("Гастроптоз")) << name;
    EXPECT_EQ(Column("CHANGED", cards_testing::kGastroptosis), "") << name;
    EXPECT_FALSE(termList_.IsEditing()) << name;
    const std::vector<std::string> expected =
        std::string(name) == "cancelled" ? std::vector<std::string>{} : std::vector{cards::BlankFieldsMessage()};
    std::vector<std::string> messages;
    for (const auto& shown : boxes_.Shown()) messages.push_back(shown.text);
    EXPECT_EQ(messages, expected) << name;
  }
}

TEST_F(ArticleEditingTest, EditRefusedByTheDatabaseBringsTheEditorBackWithTheText) {
  const std::string longHeadword = "Refused headword";
  const std::string longOrigin = "refused origin";
  RefuseInTheStore(longHeadword, longOrigin);
  struct Case {
    const char* name;
    std::string headword;
    std::string origin;
    bool correctIt;
  };
  const Case cases[] = {
      {"headword refused, then left", longHeadword, "", false},
      {"origin refused, then corrected", "Гастроптоз", longOrigin, true},
  };
  const int key = cards_testing::kGastroptosis;
  for (const Case& c : cases) {
    boxes_.Clear();
    GoTo(key);
    QStringList comeBack;
    const EditorScript::Act second =
        c.correctIt ? EditorScript::Save("гастроптоз", "греч. ptosis", "опущение") : EditorScript::PressExit();
    EditorScript script(*editor_, {EditorScript::Save(c.headword.c_str(), c.origin.c_str(), "опущение \"ж\""),
                                   Recorded(comeBack, second)});
    cards::EditCurrentArticle(*editor_);

    EXPECT_EQ(script.Showings(), 2) << c.name;
    EXPECT_EQ(comeBack, (QStringList{QString::fromStdString(c.headword), QString::fromStdString(c.origin),
                                     QStringLiteral("опущение 'ж'")}))
        << c.name << ": everything typed comes back";
    ASSERT_EQ(boxes_.Errors().size(), 1u) << c.name << ": the standard error box";
    EXPECT_NE(boxes_.Errors()[0].find("refused by the store"), std::string::npos) << boxes_.Errors()[0];
    EXPECT_EQ(boxes_.Shown().size(), 1u) << c.name;
    EXPECT_FALSE(termList_.IsEditing()) << c.name;
    EXPECT_EQ(Column("ETIOLOGY", key), c.correctIt ? ansi("греч. ptosis") : "") << c.name;
    EXPECT_EQ(Column("CHANGED", key), c.correctIt ? "+" : "") << c.name;
    EXPECT_EQ(termList_.FieldByName("EUPHEMIZM").AsString(), ansi("Гастроптоз")) << c.name;
  }
}

TEST_F(ArticleEditingTest, EditWithAnEmptyListDoesNothing) {
  LoadSection(cards_testing::kEmptySection);
  const int rows = Count("1 = 1");
  EXPECT_FALSE(Edit(EditorScript::Save("Новый", "", "текст")));
  EXPECT_EQ(Count("1 = 1"), rows) << "no row may be inserted without a category";
  EXPECT_EQ(termList_.RecordCount(), 0);
}

TEST_F(ArticleEditingTest, EditingARowDeletedMeanwhileSaysSoAndKeepsWhatWasTyped) {
  GoTo(cards_testing::kGastroptosis);
  // Gone behind the list's back, as a send or an update takes a row away.
  executor_.SetSQL("delete from EUPHEMIZMS where EUPH_UID = " + std::to_string(cards_testing::kGastroptosis));
  executor_.ExecQuery();
  QStringList comeBack;
  EditorScript script(*editor_, {EditorScript::Save("гастроптоз", "греч. ptosis", "опущение"),
                                 Recorded(comeBack, EditorScript::PressExit())});
  cards::EditCurrentArticle(*editor_);

  EXPECT_EQ(script.Showings(), 2) << "the editor comes back with the text";
  EXPECT_EQ(comeBack, (QStringList{QStringLiteral("гастроптоз"), QStringLiteral("греч. ptosis"),
                                   QStringLiteral("опущение")}));
  ASSERT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_EQ(boxes_.Errors()[0], ansi("Запись не сохранена: её больше нет в справочнике."));
  EXPECT_EQ(Count("EUPH_UID = " + std::to_string(cards_testing::kGastroptosis)), 0) << "written nowhere";
}

}  // namespace
