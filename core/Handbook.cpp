#include "core/Handbook.h"

#include "platform/TerminationSignals.h"
#include "store/LocalKeyRange.h"
#include "store/OpenHandbookDatabase.h"
#include "store/Statements.h"

namespace core {

Handbook::Handbook(std::string programFolder) : Handbook(programFolder, programFolder) {}

Handbook::Handbook(std::string databaseFolder, std::string pageFolder)
    : databaseFolder_(std::move(databaseFolder)), pageFolder_(std::move(pageFolder)) {
  IBUpdateSQL1.SetModifySQL(std::string(store::statements::ModifyTerm));
  IBUpdateSQL1.SetInsertSQL(std::string(store::statements::InsertTermRow));
  IBUpdateSQL1.SetDeleteSQL(std::string(store::statements::DeleteTerm));
  IBQuery2.SetUpdateObject(&IBUpdateSQL1);
}

Handbook::~Handbook() = default;

void Handbook::OpenDatabase() {
  // The client library takes SIGINT and SIGTERM on its first attach, successful or not, and would
  // shut the attachment down underneath the program; the program ends on them itself.
  const platform::TerminationSignalsHeld held;
  store::OpenHandbookDatabase(IBDatabase1, databaseFolder_);
  store::KeepLocalKeysApart(IBDatabase1);
}

void Handbook::CloseDatabase() { IBDatabase1.Close(); }

}  // namespace core
