#include "tests/app/MainWindowFixture.h"

#include <QAbstractItemModel>

#include "browse/TermGrid.h"
#include "widgets/CollapsibleBar.h"

namespace app_tests {

std::vector<std::string> MainWindowTest::GridHeadwords() const {
  std::vector<std::string> headwords;
  const QAbstractItemModel& model = *DBGridEh1()->model();
  for (int row = 0; row < model.rowCount(); ++row)
    headwords.push_back(platform::FromQString(model.index(row, 0).data().toString()));
  return headwords;
}

std::string MainWindowTest::Header() const { return platform::FromQString(JvXPBar2()->Caption()); }

void MainWindowTest::PressInGrid(int key, Qt::KeyboardModifiers modifiers) const {
  form_->activateWindow();
  DBGridEh1()->setFocus();
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(DBGridEh1(), &press);
}

}  // namespace app_tests
