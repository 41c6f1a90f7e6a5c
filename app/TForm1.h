#pragma once
// The main window: banner, the task column with its bars, the term list, the commands, the two
// timers and the handbook database with its query objects. Other windows read and write its
// fields.
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "text/DateTime.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/UpdateSql.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTimer;

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

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 842;
  static constexpr int kClientHeight = 672;
  static constexpr int kBannerHeight = 105;
  static constexpr int kColumnWidth = 253;

  // programFolder ends with a separator and holds DB/HANDBOOK.GDB and html/index.html.
  explicit TForm1(std::string programFolder, QWidget* parent = nullptr);
  ~TForm1() override;

  // Fields shared with the other windows.
  std::string FPendingTitle;
  std::string FPendingOrigin;
  std::string FPendingDescription;
  std::int32_t FCurrentSection = 0;
  text::DateTime FLastUpdate = 0;
  std::int32_t FOpenCards = 0;
  bool FAddIfNotFound = false;

  // The database; it commits what is still open when the window goes.
  store::Database IBDatabase1;
  store::Query IBQuery1{IBDatabase1};
  store::Query IBQuery2{IBDatabase1};
  store::Query IBQuery3{IBDatabase1};
  store::Query IBQuery4{IBDatabase1};
  store::SqlExecutor IBSQL1{IBDatabase1};
  store::UpdateSql IBUpdateSQL1{IBDatabase1};
  store::DataSource DataSource1{IBQuery2};

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

  // The article editor, created hidden at start-up by the program entry.
  cards::TForm5* Form5 = nullptr;

  // Hooks for the windows that open from here: the card for the grid's current row (the card
  // desk's opening unless replaced), and the producer's update check.
  std::function<void()> OpenCardHook;
  std::function<void()> UpdateCheckHook;

  const std::string& ProgramFolder() const { return programFolder_; }
  bool KeyPreview() const { return keyPreview_ != nullptr; }
  // The splash to close on the first tick of Timer1.
  void SetSplash(QWidget* splash);

  void LoadSection(std::int32_t section);
  // Cards: the one the next opening reuses, and rendering the term list's current row into one.
  cards::TForm4* CurrentCard() const;
  void RenderArticle(cards::TForm4& card);
  void CheckForUpdates();

  void JvXPBarCathegoryItemClick(int index);
  void DBGridEh1DblClick();
  void DBGridEh1CtrlDelete();
  void Image1Click();
  void JvXPBar1Items3Click();
  void JvXPBar1Items4Click();
  void JvXPBar1Items7Click();
  void Action1Execute();
  void Action2Execute();
  void Action5Execute();
  void Action6Execute();
  void Timer1Timer();
  void Timer2Timer();
  // The search bar: the search command, the result list rebuilt after each search, opening an
  // entry, and the focus to the field when the bar opens.
  void KorSpeedButton1Click();
  void IBQuery3AfterOpen();
  void JvListBox1DblClick();
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
  void FormCreate();

  std::string programFolder_;
  QPointer<QWidget> splash_;
  std::unique_ptr<app::KeyPreview> keyPreview_;
  // Declared last so the open cards go before the queries they read.
  std::unique_ptr<cards::ArticleDesk> cards_;
};

}  // namespace app
