#include "tests/app/SearchWindowFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "browse/AlphabetLetter.h"
#include "browse/AlphabetStrip.h"
#include "cards/TForm4.h"
#include "tests/support/Ansi.h"
#include "widgets/CollapsibleBar.h"

namespace app_tests {

void SearchWindowTest::Click(QWidget& widget, QPoint at, bool twice) {
  std::vector<QEvent::Type> events{QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
  if (twice) events.insert(events.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
  for (QEvent::Type type : events) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(&widget, &event);
  }
}

SearchWindowTest::SearchWindowTest() : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
  // The editor keeps its placement among the user's settings.
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_.path() / "config").string()));
}

SearchWindowTest::~SearchWindowTest() {
  form_.reset();
  if (savedConfigHome_.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  }
}

app::TForm1& SearchWindowTest::StartSearching(const std::vector<std::string>& lines) {
  app::TForm1& form = lines.empty() ? StartWithoutDatabase() : Start(lines);
  form.SetEditor(&editor_);
  QApplication::setActiveWindow(&form);
  JvXPBarSearch()->SetCollapsed(false);
  return form;
}

void SearchWindowTest::Search(const char* typedUtf8) { SearchCp1251(testing_support::ansi(typedUtf8)); }

void SearchWindowTest::SearchCp1251(const std::string& typed) {
  JvEdit1()->setText(platform::ToQString(typed));
  JvEdit1()->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(JvEdit1(), &enter);
}

std::vector<SearchEntry> SearchWindowTest::Entries() const {
  std::vector<SearchEntry> entries;
  for (int row = 0; row < JvListBox1()->count(); ++row) {
    const QListWidgetItem* item = JvListBox1()->item(row);
    entries.push_back({platform::FromQString(item->text()), item->data(Qt::UserRole).toInt()});
  }
  return entries;
}

void SearchWindowTest::DoubleClickEntry(int row) const {
  QListWidget& list = *JvListBox1();
  list.scrollToItem(list.item(row));
  Click(*list.viewport(), list.visualItemRect(list.item(row)).center(), true);
}

void SearchWindowTest::PressStripLetter(const std::string& letter) const {
  browse::AlphabetStrip& strip = *Edit1();
  const int gapBefore = static_cast<int>(browse::AlphabetStripText().find(letter));
  const int y = strip.height() / 2;
  // The last point whose gap is still the one before the letter lies on the letter's left half.
  int x = 0;
  while (x + 1 < strip.width() && strip.CharFromPos({x + 1, y}) <= gapBefore) ++x;
  ASSERT_EQ(strip.CharFromPos({x, y}), gapBefore) << "no point on the letter";
  Click(strip, {x, y}, false);
}

std::string SearchWindowTest::CurrentHeadword() const { return handbook_.IBQuery2.FieldByName("EUPHEMIZM").AsString(); }

int SearchWindowTest::CardKey() const {
  const cards::TForm4* card = form_->CurrentCard();
  return card && card->isVisible() ? card->EuphUid() : 0;
}

}  // namespace app_tests
