#pragma once
// Private to the store: runs a prepared select and keeps every row it returns. Integers become
// decimal text, texts stay as the server sent them (CHAR blank-padded), NULL stays NULL.
#include <firebird/Interface.h>

#include <string>
#include <vector>

#include "store/PreparedStatement.h"
#include "store/RowSet.h"

namespace store {

// `layout` is the statement's RowLayout() or BlobRowLayout(); `names` receives the column names.
// `inputLayout` and `inputData` bind the statement's parameters (none when null).
void FetchRows(const PreparedStatement& statement, Firebird::IMessageMetadata* layout,
               Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
               std::vector<std::string>& names, RowSet& rows,
               Firebird::IMessageMetadata* inputLayout = nullptr, unsigned char* inputData = nullptr);

}  // namespace store
