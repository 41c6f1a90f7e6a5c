#include "browse/DeleteTerm.h"

#include "platform/ApplicationTitle.h"
#include "platform/MessageBoxes.h"
#include "store/Database.h"
#include "store/Query.h"

namespace browse {

bool DeleteCurrentTerm(store::Query& termList, store::Database& database) {
  if (!termList.IsOpen() || termList.RecordCount() == 0) return false;
  const platform::MessageAnswer answer =
      platform::Boxes().Ask(kDeleteQuestion, platform::ApplicationTitle(), platform::MessageButtons::OkCancel,
                            platform::MessageIcon::Question);
  if (answer != platform::MessageAnswer::Ok) return false;
  termList.Delete();
  // Written for good now rather than at shutdown, so a crash cannot take the deletion back.
  database.CommitRetaining();
  return true;
}

}  // namespace browse
