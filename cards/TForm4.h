#pragma once
// A card: a small stay-on-top window showing one article. Created on demand without an owner,
// it destroys itself when closed.
#include <QWidget>

#include <cstdint>
#include <string>

#include "cards/CardHistory.h"

class QAction;
class QToolBar;

namespace core {
class Handbook;
}

namespace cards {

class ArticleView;
class CardHost;

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 439;
  static constexpr int kClientHeight = 374;
  static constexpr int kToolBarHeight = 26;

  // Look-ups move the handbook's term list; `host` renders into the card and counts it.
  TForm4(core::Handbook& handbook, CardHost& host);
  ~TForm4() override;

  // Shows an article's HTML; `euphUid` is the key "Редактировать статью" goes back to.
  void ShowArticle(const std::string& html, std::int32_t euphUid);
  // EUPH_UID of the article shown last.
  std::int32_t EuphUid() const { return FEuphUid; }

  bool ToggleOn() const;
  // Checked state, caption and picture of the toggle together.
  void SetToggle(bool on);

  // "Найти выделенное": the selected word looked up among the headwords, shown here.
  void Action1Execute();
  // The toggle flipped: its caption and picture follow.
  void Action2Execute();
  // "Копировать": the selection to the clipboard.
  void Action3Execute();
  // "Копировать всё": the whole article to the clipboard, the reader's place kept.
  void Action4Execute();
  // "Редактировать статью": this card's article in the editor.
  void Action5Execute();
  // A "См." reference: the referenced headword shown in this card.
  void HTMLViewer1HotSpotClick(const std::string& src, bool& handled);

  // Alt+Left, Alt+Right: the article this card showed before or after, as it was shown; the
  // term list stays where it is.
  void GoBack();
  void GoForward();
  // The reading size of every card, kept for later runs.
  void Zoom(int steps);
  void ResetZoom();
  // Shows the text at `percent`; every card is told when one changes the size.
  void ApplyZoom(int percent);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* MakeAction(const char* captionUtf8, int picture);
  void AddKeys();
  void ShowEntry(const ShownArticle* entry);
  void ZoomEveryCard(int percent);
  void FormCreate();
  void FormClose();
  void LookUpHeadword(const std::string& key);

  core::Handbook& handbook_;
  CardHost& host_;
  bool closed_ = false;
  std::int32_t FEuphUid = 0;
  CardHistory history_;
  int zoom_;

  QToolBar* ToolBar1;
  ArticleView* HTMLViewer1;
  QAction* Action1;  // "Найти выделенное"
  QAction* Action2;  // the toggle: on makes the next opening create a further card
  QAction* Action3;  // "Копировать"
  QAction* Action4;  // "Копировать всё"
  QAction* Action5;  // "Редактировать статью"
};

}  // namespace cards
