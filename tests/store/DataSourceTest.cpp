#include "store/DataSource.h"

#include <gtest/gtest.h>

#include "store/Database.h"
#include "store/LocateRow.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "store/UpdateSql.h"
#include "tests/store/StoreTesting.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using namespace store;
using testing_support::TermLine;

// A grid model stays in step with the term list only through these announcements.
TEST(DataSourceTest, AnnouncesMovesAndChangesOfTheList) {
  testing_support::TempDir dir;
  const auto file = testing_support::MakeHandbookDatabase(
      dir, {TermLine(1, "A", "", "a", 0), TermLine(2, "B", "", "b", 0), TermLine(3, "C", "", "c", 0)});
  Database database;
  database.Open(file.string());
  Query list(database);
  UpdateSql updateObject(database);
  updateObject.SetModifySQL(std::string(statements::ModifyTerm));
  updateObject.SetDeleteSQL(std::string(statements::DeleteTerm));
  list.SetUpdateObject(&updateObject);
  DataSource source(list);
  EXPECT_EQ(&source.DataSet(), &list);

  std::vector<std::string> heard;
  const int id = source.Subscribe({
      .listReset = [&] { heard.push_back("reset " + std::to_string(list.RecordCount())); },
      .rowMoved = [&](int row) { heard.push_back("moved " + std::to_string(row)); },
      .rowChanged = [&](int row) { heard.push_back("changed " + std::to_string(row)); },
      .rowInserted = [&](int row) { heard.push_back("inserted " + std::to_string(row)); },
      .rowRemoved = [&](int row) { heard.push_back("removed " + std::to_string(row)); },
  });

  list.SetSQL(std::string(statements::SelectFirstSectionTerms));
  list.Open();
  LocateRow(list, "EUPHEMIZM", "C");
  list.MoveTo(2);  // already there: no announcement
  list.Edit();
  list.SetFieldText("ETIOLOGY", "x");
  list.Post();
  list.MoveTo(1);
  list.Delete();
  database.Commit();  // the end of the transaction closes the list
  list.Open();
  list.Open();        // re-querying an open list: one announcement, with the new rows
  EXPECT_EQ(heard, (std::vector<std::string>{"reset 3", "moved 2", "changed 2", "moved 1", "removed 1",
                                             "moved 1", "reset 0", "reset 2", "reset 2"}));

  source.Unsubscribe(id);
  heard.clear();
  list.Open();
  EXPECT_TRUE(heard.empty());
}

}  // namespace
