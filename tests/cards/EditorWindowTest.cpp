#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <vector>

#include "tests/support/EditorControls.h"
#include "cards/StoredLines.h"
#include "cards/TForm5.h"
#include "cards/UnstoredArticleMessages.h"
#include "core/Handbook.h"
#include "platform/SettingsStore.h"
#include "tests/cards/EditorScript.h"
#include "tests/support/Ansi.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

using cards::EditorResult;
using cards::TForm5;
using cards_testing::EditorScript;
using testing_support::ansi;

void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(target, &release);
}

class EditorWindowTest : public ::testing::Test {
 protected:
  EditorWindowTest() : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_.path().string()));
  }
  ~EditorWindowTest() override {
    if (savedConfigHome_.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  }

  EditorResult Run(TForm5& editor, std::function<void(TForm5&)> act) {
    EditorScript script(editor, std::move(act));
    const EditorResult result = editor.ShowModal();
    EXPECT_TRUE(script.Shown());
    return result;
  }

  testing_support::TempDir dir_;
  QByteArray savedConfigHome_;
  core::Handbook handbook_{dir_.path().string() + "/"};
};

TEST_F(EditorWindowTest, LaysOutTheFieldsInTabOrder) {
  TForm5 editor(handbook_);
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("Редактор записи"));
  EXPECT_EQ(editor.size(), QSize(463, 340));
  EXPECT_EQ(editor.minimumSize(), editor.maximumSize());
  EXPECT_EQ(testing_support::LabeledEdit1(editor)->geometry(), QRect(20, 31, 422, 21));
  EXPECT_EQ(testing_support::LabeledEdit2(editor)->geometry(), QRect(20, 79, 422, 21));
  EXPECT_EQ(testing_support::Memo1(editor)->geometry(), QRect(20, 134, 422, 153));
  EXPECT_EQ(testing_support::Label1(editor)->text(), QStringLiteral("Описание"));
  EXPECT_EQ(testing_support::Button1(editor)->text(), QStringLiteral("Сохранить"));
  EXPECT_EQ(testing_support::Button2(editor)->text(), QStringLiteral("Выйти"));
  EXPECT_TRUE(testing_support::Button1(editor)->isDefault());

  std::vector<QWidget*> visited;
  Run(editor, [&](TForm5& shown) {
    for (int i = 0; i < 5; ++i) {
      visited.push_back(shown.focusWidget());
      PressKey(shown.focusWidget(), Qt::Key_Tab);
    }
    shown.reject();
  });
  const std::vector<QWidget*> expected{testing_support::LabeledEdit1(editor), testing_support::LabeledEdit2(editor), testing_support::Memo1(editor), testing_support::Button1(editor),
                                       testing_support::Button2(editor)};
  EXPECT_EQ(visited, expected);
}

TEST_F(EditorWindowTest, SaveTurnsDoubleQuotesIntoApostrophesInEveryField) {
  TForm5 editor(handbook_);
  const EditorResult result = Run(editor, EditorScript::Save("Синдром \"X\"", "лат. \"x\"", "\"Текст\"\nещё"));
  EXPECT_EQ(result, EditorResult::Ok);
  EXPECT_EQ(editor.Headword(), ansi("Синдром 'X'"));
  EXPECT_EQ(editor.Origin(), ansi("лат. 'x'"));
  EXPECT_EQ(editor.Description(), ansi("'Текст'\r\nещё"));
  EXPECT_EQ(testing_support::LabeledEdit1(editor)->text(), QStringLiteral("Синдром 'X'"));
}

TEST_F(EditorWindowTest, SaveKeepsTheEditorOpenWithTheTextWhenItCannotBeStored) {
  struct Case {
    const char* name;
    const char* headword;
    const char* origin;
    const char* description;
    std::string message;
    QString selected;  // what the editor points the user to
    int focused;       // 0 headword, 1 origin, 2 description
  };
  const Case cases[] = {
      {"empty headword", "", "о", "описание", cards::BlankFieldsMessage(), {}, 0},
      {"headword of spaces", "   ", "о", "", cards::BlankFieldsMessage(), {}, 0},
      {"empty description", "Термин", "о", "", cards::BlankFieldsMessage(), {}, 2},
      {"description of spaces", "Термин", "о", "   ", cards::BlankFieldsMessage(), {}, 2},
      {"signs in every field", "Галочка ✓", "½ от 中文", "✓ 😀 ½ \"ок\"",
       ansi("Статья не сохранена: справочник не может хранить некоторые знаки, они превратились бы в «?».\n"
            "«Термин»: U+2713\n«Происхождение»: U+00BD, U+4E2D, U+6587\n«Описание»: U+2713, U+1F600, U+00BD\n"
            "Удалите или замените их и сохраните статью снова."),
       QStringLiteral("✓"), 0},
      {"an emoji in the description only", "Термин", "", "улыбка 😀",
       ansi("Статья не сохранена: справочник не может хранить некоторые знаки, они превратились бы в «?».\n"
            "«Описание»: U+1F600\nУдалите или замените их и сохраните статью снова."),
       QStringLiteral("😀"), 2},
  };
  TForm5 editor(handbook_);
  for (const Case& c : cases) {
    testing_support::ScriptedMessageBoxes boxes;
    QStringList kept;
    QString selected;
    QWidget* focused = nullptr;
    const EditorResult result = Run(editor, [&](TForm5& shown) {
      EditorScript::Save(c.headword, c.origin, c.description)(shown);
      EXPECT_TRUE(shown.isVisible()) << c.name;
      kept = {testing_support::LabeledEdit1(shown)->text(), testing_support::LabeledEdit2(shown)->text(), testing_support::Memo1(shown)->toPlainText()};
      if (auto* field = qobject_cast<QLineEdit*>(shown.focusWidget())) selected = field->selectedText();
      if (shown.focusWidget() == testing_support::Memo1(shown)) selected = testing_support::Memo1(shown)->textCursor().selectedText();
      focused = shown.focusWidget();
      testing_support::Button2(shown)->click();
    });
    EXPECT_EQ(result, EditorResult::Cancel) << c.name;
    EXPECT_EQ(kept, (QStringList{QString::fromUtf8(c.headword), QString::fromUtf8(c.origin),
                                 QString::fromUtf8(c.description)}))
        << c.name << ": the text stays as typed, quotes included";
    ASSERT_EQ(boxes.Shown().size(), 1u) << c.name;
    EXPECT_EQ(boxes.Shown()[0].kind, testing_support::ShownMessage::Kind::Plain) << c.name;
    EXPECT_EQ(boxes.Shown()[0].text, c.message) << c.name;
    if (!c.selected.isEmpty()) {
      EXPECT_EQ(selected, c.selected) << c.name;
    }
    const QWidget* fields[] = {testing_support::LabeledEdit1(editor), testing_support::LabeledEdit2(editor), testing_support::Memo1(editor)};
    EXPECT_EQ(focused, fields[c.focused]) << c.name;
  }
}

TEST_F(EditorWindowTest, OnceCorrectedTheSameEditorSaves) {
  testing_support::ScriptedMessageBoxes boxes;
  TForm5 editor(handbook_);
  const EditorResult result = Run(editor, [](TForm5& shown) {
    EditorScript::Save("Термин ✓", "", "описание")(shown);
    ASSERT_TRUE(shown.isVisible());
    testing_support::LabeledEdit1(shown)->setText(QStringLiteral("Термин"));
    testing_support::Button1(shown)->click();
  });
  EXPECT_EQ(result, EditorResult::Ok);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(editor.Headword(), ansi("Термин"));
}

TEST_F(EditorWindowTest, ExitEscapeAndClosingAllCancel) {
  const std::vector<std::pair<const char*, std::function<void(TForm5&)>>> ways{
      {"Выйти", EditorScript::PressExit()},
      {"Esc", [](TForm5& shown) { PressKey(shown.focusWidget(), Qt::Key_Escape); }},
      {"close button", [](TForm5& shown) { shown.close(); }},
  };
  TForm5 editor(handbook_);
  for (const auto& [way, act] : ways) {
    editor.SetFields(ansi("Гастрит"), "", ansi("\"а\""));
    EXPECT_EQ(Run(editor, act), EditorResult::Cancel) << way;
    EXPECT_EQ(editor.Description(), ansi("\"а\"")) << way << ": cancelling cleans nothing";
  }
}

TEST_F(EditorWindowTest, EnterInTheDescriptionStartsALineAndInTheHeadwordSaves) {
  TForm5 editor(handbook_);
  editor.SetFields(ansi("Гастрит"), "", ansi("один"));
  const EditorResult result = Run(editor, [](TForm5& shown) {
    testing_support::Memo1(shown)->setFocus();
    testing_support::Memo1(shown)->moveCursor(QTextCursor::End);
    PressKey(testing_support::Memo1(shown), Qt::Key_Return);
    EXPECT_TRUE(shown.isVisible());
    testing_support::LabeledEdit1(shown)->setFocus();
    PressKey(testing_support::LabeledEdit1(shown), Qt::Key_Return);
  });
  EXPECT_EQ(result, EditorResult::Ok);
  EXPECT_EQ(editor.Description(), ansi("один\r\n"));
}

TEST_F(EditorWindowTest, StoredLineBreaksComeBackUnchanged) {
  TForm5 editor(handbook_);
  editor.SetFields(ansi("Гастрит"), "", ansi("один\r\nдва\r\n\r\nтри"));
  EXPECT_EQ(testing_support::Memo1(editor)->blockCount(), 4);
  EXPECT_EQ(editor.Description(), ansi("один\r\nдва\r\n\r\nтри"));
}

TEST_F(EditorWindowTest, FocusStartsInTheHeadword) {
  TForm5 editor(handbook_);
  Run(editor, [](TForm5& shown) {
    testing_support::Memo1(shown)->setFocus();
    shown.reject();
  });
  QWidget* focused = nullptr;
  Run(editor, [&](TForm5& shown) {
    focused = shown.focusWidget();
    shown.reject();
  });
  EXPECT_EQ(focused, testing_support::LabeledEdit1(editor));
}

TEST_F(EditorWindowTest, PlacementSurvivesARestart) {
  {
    TForm5 editor(handbook_);
    Run(editor, [](TForm5& shown) {
      shown.move(123, 77);
      shown.reject();
    });
  }
  const platform::SettingsStore settings;
  const std::optional<std::string> line = settings.ReadText("Software\\Korvand\\Form5", "Line0000000000");
  ASSERT_TRUE(line);
  EXPECT_LE(line->size(), 80u);
  EXPECT_EQ(line->rfind("Left=123;Top=77;", 0), 0u) << *line;

  TForm5 restarted(handbook_);
  QPoint shownAt;
  Run(restarted, [&](TForm5& shown) {
    shownAt = shown.pos();
    shown.reject();
  });
  EXPECT_EQ(shownAt, QPoint(123, 77));
}

TEST_F(EditorWindowTest, DamagedOrUnreachablePlacementCentresTheEditor) {
  const char* stored[] = {"garbage", "Left=-30000;Top=-30000;Width=463;Height=340;PixelsPerInch=96"};
  for (const char* text : stored) {
    {
      platform::SettingsStore settings;
      cards::WriteStoredLines(settings, "Software\\Korvand\\Form5", text);
    }
    TForm5 editor(handbook_);
    QPoint centre;
    Run(editor, [&](TForm5& shown) {
      centre = shown.frameGeometry().center();
      shown.reject();
    });
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2) << text;
  }
}

}  // namespace
