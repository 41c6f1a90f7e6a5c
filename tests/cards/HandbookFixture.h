#pragma once
// A small handbook in a temporary folder, opened the way the main window opens it: the term
// list with its update object, the statement executor, the editor, scripted message boxes and a
// private settings folder.
#include <gtest/gtest.h>

#include <QByteArray>

#include <filesystem>
#include <memory>
#include <string>

#include "cards/TForm5.h"
#include "core/Handbook.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/UpdateSql.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace cards_testing {

// Keys of the fixture's terms.
inline constexpr int kGastritis = 101;      // "Гастрит", section 1
inline constexpr int kGastroptosis = 102;   // "Гастроптоз", section 1
inline constexpr int kStomach = 103;        // "Желудок", section 1: "См. Гастрит."
inline constexpr int kUlcer = 104;          // "Язва", section 1, made locally ("*")
inline constexpr int kGeneral = 201;        // "Аллергия", section 0
inline constexpr int kEmptySection = 2;

class HandbookFixture : public ::testing::Test {
 protected:
  HandbookFixture();
  ~HandbookFixture() override;

  // The term list shows `section`, first row current.
  void LoadSection(int section);
  // Moves the term list to the row with that key.
  void GoTo(int euphUid);

  // Read through a second attachment, which sees committed data only.
  std::string CommittedValue(const std::string& sql) const;
  // Read in the program's own transaction.
  std::string Value(const std::string& sql);
  int Count(const std::string& where);

  testing_support::TempDir dir_;
  std::filesystem::path databaseFile_;
  QByteArray savedConfigHome_;
  testing_support::ScriptedMessageBoxes boxes_;
  // The state the main window works on; the names below are the parts the tests use.
  core::Handbook handbook_{dir_.path().string() + "/"};
  store::Database& database_ = handbook_.IBDatabase1;
  store::Query& termList_ = handbook_.IBQuery2;
  store::SqlExecutor& executor_ = handbook_.IBSQL1;
  std::unique_ptr<cards::TForm5> editor_;
};

}  // namespace cards_testing
