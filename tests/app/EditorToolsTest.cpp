// The editorial tools of the hidden bar, driven as a producer's editor does: the switch that shows
// the bar, the pasted line, the stored origin and the sifting of the term file.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/EditorialTools.h"
#include "platform/Clipboard.h"
#include "store/Database.h"
#include "store/LocateRow.h"
#include "store/Query.h"
#include "tests/app/SearchWindowFixture.h"
#include "tests/support/Ansi.h"
#include "tests/support/EditorControls.h"
#include "text/TextUtilities.h"
#include "widgets/CollapsibleBarItem.h"

namespace app_tests {
namespace {

using testing_support::ansi;

class EditorToolsTest : public SearchWindowTest {
 protected:
  EditorToolsTest() : savedDataHome_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_.path() / "data").string()));
    const std::filesystem::path data = dir_.path() / "data/Korvand/Tessaly";
    std::filesystem::create_directories(data);
    std::filesystem::copy_file(std::filesystem::path(HANDBOOK_SOURCE_DIR) / "data/Translit.tlt", data / "Translit.tlt");
    text::InitializeTextUtilities();
  }
  ~EditorToolsTest() override {
    form_.reset();
    text::FinalizeTextUtilities();
    if (savedDataHome_.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", savedDataHome_);
  }

  app::TForm1& StartTools() {
    app::TForm1& form = StartSearching({SectionLine(0, "Общие термины"), SectionLine(1, "Пустой"),
                                        Term(1, "Анемия", 0), Term(2, "Гастрит", 0), Term(3, "Язва", 0, "лат.")});
    form.ShowEditorTools();
    return form;
  }

  // A click of the person's mouse: an error the handler lets through reaches the error box.
  void ClickTool(int item) const {
    QWidget& target = JvXPBarAction()->Item(item);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, QPointF(3, 3), target.mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
      QApplication::sendEvent(&target, &event);
    }
  }

  // What the editor shows when it opens next; it is then left with "Выйти". The look goes with
  // the editor, so one that never came does not outlive the test.
  std::vector<std::string>* WhenEditorOpens() {
    editorShowed_.clear();
    QTimer::singleShot(0, &editor_, [this] {
      if (!editor_.isVisible()) return;
      editorShowed_ = {editor_.Headword(), editor_.Origin(), editor_.Description()};
      testing_support::Button2(editor_)->click();
    });
    return &editorShowed_;
  }

  std::string CommittedValue(const std::string& sql) const {
    store::Database other;
    other.Open(DatabaseFile());
    store::Query query(other);
    query.SetSQL(sql);
    query.Open();
    return query.RecordCount() == 0 ? std::string("(no row)") : std::string(query.Text(0, 0));
  }

  static std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  QByteArray savedDataHome_;
  std::vector<std::string> editorShowed_;
};

TEST_F(EditorToolsTest, TheSwitchShowsTheBarWithAHintOnEveryItemAndChangesNothingElse) {
  app::TForm1& form = StartSearching({SectionLine(0, "Общие термины")});
  struct BarState {
    bool visible;
    bool collapsed;
    int items;
    bool operator==(const BarState&) const = default;
  };
  auto states = [this] {
    std::vector<BarState> all;
    for (widgets::CollapsibleBar* bar : {JvXPBarCathegory(), JvXPBarSearch(), JvXPBar1(), JvXPBar2()})
      all.push_back({bar->isVisible(), bar->Collapsed(), bar->ItemCount()});
    return all;
  };
  const std::vector<BarState> before = states();
  EXPECT_FALSE(JvXPBarAction()->isVisible());

  form.ShowEditorTools();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  EXPECT_TRUE(JvXPBarAction()->isVisible());
  EXPECT_EQ(states(), before);
  EXPECT_GT(JvXPBarAction()->mapTo(&form, QPoint()).y(), JvXPBar1()->mapTo(&form, QPoint()).y());
  EXPECT_LT(JvXPBarAction()->mapTo(&form, QPoint()).x(), app::TForm1::kColumnWidth);
  QStringList hints;
  for (int i = 0; i < JvXPBarAction()->ItemCount(); ++i) {
    EXPECT_TRUE(JvXPBarAction()->Item(i).text().isEmpty()) << i;
    EXPECT_FALSE(hints.contains(JvXPBarAction()->Item(i).Hint())) << i;
    hints << JvXPBarAction()->Item(i).Hint();
  }
  EXPECT_FALSE(hints.contains(QString()));
}

TEST_F(EditorToolsTest, APastedLineIsSearchedAndOpensTheAddEditorWhenItIsMissing) {
  StartTools();
  platform::CopyTextToClipboard(ansi("Зубная боль (рус.) – боль в зубе"));
  std::vector<std::string>* shown = WhenEditorOpens();
  ClickTool(0);
  EXPECT_EQ(platform::FromQString(JvEdit1()->text()), ansi("Зубная боль"));
  EXPECT_EQ(*shown, (std::vector<std::string>{ansi("Зубная боль"), ansi("рус."), ansi("боль в зубе")}));
  EXPECT_FALSE(handbook_.FAddIfNotFound);
  EXPECT_TRUE(boxes_.Shown().empty());

  // Found: its card opens, and the request for the editor stands for a later search.
  platform::CopyTextToClipboard(ansi("гастрит - воспаление желудка"));
  ClickTool(0);
  EXPECT_EQ(CardKey(), 2);
  EXPECT_TRUE(handbook_.FAddIfNotFound);

  // A text of no shape searches for the headword parsed before.
  platform::CopyTextToClipboard(ansi("просто слова"));
  ClickTool(0);
  EXPECT_EQ(platform::FromQString(JvEdit1()->text()), ansi("гастрит"));
  EXPECT_EQ(handbook_.FPendingDescription, ansi("воспаление желудка"));
}

TEST_F(EditorToolsTest, TheStoredOriginIsKeptAtOnceWithItsMarkAndShownInTheEditor) {
  StartTools();
  handbook_.FPendingOrigin = ansi("греч. gaster");
  ASSERT_TRUE(store::LocateRow(handbook_.IBQuery2, "EUPH_UID", "2"));
  std::vector<std::string>* shown = WhenEditorOpens();
  ClickTool(1);
  EXPECT_EQ(*shown, (std::vector<std::string>{ansi("Гастрит"), ansi("греч. gaster"), "x"}));
  // Left with "Выйти", yet stored, for another connection to see, and not marked as edited.
  EXPECT_EQ(CommittedValue("select ETIOLOGY from EUPHEMIZMS where EUPH_UID = 2"), ansi("греч. gaster"));
  EXPECT_EQ(CommittedValue("select coalesce(CHANGED, 'none') from EUPHEMIZMS where EUPH_UID = 2"), "none");
}

TEST_F(EditorToolsTest, StoringAnOriginInAnEmptyListDoesNothing) {
  app::TForm1& form = StartTools();
  form.LoadSection(1);
  ASSERT_EQ(handbook_.IBQuery2.RecordCount(), 0);
  handbook_.FPendingOrigin = ansi("греч.");
  std::vector<std::string>* shown = WhenEditorOpens();
  ClickTool(1);
  EXPECT_TRUE(shown->empty());
  EXPECT_EQ(handbook_.IBQuery2.RecordCount(), 0);
  EXPECT_EQ(CommittedValue("select count(*) from EUPHEMIZMS"), "3");
}

TEST_F(EditorToolsTest, BothSiftingsReadOneTxtAndWriteTwoTxtInTheDataFolder) {
  StartTools();
  const std::string input = ansi("анемия - малокровие\r\nЗубная боль, острая\tболь\r\nЯзва (лат.) - дефект\r\n");
  std::ofstream(text::DataFolder() / "1.txt", std::ios::binary) << input;
  ClickTool(2);
  EXPECT_EQ(FileBytes(core::TermOutputFile()), ansi("Зубная боль, острая\tболь\r\n"));
  ClickTool(4);
  // Now cut at the comma or parenthesis: "анемия - малокровие" and "Зубная боль" are missing.
  EXPECT_EQ(FileBytes(core::TermOutputFile()), ansi("анемия - малокровие\r\nЗубная боль, острая\tболь\r\n"));
  EXPECT_EQ(core::TermOutputFile(), text::DataFolder() / "2.txt");
  EXPECT_TRUE(boxes_.Errors().empty());
}

TEST_F(EditorToolsTest, AMissingTermFileIsReportedAndTheWindowGoesOn) {
  StartTools();
  ClickTool(2);
  ASSERT_EQ(boxes_.Errors().size(), 1u);
  EXPECT_NE(boxes_.Errors()[0].find((text::DataFolder() / "1.txt").string()), std::string::npos) << boxes_.Errors()[0];
  EXPECT_FALSE(std::filesystem::exists(core::TermOutputFile()));
  Search("анемия");
  EXPECT_EQ(CardKey(), 1);
}

}  // namespace
}  // namespace app_tests
