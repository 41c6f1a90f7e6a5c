#include "core/EditorialTools.h"

#include "core/Handbook.h"
#include "store/Database.h"
#include "store/Query.h"
#include "text/TextUtilities.h"
#include "tools/TermFileSifting.h"

namespace core {

std::filesystem::path TermInputFile() { return text::DataFolder() / "1.txt"; }

std::filesystem::path TermOutputFile() { return text::DataFolder() / "2.txt"; }

void ParseIntoPending(Handbook& handbook, std::string_view line) {
  tools::ParseTermLine(line, handbook.FPendingTitle, handbook.FPendingOrigin, handbook.FPendingDescription);
}

bool StorePendingOrigin(Handbook& handbook) {
  store::Query& termList = handbook.IBQuery2;
  // Editing an empty list would start a new row, an article with nothing but an origin.
  if (!termList.IsOpen() || termList.RecNo() < 0) return false;
  termList.Edit();
  termList.SetFieldText("ETIOLOGY", handbook.FPendingOrigin);
  try {
    termList.Post();
  } catch (...) {
    termList.Cancel();
    throw;
  }
  handbook.IBDatabase1.CommitRetaining();
  return true;
}

void SiftTermFile(Handbook& handbook, tools::TermLineParser parse) {
  tools::SiftTermFile(handbook.IBQuery4, parse,
                      {handbook.FPendingTitle, handbook.FPendingOrigin, handbook.FPendingDescription}, TermInputFile(),
                      TermOutputFile());
}

}  // namespace core
