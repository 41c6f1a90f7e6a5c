#include "cards/TForm4.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "cards/ArticleView.h"
#include "cards/CardHost.h"
#include "cards/CardPictures.h"
#include "cards/CardZoom.h"
#include "cards/LookupKeys.h"
#include "core/Handbook.h"
#include "platform/Clipboard.h"
#include "store/LocateRow.h"

namespace cards {
namespace {

const char* const kImageIndex = "ImageIndex";

QString ToggleCaption(bool on) {
  return on ? QStringLiteral("Сделать карточку постоянной") : QStringLiteral("Сделать карточку временной");
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

}  // namespace

TForm4::TForm4(core::Handbook& handbook, CardHost& host)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      handbook_(handbook),
      host_(host),
      zoom_(StoredCardZoom()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString());
  setAccessibleName(QStringLiteral("Карточка статьи"));
  setFixedSize(kClientWidth, kClientHeight);

  Action2 = MakeAction("", ToggleLoosePicture);
  Action2->setCheckable(true);
  Action3 = MakeAction("Копировать", CopyPicture);
  Action3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  Action4 = MakeAction("Копировать всё", CopyAllPicture);
  Action4->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  Action1 = MakeAction("Найти выделенное", FindPicture);
  Action5 = MakeAction("Редактировать статью", -1);
  SetToggle(false);

  ToolBar1 = new QToolBar(this);
  ToolBar1->setFixedHeight(kToolBarHeight);
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->addActions({Action2, Action3, Action4, Action1});
  ToolBar1->setAccessibleName(QStringLiteral("Команды карточки"));

  HTMLViewer1 = new ArticleView(this);
  HTMLViewer1->setContextMenuPolicy(Qt::ActionsContextMenu);
  HTMLViewer1->addActions({Action3, Action4, Action1, Action5});
  HTMLViewer1->setAccessibleName(QStringLiteral("Статья"));
  HTMLViewer1->setAccessibleDescription(
      QStringLiteral("Alt+стрелки листают показанные статьи, Ctrl+плюс и Ctrl+минус меняют размер текста"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ToolBar1);
  layout->addWidget(HTMLViewer1);

  connect(Action1, &QAction::triggered, this, &TForm4::Action1Execute);
  connect(Action2, &QAction::triggered, this, &TForm4::Action2Execute);
  connect(Action3, &QAction::triggered, this, &TForm4::Action3Execute);
  connect(Action4, &QAction::triggered, this, &TForm4::Action4Execute);
  connect(Action5, &QAction::triggered, this, &TForm4::Action5Execute);
  connect(HTMLViewer1, &ArticleView::HotSpotClick, this, [this](const std::string& src) {
    bool handled = false;
    HTMLViewer1HotSpotClick(src, handled);
  });

  const std::pair<QObject*, const char*> controls[] = {{ToolBar1, "ToolBar1"}, {HTMLViewer1, "HTMLViewer1"},
                                                      {Action1, "Action1"},   {Action2, "Action2"},
                                                      {Action3, "Action3"},   {Action4, "Action4"},
                                                      {Action5, "Action5"}};
  for (const auto& [control, name] : controls) control->setObjectName(QString::fromLatin1(name));
  AddKeys();
  HTMLViewer1->SetZoom(zoom_);
  connect(HTMLViewer1, &ArticleView::ZoomSteps, this, &TForm4::Zoom);

  CentreOnScreen(*this);
  FormCreate();
}

TForm4::~TForm4() = default;

void TForm4::ShowArticle(const std::string& html, std::int32_t euphUid) {
  HTMLViewer1->LoadFromString(html);
  FEuphUid = euphUid;
  history_.Shown({html, euphUid});
}

// Keys of their own, on neither the toolbar nor the context menu, which stay as they are.
void TForm4::AddKeys() {
  const struct {
    const char* name;
    QList<QKeySequence> keys;
    std::function<void()> run;
  } keys[] = {
      {"GoBack", {QKeySequence(Qt::ALT | Qt::Key_Left)}, [this] { GoBack(); }},
      {"GoForward", {QKeySequence(Qt::ALT | Qt::Key_Right)}, [this] { GoForward(); }},
      // Ctrl+= is Ctrl+plus without Shift on most layouts.
      {"ZoomIn", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { Zoom(1); }},
      {"ZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { Zoom(-1); }},
      {"ZoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { ResetZoom(); }},
      {"CloseCard", {QKeySequence(Qt::Key_Escape)}, [this] { close(); }},
  };
  for (const auto& key : keys) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(key.name));
    action->setShortcuts(key.keys);
    addAction(action);
    connect(action, &QAction::triggered, this, key.run);
  }
}

void TForm4::GoBack() { ShowEntry(history_.Back()); }

void TForm4::GoForward() { ShowEntry(history_.Forward()); }

void TForm4::ShowEntry(const ShownArticle* entry) {
  if (!entry) return;
  HTMLViewer1->LoadFromString(entry->html);
  FEuphUid = entry->euphUid;
}

void TForm4::Zoom(int steps) { ZoomEveryCard(SteppedZoom(zoom_, steps)); }

void TForm4::ResetZoom() { ZoomEveryCard(kNormalZoom); }

void TForm4::ZoomEveryCard(int percent) {
  StoreCardZoom(percent);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* card = qobject_cast<TForm4*>(window)) card->ApplyZoom(percent);
}

void TForm4::ApplyZoom(int percent) {
  zoom_ = percent;
  HTMLViewer1->SetZoom(percent);
}

QAction* TForm4::MakeAction(const char* captionUtf8, int picture) {
  auto* action = new QAction(QString::fromUtf8(captionUtf8), this);
  action->setProperty(kImageIndex, picture);
  if (picture >= 0) action->setIcon(QIcon(DrawCardPicture(static_cast<CardPicture>(picture))));
  return action;
}

bool TForm4::ToggleOn() const { return Action2->isChecked(); }

void TForm4::SetToggle(bool on) {
  Action2->setChecked(on);
  Action2->setText(ToggleCaption(on));
  const CardPicture picture = on ? TogglePinnedPicture : ToggleLoosePicture;
  Action2->setProperty(kImageIndex, static_cast<int>(picture));
  Action2->setIcon(QIcon(DrawCardPicture(picture)));
}

void TForm4::FormCreate() { host_.CardCreated(*this); }

void TForm4::FormClose() {
  if (closed_) return;
  closed_ = true;
  host_.CardClosed(*this);
}

void TForm4::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

// "Найти выделенное": the selection may be any part of the article, not only a link.
void TForm4::Action1Execute() {
  LookUpHeadword(SelectionKey(HTMLViewer1->SelectedText()));
  host_.RenderArticle(*this);
}

// Runs after the action has flipped its checked state.
void TForm4::Action2Execute() { SetToggle(ToggleOn()); }

void TForm4::Action3Execute() { platform::CopyTextToClipboard(HTMLViewer1->SelectedText()); }

// Selecting all moves the cursor to the article's end and the view with it; the reader keeps
// the place.
void TForm4::Action4Execute() {
  const int top = HTMLViewer1->verticalScrollBar()->value();
  const int left = HTMLViewer1->horizontalScrollBar()->value();
  HTMLViewer1->selectAll();
  platform::CopyTextToClipboard(HTMLViewer1->SelectedText());
  HTMLViewer1->ClearSelection();
  HTMLViewer1->verticalScrollBar()->setValue(top);
  HTMLViewer1->horizontalScrollBar()->setValue(left);
}

// The list may have moved since this card was rendered; the editor works on the list's row.
void TForm4::Action5Execute() {
  store::LocateRow(handbook_.IBQuery2, "EUPH_UID", std::to_string(FEuphUid));
  host_.EditCurrentArticle();
}

void TForm4::HTMLViewer1HotSpotClick(const std::string& src, bool& handled) {
  LookUpHeadword(CrossReferenceKey(src));
  host_.RenderArticle(*this);
  handled = true;
}

void TForm4::LookUpHeadword(const std::string& key) {
  store::LocateRow(handbook_.IBQuery2, "EUPHEMIZM", key, store::LocateCaseInsensitive | store::LocatePrefix);
}

}  // namespace cards
