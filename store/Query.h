#pragma once
// A query object: one statement text; opening a select fetches every row into memory, opening any
// other statement executes it. Replacing the text closes the query; so does the end of the
// transaction. Opening while disconnected first connects with the database's current name.
//
// Rows are kept compactly as text (integers as decimal text); fields are found by name without
// regard to case. The current row is 0-based, -1 when there is no row. A blob's text (an article)
// is read from the store the first time it is asked for, within the transaction that fetched the
// rows; it is the text the row had when fetched. A row both created and changed in the open
// transaction (nothing committed in between) may have lost that text: reading it throws
// DatabaseError. The program commits every article it adds at once.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "store/Field.h"
#include "store/FieldValues.h"

namespace store {

class Database;
class DataSource;
class UpdateSql;

class Query {
 public:
  explicit Query(Database& database);
  ~Query();
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  void SetSQL(std::string sql);
  const std::string& SQL() const;

  // Whether opening reads every text blob's text along with its row (up to 32,765 bytes; longer
  // ones are still read when asked for), for a caller that reads them all, like the change
  // document; otherwise, the default, a text is read when first asked for. Takes effect on Open.
  void SetBlobsWithRows(bool withRows);

  void Open();
  // The same with the statement's "?" parameters bound to `values` in order: one prepared
  // statement serves a look-up by many keys.
  void Open(const ParameterValues& values);
  void Close();
  bool IsOpen() const;

  int RecordCount() const;
  int RecNo() const;
  void MoveTo(int row);  // clamped to the rows there are
  void First();
  void Next();
  bool Eof() const;  // true after Next() past the last row, or when there are no rows

  int FieldCount() const;
  const std::string& FieldName(int column) const;
  int FieldIndex(std::string_view name) const;  // -1 when there is no such column
  Field FieldByName(std::string_view name) const;  // throws DatabaseError for an unknown name
  std::string_view Text(int row, int column) const;  // "" for NULL
  bool IsNull(int row, int column) const;

  // Editing the current row; written back by the update object on Post().
  void SetUpdateObject(UpdateSql* updateObject);
  void Edit();  // on an empty list this starts a new row (written by the insert statement)
  bool IsEditing() const;
  void SetFieldText(std::string_view name, std::string_view value);
  void SetFieldNull(std::string_view name);
  void Post();    // on failure the row keeps its values as fetched and the error propagates
  void Cancel();
  void Delete();  // the update object's delete statement, then the row leaves the list

  // The row's values as they are now and as they were fetched (or last posted).
  FieldValues CurrentValues() const;
  FieldValues OriginalValues() const;

  struct Impl;

 private:
  friend class DataSource;
  void AttachDataSource(DataSource* source);
  void DetachDataSource(DataSource* source);
  std::unique_ptr<Impl> impl_;
};

}  // namespace store
