// The controls of the main window and where they sit.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/TForm1.h"
#include "core/Handbook.h"
#include "browse/AlphabetStrip.h"
#include "browse/TermGrid.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/CollapsibleBarItem.h"
#include "widgets/CutOffToolTips.h"
#include "widgets/ImageList.h"
#include "widgets/KorSpeedButton.h"
#include "widgets/MagnifierPicture.h"
#include "widgets/SharpPicture.h"

namespace app {
namespace {

QPixmap BarIcon() { return widgets::SvgPicture(QStringLiteral(":/korvand/bar-icon.svg"), QSize(20, 20)); }

widgets::CollapsibleBar* NewBar(const QString& caption, bool collapsed) {
  auto* bar = new widgets::CollapsibleBar(caption);
  bar->SetIcon(BarIcon());
  bar->SetCollapsed(collapsed);
  return bar;
}

QPalette WithToolTipGround(QPalette colours) {
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  return colours;
}

}  // namespace

void TForm1::BuildLayout() {
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, kClientWidth, kBannerHeight);
  Image1->setPixmap(widgets::SvgPicture(QStringLiteral(":/korvand/banner.svg"), QSize(kClientWidth, kBannerHeight)));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setAccessibleName(QStringLiteral("Корванд в интернете"));
  Image1->installEventFilter(this);

  QWidget* column = BuildTaskColumn();
  column->setParent(this);
  column->setGeometry(0, kBannerHeight, kColumnWidth, kClientHeight - kBannerHeight);

  QWidget* listArea = BuildListArea();
  listArea->setParent(this);
  listArea->setGeometry(kColumnWidth, kBannerHeight, kClientWidth - kColumnWidth, kClientHeight - kBannerHeight);
}

QWidget* TForm1::BuildTaskColumn() {
  JvXPBarCathegory = NewBar(QStringLiteral("Категории терминов"), false);
  // However many categories there are, the bars below stay in the column.
  JvXPBarCathegory->ScrollItemsWhenShort();

  JvXPBarSearch = NewBar(QStringLiteral("Поиск"), true);
  auto* searchBody = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchBody);
  searchLayout->setContentsMargins(2, 0, 2, 0);
  searchLayout->setSpacing(4);
  JvListBox1 = new QListWidget;
  JvListBox1->setFixedHeight(124);
  JvListBox1->setSortingEnabled(true);
  JvListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  JvListBox1->setPalette(WithToolTipGround(JvListBox1->palette()));
  new widgets::CutOffToolTips(*JvListBox1);
  JvListBox1->setAccessibleName(QStringLiteral("Найденные термины"));
  JvListBox1->setAccessibleDescription(QStringLiteral("Enter открывает найденную статью"));
  searchLayout->addWidget(JvListBox1);
  auto* fieldRow = new QHBoxLayout;
  fieldRow->setSpacing(0);
  JvEdit1 = new QLineEdit;
  JvEdit1->setFixedWidth(212);
  JvEdit1->setPalette(WithToolTipGround(JvEdit1->palette()));
  JvEdit1->setAccessibleName(QStringLiteral("Текст для поиска"));
  JvEdit1->setAccessibleDescription(QStringLiteral("Часть термина или его происхождения; Ctrl+F переходит сюда"));
  KorSpeedButton1 = new widgets::KorSpeedButton;
  KorSpeedButton1->setFixedSize(22, 22);
  KorSpeedButton1->SetImages(PngImageList1);
  KorSpeedButton1->SetImageIndex(0);
  KorSpeedButton1->setAccessibleName(QStringLiteral("Найти"));
  KorSpeedButton1->setAccessibleDescription(QStringLiteral("Ищет введённый текст во всех категориях"));
  fieldRow->addWidget(JvEdit1);
  fieldRow->addWidget(KorSpeedButton1);
  fieldRow->addStretch();
  searchLayout->addLayout(fieldRow);
  JvXPBarSearch->SetBody(searchBody);

  JvXPBar1 = NewBar(QStringLiteral("Действия"), true);
  JvXPBar1->AddActionItem(Action1);
  JvXPBar1->AddActionItem(Action2);
  JvXPBar1->AddActionItem(Action4);
  JvXPBar1->AddItem(QStringLiteral("Показать сведения о программе"), 3);
  JvXPBar1->AddItem(QStringLiteral("Другие программные продукты"), 4);
  JvXPBar1->AddActionItem(Action5);
  JvXPBar1->AddActionItem(Action6);
  JvXPBar1->AddItem(QStringLiteral("Выход"), 7, QStringLiteral("Выход"));

  // The editorial tools: present, shown only for the producer's editors (ShowEditorTools).
  JvXPBarAction = NewBar(QStringLiteral("Действия"), false);
  for (int item = 0; item < 5; ++item) JvXPBarAction->AddItem(QString(), item);
  JvXPBarAction->setVisible(false);

  auto* bars = new QWidget;
  bars->setAutoFillBackground(true);
  bars->setPalette(WithToolTipGround(bars->palette()));
  auto* stack = new QVBoxLayout(bars);
  stack->setContentsMargins(6, 8, 6, 8);
  stack->setSpacing(10);
  for (widgets::CollapsibleBar* bar : {JvXPBarCathegory, JvXPBarSearch, JvXPBar1, JvXPBarAction}) stack->addWidget(bar);
  stack->addStretch();

  // Many categories would not fit the column; the column scrolls then.
  auto* column = new QScrollArea;
  column->setFrameShape(QFrame::NoFrame);
  column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  column->setWidgetResizable(true);
  column->setPalette(WithToolTipGround(column->palette()));
  column->setWidget(bars);
  return column;
}

void TForm1::ShowEditorTools() {
  // The items keep their empty captions; the hints say what each does.
  const QString hints[] = {
      QStringLiteral("Строку термина из буфера обмена — в поиск; если термина нет, открыть добавление статьи"),
      QStringLiteral("Записать происхождение из последней разобранной строки в текущую статью и открыть редактор"),
      QStringLiteral("Строки файла 1.txt, термины которых не найдены в справочнике, — в файл 2.txt"),
      QStringLiteral("Проверить обновления сейчас"),
      QStringLiteral("Строки файла 1.txt, заголовки которых (до запятой или скобки) не найдены в справочнике, — "
                     "в файл 2.txt")};
  for (int item = 0; item < JvXPBarAction->ItemCount(); ++item) JvXPBarAction->Item(item).SetHint(hints[item]);
  JvXPBarAction->setVisible(true);
}

QWidget* TForm1::BuildListArea() {
  JvXPBar2 = new widgets::CollapsibleBar(QStringLiteral("Общие термины"));
  JvXPBar2->SetIcon(BarIcon());
  JvXPBar2->SetCollapsible(false);

  auto* body = new QWidget;
  body->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Edit1 = new browse::AlphabetStrip;
  Edit1->setFixedHeight(25);
  Edit1->setAccessibleName(QStringLiteral("Алфавит"));
  Edit1->setAccessibleDescription(QStringLiteral("Щелчок по букве переходит к первому термину на эту букву"));
  layout->addWidget(Edit1);
  DBGridEh1 = new browse::TermGrid(handbook_.DataSource1);
  DBGridEh1->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(DBGridEh1, 1);
  JvXPBar2->SetBody(body);

  auto* area = new QWidget;
  auto* frame = new QVBoxLayout(area);
  frame->setContentsMargins(5, 8, 5, 8);
  frame->addWidget(JvXPBar2);
  return area;
}

void TForm1::BuildActions() {
  auto newAction = [this](const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setToolTip(caption);
    action->setStatusTip(caption);
    return action;
  };
  Action1 = newAction(QStringLiteral("Добавить статью"));
  Action2 = newAction(QStringLiteral("Редактировать статью"));
  Action4 = newAction(QStringLiteral("Послать изменения производителю"));
  Action5 = newAction(QStringLiteral("Корванд в интернете"));
  Action6 = newAction(QStringLiteral("Форум Корванда"));

  TBXPopupMenu1 = new QMenu(this);
  TBXPopupMenu1->addAction(Action1);
  TBXPopupMenu1->addAction(Action2);

  PngImageList1 = new widgets::ImageList(QSize(16, 16), this);
  PngImageList1->Add(widgets::MagnifierPicture());
}

}  // namespace app
