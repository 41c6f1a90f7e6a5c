#pragma once
// A program folder in a temporary folder with a handbook database made from the given data, and
// the main window started on it. The person is scripted.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/TForm1.h"
#include "browse/AlphabetStrip.h"
#include "browse/TermGrid.h"
#include "core/Handbook.h"
#include "platform/QtText.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"
#include "widgets/CollapsibleBar.h"
#include "widgets/KorSpeedButton.h"

namespace app_tests {

using testing_support::SectionLine;

inline std::string Term(int uid, const std::string& headword, int section, const std::string& origin = "") {
  return testing_support::TermLine(uid, headword, origin, "x", section);
}

class MainWindowTest : public ::testing::Test {
 protected:
  // The window's own update check must reach neither the user's settings nor any server.
  MainWindowTest()
      : savedConfig_(qgetenv("XDG_CONFIG_HOME")), savedProducer_(qgetenv("KORVAND_PRODUCER_URL")) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir_.path() / "settings").string()));
    qputenv("KORVAND_PRODUCER_URL", "http://127.0.0.1:1");
  }
  ~MainWindowTest() override {
    form_.reset();
    for (const auto& [name, saved] : {std::pair{"XDG_CONFIG_HOME", &savedConfig_},
                                      std::pair{"KORVAND_PRODUCER_URL", &savedProducer_}}) {
      if (saved->isNull())
        qunsetenv(name);
      else
        qputenv(name, *saved);
    }
  }

  std::string ProgramFolder() const { return dir_.path().string() + "/"; }
  std::string DatabaseFile() const { return ProgramFolder() + "DB/HANDBOOK.GDB"; }

  // Makes the database and starts the window on it.
  app::TForm1& Start(const std::vector<std::string>& lines, QWidget* splash = nullptr) {
    testing_support::MakeHandbookDatabase(dir_, lines, "DB/HANDBOOK.GDB");
    return StartWithoutDatabase(splash);
  }

  app::TForm1& StartWithoutDatabase(QWidget* splash = nullptr) {
    form_ = std::make_unique<app::TForm1>(handbook_, splash);
    form_->show();
    // Lay the bars out, as the event loop would before the first paint.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return *form_;
  }

  // The headwords the grid shows, Windows-1251.
  std::vector<std::string> GridHeadwords() const;
  std::string Header() const;
  void PressInGrid(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

  // The main window's controls, found by their documented names.
  template <class T>
  T* Control(const char* name) const {
    T* control = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QAction* Action1() const { return Control<QAction>("Action1"); }
  QAction* Action2() const { return Control<QAction>("Action2"); }
  QAction* Action4() const { return Control<QAction>("Action4"); }
  browse::TermGrid* DBGridEh1() const { return Control<browse::TermGrid>("DBGridEh1"); }
  browse::AlphabetStrip* Edit1() const { return Control<browse::AlphabetStrip>("Edit1"); }
  QLabel* Image1() const { return Control<QLabel>("Image1"); }
  QLineEdit* JvEdit1() const { return Control<QLineEdit>("JvEdit1"); }
  QListWidget* JvListBox1() const { return Control<QListWidget>("JvListBox1"); }
  widgets::CollapsibleBar* JvXPBar1() const { return Control<widgets::CollapsibleBar>("JvXPBar1"); }
  widgets::CollapsibleBar* JvXPBar2() const { return Control<widgets::CollapsibleBar>("JvXPBar2"); }
  widgets::CollapsibleBar* JvXPBarAction() const { return Control<widgets::CollapsibleBar>("JvXPBarAction"); }
  widgets::CollapsibleBar* JvXPBarCathegory() const { return Control<widgets::CollapsibleBar>("JvXPBarCathegory"); }
  widgets::CollapsibleBar* JvXPBarSearch() const { return Control<widgets::CollapsibleBar>("JvXPBarSearch"); }
  widgets::KorSpeedButton* KorSpeedButton1() const { return Control<widgets::KorSpeedButton>("KorSpeedButton1"); }
  QMenu* TBXPopupMenu1() const { return Control<QMenu>("TBXPopupMenu1"); }
  QTimer* Timer1() const { return Control<QTimer>("Timer1"); }
  QTimer* Timer2() const { return Control<QTimer>("Timer2"); }

  testing_support::TempDir dir_;
  QByteArray savedConfig_;
  QByteArray savedProducer_;
  testing_support::ScriptedMessageBoxes boxes_;
  // As in the program: the handbook's state outlives the windows.
  core::Handbook handbook_{ProgramFolder()};
  std::unique_ptr<app::TForm1> form_;
};

}  // namespace app_tests
