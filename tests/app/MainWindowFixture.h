#pragma once
// A program folder in a temporary folder with a handbook database made from the given data, and
// the main window started on it. The person is scripted.
#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/TForm1.h"
#include "platform/QtText.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace app_tests {

using testing_support::SectionLine;

inline std::string Term(int uid, const std::string& headword, int section, const std::string& origin = "") {
  return testing_support::TermLine(uid, headword, origin, "x", section);
}

class MainWindowTest : public ::testing::Test {
 protected:
  std::string ProgramFolder() const { return dir_.path().string() + "/"; }
  std::string DatabaseFile() const { return ProgramFolder() + "DB/HANDBOOK.GDB"; }

  // Makes the database and starts the window on it.
  app::TForm1& Start(const std::vector<std::string>& lines) {
    testing_support::MakeHandbookDatabase(dir_, lines, "DB/HANDBOOK.GDB");
    return StartWithoutDatabase();
  }

  app::TForm1& StartWithoutDatabase() {
    form_ = std::make_unique<app::TForm1>(ProgramFolder());
    form_->show();
    // Lay the bars out, as the event loop would before the first paint.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return *form_;
  }

  // The headwords the grid shows, Windows-1251.
  std::vector<std::string> GridHeadwords() const;
  std::string Header() const;
  void PressInGrid(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

  testing_support::TempDir dir_;
  testing_support::ScriptedMessageBoxes boxes_;
  std::unique_ptr<app::TForm1> form_;
};

}  // namespace app_tests
