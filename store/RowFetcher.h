#pragma once
// Private to the store: runs a prepared select and keeps every row it returns. Integers become
// decimal text, texts stay as the server sent them (CHAR blank-padded), NULL stays NULL; blobs are
// kept as their ids, for ReadBlob when their text is wanted.
#include <firebird/Interface.h>
#include <ibase.h>

#include <string>
#include <vector>

#include "store/FieldValues.h"
#include "store/PreparedStatement.h"
#include "store/RowSet.h"

namespace store {

// `layout` is the statement's BlobRowLayout() (or RowLayout(), which has no blobs left to read
// later); `names` receives the column names.
// `values` bind the statement's "?" parameters in order (none: a statement without them).
void FetchRows(const PreparedStatement& statement, Firebird::IMessageMetadata* layout,
               Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
               std::vector<std::string>& names, RowSet& rows, const ParameterValues& values = {});

// The whole text of a blob, as stored; in the transaction that fetched its id.
std::string ReadBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const ISC_QUAD& id);

}  // namespace store
