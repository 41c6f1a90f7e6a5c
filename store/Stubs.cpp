// Placeholder bodies so the public headers link while the engine side is written.
#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Field.h"
#include "store/OpenHandbookDatabase.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/UpdateSql.h"

namespace store {
namespace {
[[noreturn]] void NotYet() { throw DatabaseError("not implemented yet"); }
const std::string kEmpty;
}  // namespace

struct Database::Impl {};
Database::Database() = default;
Database::~Database() = default;
void Database::SetDatabaseName(std::string) {}
const std::string& Database::DatabaseName() const { return kEmpty; }
void Database::SetServerPort(int) {}
void Database::Open() { NotYet(); }
void Database::Open(std::string) { NotYet(); }
void Database::Close() {}
bool Database::IsOpen() const { return false; }
bool Database::InTransaction() const { return false; }
void Database::Commit() { NotYet(); }
void Database::CommitRetaining() { NotYet(); }
void Database::Rollback() { NotYet(); }

struct Query::Impl {};
Query::Query(Database&) {}
Query::~Query() = default;
void Query::SetSQL(std::string) {}
const std::string& Query::SQL() const { return kEmpty; }
void Query::Open() { NotYet(); }
void Query::Close() {}
bool Query::IsOpen() const { return false; }
int Query::RecordCount() const { return 0; }
int Query::RecNo() const { return -1; }
void Query::MoveTo(int) {}
void Query::First() {}
void Query::Next() {}
bool Query::Eof() const { return true; }
int Query::FieldCount() const { return 0; }
const std::string& Query::FieldName(int) const { return kEmpty; }
int Query::FieldIndex(std::string_view) const { return -1; }
Field Query::FieldByName(std::string_view) const { NotYet(); }
std::string_view Query::Text(int, int) const { return {}; }
bool Query::IsNull(int, int) const { return true; }
void Query::SetUpdateObject(UpdateSql*) {}
void Query::Edit() { NotYet(); }
bool Query::IsEditing() const { return false; }
void Query::SetFieldText(std::string_view, std::string_view) { NotYet(); }
void Query::SetFieldNull(std::string_view) { NotYet(); }
void Query::Post() { NotYet(); }
void Query::Cancel() {}
void Query::Delete() { NotYet(); }
FieldValues Query::CurrentValues() const { return {}; }
FieldValues Query::OriginalValues() const { return {}; }
void Query::AttachDataSource(DataSource*) {}
void Query::DetachDataSource(DataSource*) {}

const std::string& Field::Name() const { return kEmpty; }
std::string Field::AsString() const { return {}; }
std::string_view Field::AsView() const { return {}; }
std::int32_t Field::AsInteger() const { return 0; }
bool Field::IsNull() const { return true; }

struct SqlExecutor::Impl {};
SqlExecutor::SqlExecutor(Database&) {}
SqlExecutor::~SqlExecutor() = default;
void SqlExecutor::SetSQL(std::string) {}
const std::string& SqlExecutor::SQL() const { return kEmpty; }
void SqlExecutor::ExecQuery() { NotYet(); }

struct UpdateSql::Impl {};
UpdateSql::UpdateSql(Database&) {}
UpdateSql::~UpdateSql() = default;
void UpdateSql::SetModifySQL(std::string) {}
void UpdateSql::SetInsertSQL(std::string) {}
void UpdateSql::SetDeleteSQL(std::string) {}
const std::string& UpdateSql::ModifySQL() const { return kEmpty; }
const std::string& UpdateSql::InsertSQL() const { return kEmpty; }
const std::string& UpdateSql::DeleteSQL() const { return kEmpty; }
void UpdateSql::Apply(UpdateKind, const FieldValues&, const FieldValues&) { NotYet(); }

void OpenHandbookDatabase(Database&, const std::string&) { NotYet(); }
void CreateHandbookDatabase(const std::filesystem::path&, const std::filesystem::path&,
                            const std::vector<std::filesystem::path>&) { NotYet(); }
void CreateHandbookDatabaseFromText(const std::filesystem::path&, const std::string&,
                                    const std::vector<std::string>&,
                                    const std::vector<std::string>&) { NotYet(); }

}  // namespace store
