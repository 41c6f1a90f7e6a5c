#include "store/Query.h"

#include <ibase.h>

#include <algorithm>
#include <cstring>

#include "store/DataSource.h"
#include "store/DatabaseClient.h"
#include "store/DatabaseError.h"
#include "store/FirebirdApi.h"
#include "store/ParameterMessage.h"
#include "store/PreparedStatement.h"
#include "store/RowFetcher.h"
#include "store/RowSet.h"
#include "store/TextCompare.h"
#include "store/UpdateSql.h"
#include "text/Cp1251.h"

namespace store {
namespace {

enum class EditState { Browse, Edit, Insert };

}  // namespace

struct Query::Impl : DatabaseClient {
  explicit Impl(Database& database) : DatabaseClient(database) {}

  std::string sql;
  PreparedStatement statement;
  bool open = false;
  std::vector<std::string> names;
  RowSet rows;
  int current = -1;
  bool eof = true;
  UpdateSql* updateObject = nullptr;
  bool blobsWithRows = false;
  std::vector<DataSource*> sources;
  EditState state = EditState::Browse;
  std::vector<RowSet::Cell> original;  // the edited row as fetched

  void TransactionEnding() override { CloseRows(); }
  void Disconnecting() override {
    CloseRows();
    statement.Release();
  }

  template <class Announce>
  void Tell(Announce announce) {
    for (DataSource* source : std::vector(sources)) announce(*source);
  }

  void CloseRows(bool announce = true) {
    const bool wasOpen = open && announce;
    state = EditState::Browse;
    open = false;
    names.clear();
    rows.Reset(0);
    current = -1;
    eof = true;
    if (wasOpen) Tell([](DataSource& s) { s.AnnounceListReset(); });
  }

  void Run(const ParameterValues& values) {
    Firebird::ITransaction* transaction = Transaction();
    if (!statement.IsPrepared()) statement.Prepare(Attachment(), transaction, sql);
    if (!statement.IsSelect()) {
      const ParameterMessage input(statement, Attachment(), transaction, values);
      fb::Status status;
      fb::Guarded([&] {
        statement.Get()->execute(&status, transaction, input.Layout(), input.Data(), nullptr, nullptr);
      });
      return;
    }
    if (blobsWithRows) {
      try {
        FetchRows(statement, statement.RowLayout(), Attachment(), transaction, names, rows, values);
      } catch (const DatabaseError& error) {
        // A text blob longer than an inline text: fetch again with the blobs as ids.
        if (!error.HasCode(isc_string_truncation) && !error.HasCode(isc_blob_truncation)) throw;
        FetchRows(statement, statement.BlobRowLayout(), Attachment(), transaction, names, rows, values);
      }
    } else {
      // Blobs as ids: their texts are read when asked for (Text), most never are.
      FetchRows(statement, statement.BlobRowLayout(), Attachment(), transaction, names, rows, values);
    }
    open = true;
    current = rows.RowCount() > 0 ? 0 : -1;
    eof = current < 0;
    Tell([](DataSource& s) { s.AnnounceListReset(); });
  }

  // A cell's text, reading a blob the first time it is asked for.
  std::string_view Text(int row, int column) {
    if (rows.IsUnreadBlob(row, column)) {
      ISC_QUAD id;
      const std::uint64_t bits = rows.BlobId(row, column);
      std::memcpy(&id, &bits, sizeof id);
      rows.SetBlobText(row, column, fb::Guarded([&] { return ReadBlob(Attachment(), Transaction(), id); }));
    }
    return rows.Text(row, column);
  }

  // Every blob of the row read, so that saving its cells keeps texts rather than ids.
  void ReadRow(int row) {
    for (int column = 0; column < rows.ColumnCount(); ++column) Text(row, column);
  }

  int Column(std::string_view name) const {
    for (size_t i = 0; i < names.size(); ++i) {
      if (SameTextIgnoringCase(names[i], name)) return static_cast<int>(i);
    }
    return -1;
  }

  int RequireColumn(std::string_view name) const {
    const int column = Column(name);
    if (column < 0) throw DatabaseError("Field '" + std::string(name) + "' not found");
    return column;
  }

  void RequireEditing() const {
    if (state == EditState::Browse) throw DatabaseError("Dataset not in edit or insert mode");
  }

  FieldValues Values(bool asFetched) const {
    FieldValues values;
    if (current < 0) return values;
    for (size_t i = 0; i < names.size(); ++i) {
      const int column = static_cast<int>(i);
      std::optional<std::string> value;
      if (asFetched && state != EditState::Browse) {
        const RowSet::Cell cell = original[i];
        if (!RowSet::IsNullCell(cell)) value = std::string(rows.CellBytes(cell));
      } else if (!rows.IsNull(current, column)) {
        value = std::string(const_cast<Impl*>(this)->Text(current, column));
      }
      values.push_back({names[i], std::move(value)});
    }
    return values;
  }
};

Query::Query(Database& database) : impl_(std::make_unique<Impl>(database)) {}

Query::~Query() {
  for (DataSource* source : impl_->sources) source->dataSet_ = nullptr;
}

void Query::SetSQL(std::string sql) {
  Close();
  if (sql == impl_->sql) return;  // the prepared statement serves again
  impl_->statement.Release();
  impl_->sql = std::move(sql);
}

const std::string& Query::SQL() const { return impl_->sql; }

void Query::SetBlobsWithRows(bool withRows) { impl_->blobsWithRows = withRows; }

void Query::Open() { Open({}); }

void Query::Open(const ParameterValues& values) {
  // Views hear one reset: the new rows, or the empty list when the statement fails.
  const bool wasOpen = impl_->open;
  impl_->CloseRows(false);
  try {
    impl_->Run(values);
  } catch (...) {
    impl_->CloseRows(false);
    if (wasOpen) impl_->Tell([](DataSource& s) { s.AnnounceListReset(); });
    throw;
  }
}

void Query::Close() { impl_->CloseRows(); }

bool Query::IsOpen() const { return impl_->open; }

int Query::RecordCount() const { return impl_->rows.RowCount(); }

int Query::RecNo() const { return impl_->current; }

void Query::MoveTo(int row) {
  const int count = RecordCount();
  if (count == 0) return;
  row = std::clamp(row, 0, count - 1);
  impl_->eof = false;
  if (row == impl_->current) return;
  if (impl_->state != EditState::Browse) Post();
  impl_->current = row;
  impl_->Tell([row](DataSource& s) { s.AnnounceRowMoved(row); });
}

void Query::First() { MoveTo(0); }

void Query::Next() {
  if (impl_->current + 1 < RecordCount()) {
    MoveTo(impl_->current + 1);
  } else {
    impl_->eof = true;
  }
}

bool Query::Eof() const { return impl_->eof || RecordCount() == 0; }

int Query::FieldCount() const { return static_cast<int>(impl_->names.size()); }

const std::string& Query::FieldName(int column) const { return impl_->names.at(column); }

int Query::FieldIndex(std::string_view name) const { return impl_->Column(name); }

Field Query::FieldByName(std::string_view name) const { return Field(*this, impl_->RequireColumn(name)); }

std::string_view Query::Text(int row, int column) const { return impl_->Text(row, column); }

bool Query::IsNull(int row, int column) const { return impl_->rows.IsNull(row, column); }

void Query::SetUpdateObject(UpdateSql* updateObject) { impl_->updateObject = updateObject; }

void Query::Edit() {
  if (!impl_->open) throw DatabaseError("Cannot perform this operation on a closed dataset");
  if (impl_->state != EditState::Browse) return;
  if (impl_->current < 0) {
    impl_->current = impl_->rows.AppendRow();
    impl_->eof = false;
    impl_->state = EditState::Insert;
    impl_->original = impl_->rows.SaveRow(impl_->current);
    const int row = impl_->current;
    impl_->Tell([row](DataSource& s) { s.AnnounceRowInserted(row); });
    impl_->Tell([row](DataSource& s) { s.AnnounceRowMoved(row); });
    return;
  }
  impl_->ReadRow(impl_->current);
  impl_->original = impl_->rows.SaveRow(impl_->current);
  impl_->state = EditState::Edit;
}

bool Query::IsEditing() const { return impl_->state != EditState::Browse; }

void Query::SetFieldText(std::string_view name, std::string_view value) {
  impl_->RequireEditing();
  impl_->rows.Set(impl_->current, impl_->RequireColumn(name), value);
}

void Query::SetFieldNull(std::string_view name) {
  impl_->RequireEditing();
  impl_->rows.SetNull(impl_->current, impl_->RequireColumn(name));
}

void Query::Post() {
  impl_->RequireEditing();
  if (!impl_->updateObject) throw DatabaseError("The query has no update object");
  const bool inserting = impl_->state == EditState::Insert;
  try {
    const std::uint64_t written = impl_->updateObject->Apply(inserting ? UpdateKind::Insert : UpdateKind::Modify,
                                                             CurrentValues(), OriginalValues());
    // The row was deleted behind the list's back (a send, an update, another window): say so
    // rather than keep values that were written nowhere.
    if (written == 0) throw DatabaseError(text::Utf8ToCp1251("Запись не сохранена: её больше нет в справочнике."));
  } catch (...) {
    Cancel();
    throw;
  }
  impl_->state = EditState::Browse;
  const int row = impl_->current;
  impl_->Tell([row](DataSource& s) { s.AnnounceRowChanged(row); });
}

void Query::Cancel() {
  if (impl_->state == EditState::Browse) return;
  const int row = impl_->current;
  if (impl_->state == EditState::Insert) {
    impl_->state = EditState::Browse;
    impl_->rows.RemoveRow(row);
    impl_->current = -1;
    impl_->eof = true;
    impl_->Tell([row](DataSource& s) { s.AnnounceRowRemoved(row); });
    impl_->Tell([](DataSource& s) { s.AnnounceRowMoved(-1); });
    return;
  }
  impl_->rows.RestoreRow(row, impl_->original);
  impl_->state = EditState::Browse;
  impl_->Tell([row](DataSource& s) { s.AnnounceRowChanged(row); });
}

void Query::Delete() {
  if (!impl_->open) throw DatabaseError("Cannot perform this operation on a closed dataset");
  if (impl_->current < 0) return;
  Cancel();
  if (!impl_->updateObject) throw DatabaseError("The query has no update object");
  if (impl_->current < 0) return;  // a cancelled new row was all there was
  const FieldValues values = CurrentValues();
  impl_->updateObject->Apply(UpdateKind::Delete, values, values);
  const int row = impl_->current;
  impl_->rows.RemoveRow(row);
  impl_->current = std::min(row, RecordCount() - 1);
  impl_->eof = impl_->current < 0;
  const int now = impl_->current;
  impl_->Tell([row](DataSource& s) { s.AnnounceRowRemoved(row); });
  impl_->Tell([now](DataSource& s) { s.AnnounceRowMoved(now); });
}

FieldValues Query::CurrentValues() const { return impl_->Values(false); }

FieldValues Query::OriginalValues() const { return impl_->Values(true); }

void Query::AttachDataSource(DataSource* source) { impl_->sources.push_back(source); }

void Query::DetachDataSource(DataSource* source) { std::erase(impl_->sources, source); }

}  // namespace store
