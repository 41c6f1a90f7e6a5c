#include "app/TForm1.h"

#include "app/KeyPreview.h"
#include "app/TForm2.h"
#include "app/TForm3.h"
#include "app/UserTransfer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "browse/AlphabetJump.h"
#include "browse/AlphabetStrip.h"
#include "browse/Categories.h"
#include "browse/DeleteTerm.h"
#include "browse/SearchResultList.h"
#include "browse/SectionList.h"
#include "browse/TermGrid.h"
#include "browse/TermSearch.h"
#include "cards/ArticleDesk.h"
#include "cards/ArticleEditing.h"
#include "core/EditorialTools.h"
#include "core/Handbook.h"
#include "core/ProducerExchange.h"
#include "exchange/SystemProxyDiscovery.h"
#include "platform/Clipboard.h"
#include "platform/DateTimeText.h"
#include "platform/MessageBoxes.h"
#include "platform/ProducerAddress.h"
#include "platform/QtText.h"
#include "platform/ShellOpen.h"
#include "store/LocateRow.h"
#include "store/Statements.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/ImageList.h"
#include "widgets/KorSpeedButton.h"

namespace app {

TForm1::TForm1(core::Handbook& handbook, QWidget* splash)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      handbook_(handbook),
      splash_(splash) {
  setWindowTitle(QStringLiteral("Корванд - медицинский справочник"));
  setFixedSize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed = rect();
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }

  BuildActions();
  BuildLayout();
  // The window opens with the keys in the list, so arrows and Enter work without a click.
  DBGridEh1->setFocus(Qt::OtherFocusReason);
  cards_ = std::make_unique<cards::ArticleDesk>(handbook_, [this] { Action2Execute(); });
  OpenCardHook = [this] { cards_->OpenCard(); };
  exchange_ = std::make_unique<core::ProducerExchange>(handbook_, [this](const std::vector<std::string>& titles) {
    if (!Form2) return;
    Form2->AddTitles(titles);
    Form2->ShowModal();
    Form2->ClearTitles();
  }, [this] { return std::make_unique<UserTransfer>(*this, handbook_.IdHTTP1); });
  // Until the about window exists.
  JvXPBar1->Item(3).setEnabled(false);

  connect(Action1, &QAction::triggered, this, &TForm1::Action1Execute);
  connect(Action2, &QAction::triggered, this, &TForm1::Action2Execute);
  connect(Action4, &QAction::triggered, this, &TForm1::Action4Execute);
  connect(Action5, &QAction::triggered, this, &TForm1::Action5Execute);
  connect(Action6, &QAction::triggered, this, &TForm1::Action6Execute);
  connect(JvXPBarCathegory, &widgets::CollapsibleBar::ItemClicked, this, &TForm1::JvXPBarCathegoryItemClick);
  connect(JvXPBar1, &widgets::CollapsibleBar::ItemClicked, this, [this](int index) {
    if (index == 3) JvXPBar1Items3Click();
    if (index == 4) JvXPBar1Items4Click();
    if (index == 7) JvXPBar1Items7Click();
  });
  connect(JvXPBarAction, &widgets::CollapsibleBar::ItemClicked, this, [this](int index) {
    if (index == 0) JvXPBarActionItems0Click();
    if (index == 1) JvXPBarActionItems1Click();
    if (index == 2) JvXPBarActionItems2Click();
    if (index == 3) JvXPBarActionItems3Click();
    if (index == 4) JvXPBarActionItems4Click();
  });
  connect(DBGridEh1, &browse::TermGrid::DblClick, this, &TForm1::DBGridEh1DblClick);
  connect(DBGridEh1, &browse::TermGrid::DeleteRequested, this, &TForm1::DBGridEh1CtrlDelete);
  connect(Edit1, &browse::AlphabetStrip::letterChosen, this,
          [this](char letter) { browse::JumpToLetter(handbook_.IBQuery2, *DBGridEh1, letter); });
  connect(Edit1, &browse::AlphabetStrip::pressedWithoutLetter, this,
          [this] { browse::JumpToLetter(handbook_.IBQuery2, *DBGridEh1, std::nullopt); });
  connect(KorSpeedButton1, &QAbstractButton::clicked, this, &TForm1::KorSpeedButton1Click);
  connect(JvListBox1, &QListWidget::itemDoubleClicked, this, &TForm1::JvListBox1DblClick);
  connect(JvXPBarSearch, &widgets::CollapsibleBar::CollapsedChange, this, &TForm1::JvXPBarSearchCollapsedChange);
  connect(DBGridEh1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { TBXPopupMenu1->popup(DBGridEh1->viewport()->mapToGlobal(at)); });

  Timer1 = new QTimer(this);
  Timer1->setInterval(3000);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  Timer1->start();
  Timer2 = new QTimer(this);
  Timer2->setInterval(3600000);
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
  Timer2->start();

  NameControls();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetAbout(TForm3* about) {
  Form3 = about;
  JvXPBar1->Item(3).setEnabled(Form3 != nullptr);
}

// Tests and tools find the controls by their documented names.
void TForm1::NameControls() {
  const std::pair<QObject*, const char*> controls[] = {
      {Timer1, "Timer1"}, {Timer2, "Timer2"}, {Action1, "Action1"}, {Action2, "Action2"}, {Action4, "Action4"},
      {Action5, "Action5"}, {Action6, "Action6"}, {TBXPopupMenu1, "TBXPopupMenu1"},
      {PngImageList1, "PngImageList1"}, {Image1, "Image1"}, {JvXPBarCathegory, "JvXPBarCathegory"},
      {JvXPBarSearch, "JvXPBarSearch"}, {JvXPBar1, "JvXPBar1"}, {JvXPBarAction, "JvXPBarAction"},
      {JvXPBar2, "JvXPBar2"}, {JvListBox1, "JvListBox1"}, {JvEdit1, "JvEdit1"},
      {KorSpeedButton1, "KorSpeedButton1"}, {Edit1, "Edit1"}, {DBGridEh1, "DBGridEh1"}};
  for (const auto& [control, name] : controls) control->setObjectName(QString::fromLatin1(name));
}

void TForm1::FormCreate() {
  try {
    platform::InstallProcessFormats();
    handbook_.OpenDatabase();
    browse::LoadCategories(handbook_.IBQuery1, *JvXPBarCathegory);
    handbook_.FCurrentSection = 0;
    handbook_.FOpenCards = 0;
    handbook_.IBQuery1.Close();
    handbook_.IBQuery2.SetSQL(std::string(store::statements::SelectFirstSectionTerms));
    handbook_.IBQuery2.Open();
    std::string proxyServer;
    int proxyPort = 0;
    exchange::GetProtocolProxy("http", proxyServer, proxyPort);
    handbook_.IdHTTP1.SetProxy(proxyServer, proxyPort);
    keyPreview_ = std::make_unique<app::KeyPreview>(
        *this, [this](int key, Qt::KeyboardModifiers shift) { return FormKeyDown(key, shift); });
    handbook_.FAddIfNotFound = false;
  } catch (const std::exception& error) {
    platform::Boxes().ShowError(error.what());
  }
}

void TForm1::LoadSection(std::int32_t section) {
  browse::ListSection(handbook_.IBQuery2, section);
  handbook_.FCurrentSection = section;
  if (const auto header = browse::SectionHeader(*JvXPBarCathegory, handbook_.IBDatabase1, section))
    JvXPBar2->SetCaption(platform::ToQString(*header));
}

cards::TForm4* TForm1::CurrentCard() const { return cards_->CurrentCard(); }

void TForm1::RenderArticle(cards::TForm4& card) { cards_->RenderArticle(card); }

void TForm1::CheckForUpdates() {
  if (UpdateCheckHook)
    UpdateCheckHook();
  else
    exchange_->CheckForUpdates();
}

void TForm1::QueryUpdateCount() { exchange_->QueryUpdateCount(); }

void TForm1::DownloadUpdate() { exchange_->DownloadUpdate(); }

void TForm1::JvXPBarCathegoryItemClick(int index) { LoadSection(JvXPBarCathegory->Item(index).Tag()); }

void TForm1::DBGridEh1DblClick() {
  if (OpenCardHook) OpenCardHook();
}

void TForm1::DBGridEh1CtrlDelete() { browse::DeleteCurrentTerm(handbook_.IBQuery2, handbook_.IBDatabase1); }

void TForm1::Image1Click() { Action5->trigger(); }

void TForm1::JvXPBar1Items3Click() {
  if (Form3) Form3->ShowModal();
}

void TForm1::JvXPBar1Items4Click() { platform::ShellOpen(handbook_.PageFolder() + "html/index.html"); }

void TForm1::JvXPBar1Items7Click() { close(); }

void TForm1::Action1Execute() {
  if (!Form5) return;
  cards::AddArticle(*Form5);
  DBGridEh1->viewport()->update();
}

void TForm1::Action2Execute() {
  if (Form5) cards::EditCurrentArticle(*Form5);
}

void TForm1::Action4Execute() { exchange_->SendChanges(); }

void TForm1::JvXPBarActionItems0Click() {
  core::ParseIntoPending(handbook_, platform::ReadClipboardText());
  JvEdit1->setText(platform::ToQString(handbook_.FPendingTitle));
  handbook_.FAddIfNotFound = true;
  KorSpeedButton1Click();
}

void TForm1::JvXPBarActionItems1Click() {
  if (core::StorePendingOrigin(handbook_)) Action2Execute();
}

void TForm1::JvXPBarActionItems2Click() {
  core::SiftTermFile(handbook_, tools::ParseTermLine);
}

void TForm1::JvXPBarActionItems3Click() { QueryUpdateCount(); }

void TForm1::JvXPBarActionItems4Click() {
  core::SiftTermFile(handbook_, tools::ParseHeadword);
}

void TForm1::Action5Execute() { platform::ShellOpen(platform::ProducerBaseUrl() + "/index.php?id=handbook"); }

void TForm1::Action6Execute() { platform::ShellOpen(platform::ProducerBaseUrl() + "/forum"); }

void TForm1::Timer1Timer() {
  Timer1->stop();
  if (splash_) splash_->close();
  // Let the splash vanish and this window paint before the check may block on the network.
  QCoreApplication::processEvents();
  CheckForUpdates();
}

void TForm1::Timer2Timer() { CheckForUpdates(); }

void TForm1::KorSpeedButton1Click() {
  if (browse::SearchTerms(handbook_.IBQuery3, platform::FromQString(JvEdit1->text()))) IBQuery3AfterOpen();
}

void TForm1::IBQuery3AfterOpen() {
  const int hits = browse::ListSearchHits(handbook_.IBQuery3, *JvListBox1);
  if (hits == 0 && !handbook_.FAddIfNotFound) platform::Boxes().ShowMessage(browse::NothingFoundMessage());
  if (hits == 1) {
    JvListBox1->setCurrentRow(0);
    JvListBox1DblClick();
  }
  if (hits == 0 && handbook_.FAddIfNotFound) {
    Action1Execute();
    handbook_.FAddIfNotFound = false;
  }
}

void TForm1::JvListBox1DblClick() {
  const std::optional<std::int32_t> key = browse::SelectedTermKey(*JvListBox1);
  if (!handbook_.IBQuery3.IsOpen() || !key) return;
  const std::string keyText = std::to_string(*key);
  if (!store::LocateRow(handbook_.IBQuery3, "EUPH_UID", keyText)) return;
  const std::int32_t section = handbook_.IBQuery3.FieldByName("SECTION_UID").AsInteger();
  if (section != handbook_.FCurrentSection) LoadSection(section);
  // A term deleted since the search is gone from the list: no card rather than another term's.
  if (!store::LocateRow(handbook_.IBQuery2, "EUPH_UID", keyText)) return;
  DBGridEh1DblClick();
}

void TForm1::JvXPBarSearchCollapsedChange(bool collapsing) {
  if (!collapsing) JvEdit1->setFocus(Qt::OtherFocusReason);
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (enter && JvEdit1->hasFocus()) {
    KorSpeedButton1->click();
    return true;
  }
  // For the keyboard: Enter on a search hit opens it as a double click does; Ctrl+F goes to the
  // search.
  if (enter && JvListBox1->hasFocus() && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // The keyboard's entry is the one with the focus frame, selected or not.
    if (QListWidgetItem* current = JvListBox1->currentItem()) current->setSelected(true);
    JvListBox1DblClick();
    return true;
  }
  if (key == Qt::Key_F && modifiers == Qt::ControlModifier) {
    JvXPBarSearch->SetCollapsed(false);
    JvEdit1->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return false;
}

void TForm1::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  // A scheduled check's request must not keep the ending program waiting.
  handbook_.IdHTTP1.Cancel();
  emit Closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() == Qt::LeftButton && Image1->rect().contains(click->position().toPoint())) Image1Click();
    return false;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
