#pragma once
// Private to the store: runs a prepared select and keeps every row it returns. Integers become
// decimal text, texts stay as the server sent them (CHAR blank-padded), NULL stays NULL.
#include <firebird/Interface.h>

#include <string>
#include <vector>

#include "store/FieldValues.h"
#include "store/PreparedStatement.h"
#include "store/RowSet.h"

namespace store {

// `layout` is the statement's RowLayout() or BlobRowLayout(); `names` receives the column names.
// `values` bind the statement's "?" parameters in order (none: a statement without them).
void FetchRows(const PreparedStatement& statement, Firebird::IMessageMetadata* layout,
               Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
               std::vector<std::string>& names, RowSet& rows, const ParameterValues& values = {});

}  // namespace store
