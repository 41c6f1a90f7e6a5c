// Applies any update document (the input signed with its own digest) to a real handbook database:
// one database for the process, put back to the same rows after every input. A rejected statement
// is a message, never an exception: anything thrown out of the applier ends the run as a crash.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/UpdateApplication.h"
#include "exchange/UpdateDocumentReader.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "text/Md5.h"

namespace {

// The person reads every message and says nothing.
class SilentBoxes final : public platform::MessageBoxes {
 public:
  void ShowMessage(std::string_view) override {}
  platform::MessageAnswer Ask(std::string_view, std::string_view, platform::MessageButtons,
                              platform::MessageIcon) override {
    return platform::MessageAnswer::No;
  }
  void ShowError(std::string_view) override {}
};

const std::vector<std::string>& SeedRows() {
  using testing_support::SectionLine;
  using testing_support::TermLine;
  static const std::vector<std::string> rows = {
      SectionLine(0, "General"), SectionLine(1, " Surgery "),       TermLine(10, "Old", "old", "was", 1, "+"),
      TermLine(11, "Beta", "", "x", 1), TermLine(12, "Alpha", "", "y", 0, "*"),
  };
  return rows;
}

struct Handbook {
  Handbook() : file(testing_support::MakeHandbookDatabase(dir, SeedRows())), lookups(database), termList(database) {
    // Without forced writes: every commit waiting for the disk would leave a run a few hundred
    // inputs instead of thousands, and a fuzzed process need not survive a power cut.
    if (std::system(("gfix -write async -user SYSDBA '" + file.string() + "'").c_str()) != 0) std::abort();
    database.Open(file.string());
    platform::InstallMessageBoxes(&boxes);
  }

  // Back to the seed rows, whatever the last input left committed or open.
  void Reset() {
    if (database.InTransaction()) database.Rollback();
    store::SqlExecutor statement(database);
    for (const char* sql : {"delete from EUPHEMIZMS", "delete from SECTIONS"}) {
      statement.SetSQL(sql);
      statement.ExecQuery();
    }
    for (const std::string& row : SeedRows()) {
      statement.SetSQL(row.substr(0, row.size() - 1));  // without the script's ";"
      statement.ExecQuery();
    }
    database.Commit();
  }

  testing_support::TempDir dir;
  std::filesystem::path file;
  store::Database database;
  store::Query lookups;
  store::Query termList;
  SilentBoxes boxes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Handbook handbook;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const exchange::UpdateDocument document =
      exchange::ReadUpdateDocument(text::Md5ToHex(text::Md5OfText(input)) + std::string(input));
  const exchange::UpdateApplication applied = exchange::ApplyUpdateDocument(
      {handbook.database, handbook.lookups, handbook.termList, 1}, document, "help@example.org");
  if (applied.reportTitles.size() != document.terms.size() && document.categoriesComplete) std::abort();
  handbook.Reset();
  return 0;
}
