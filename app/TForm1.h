#pragma once
// The main window: banner, the task column with its bars, the term list, the commands and the two
// timers. The handbook's state (database, queries, shared fields) belongs to core::Handbook.
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>


class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTimer;

namespace core {
class Handbook;
class ProducerExchange;
}  // namespace core
namespace widgets {
class CollapsibleBar;
class ImageList;
class KorSpeedButton;
}  // namespace widgets
namespace browse {
class AlphabetStrip;
class TermGrid;
}  // namespace browse
namespace cards {
class ArticleDesk;
class TForm4;
class TForm5;
}  // namespace cards

namespace app {

class KeyPreview;
class TForm2;
class TForm3;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 842;
  static constexpr int kClientHeight = 672;
  static constexpr int kBannerHeight = 105;
  static constexpr int kColumnWidth = 253;

  // `splash` closes on the first tick of Timer1, which may come while a start-up error is shown.
  explicit TForm1(core::Handbook& handbook, QWidget* splash = nullptr);
  ~TForm1() override;

  core::Handbook& Handbook() const { return handbook_; }
  // The article editor, created hidden at start-up after this window.
  void SetEditor(cards::TForm5* editor) { Form5 = editor; }
  // The update report, created hidden at start-up after the editor.
  void SetReport(TForm2* report) { Form2 = report; }
  // The about window, created hidden at start-up after this window; enables its command.
  void SetAbout(TForm3* about);
  // For the producer's editors (--editor-tools): the hidden tools bar shown in its place in the
  // column, each item with a tool tip saying what it does.
  void ShowEditorTools();

  // Hooks for the windows that open from here: the card for the grid's current row (the card
  // desk's opening unless replaced), and the producer's update check.
  std::function<void()> OpenCardHook;
  std::function<void()> UpdateCheckHook;

  bool KeyPreview() const { return keyPreview_ != nullptr; }

  // Lists the terms of a category in the grid and names it in the list header.
  void LoadSection(std::int32_t section);
  // The card the next opening reuses, if it is open.
  cards::TForm4* CurrentCard() const;
  // Renders the term list's current row into a card.
  void RenderArticle(cards::TForm4& card);
  // The scheduled look for updates from the producer (the hook's, when one is set).
  void CheckForUpdates();
  // Asks the producer how many records changed and offers them, without the seven-day wait.
  void QueryUpdateCount();
  // Fetches and applies the update the person agreed to.
  void DownloadUpdate();

  // A category item: its terms into the grid.
  void JvXPBarCathegoryItemClick(int index);
  // Double click in the grid: the current article in a card.
  void DBGridEh1DblClick();
  // Ctrl+Delete in the grid: the current article deleted after a confirmation.
  void DBGridEh1CtrlDelete();
  // The banner: the producer's site.
  void Image1Click();
  // "Показать сведения о программе".
  void JvXPBar1Items3Click();
  // "Другие программные продукты": the local page beside the program.
  void JvXPBar1Items4Click();
  // "Выход": closing this window ends the program.
  void JvXPBar1Items7Click();
  // "Добавить статью": a new article through the editor.
  void Action1Execute();
  // "Редактировать статью": the grid's current article through the editor.
  void Action2Execute();
  // "Послать изменения производителю": the changed articles to the producer.
  void Action4Execute();
  // Item 0 of the hidden tools bar: the clipboard's term line into the pending fields, its
  // headword searched; when nothing is found the add editor opens pre-filled.
  void JvXPBarActionItems0Click();
  // Item 1: the pending origin stored into the current article, then the editor on it.
  void JvXPBarActionItems1Click();
  // Item 2: the term file sifted by whole term lines (headword, origin, description).
  void JvXPBarActionItems2Click();
  // Item 3 of the hidden tools bar: the update count asked at once.
  void JvXPBarActionItems3Click();
  // Item 4: the term file sifted by headwords (cut at the first comma or parenthesis).
  void JvXPBarActionItems4Click();
  // "Корванд в интернете": the producer's site in the browser.
  void Action5Execute();
  // "Форум Корванда": the producer's forum in the browser.
  void Action6Execute();
  // First tick, three seconds after start: the splash goes, then the first update check.
  void Timer1Timer();
  // Every hour: the update check.
  void Timer2Timer();
  // The search button: the typed text looked for in every category.
  void KorSpeedButton1Click();
  // The result list rebuilt after a search; one hit opens at once, none says so.
  void IBQuery3AfterOpen();
  // A result entry: its article in a card, its category in the grid.
  void JvListBox1DblClick();
  // The search bar opening puts the focus into the field.
  void JvXPBarSearchCollapsedChange(bool collapsing);
  // Sees every key press before the focused control once key preview is on; true consumes it.
  bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  QWidget* BuildTaskColumn();
  QWidget* BuildListArea();
  void BuildActions();
  void NameControls();
  void FormCreate();

  core::Handbook& handbook_;
  QPointer<QWidget> splash_;
  cards::TForm5* Form5 = nullptr;
  TForm2* Form2 = nullptr;
  TForm3* Form3 = nullptr;

  QTimer* Timer1;
  QTimer* Timer2;
  QAction* Action1;
  QAction* Action2;
  QAction* Action4;
  QAction* Action5;
  QAction* Action6;
  QMenu* TBXPopupMenu1;
  widgets::ImageList* PngImageList1;

  QLabel* Image1;
  widgets::CollapsibleBar* JvXPBarCathegory;
  widgets::CollapsibleBar* JvXPBarSearch;
  widgets::CollapsibleBar* JvXPBar1;
  widgets::CollapsibleBar* JvXPBarAction;
  widgets::CollapsibleBar* JvXPBar2;
  QListWidget* JvListBox1;
  QLineEdit* JvEdit1;
  widgets::KorSpeedButton* KorSpeedButton1;
  browse::AlphabetStrip* Edit1;
  browse::TermGrid* DBGridEh1;

  std::unique_ptr<app::KeyPreview> keyPreview_;
  std::unique_ptr<cards::ArticleDesk> cards_;
  std::unique_ptr<core::ProducerExchange> exchange_;
};

}  // namespace app
