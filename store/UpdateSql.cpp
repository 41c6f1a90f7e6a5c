#include "store/UpdateSql.h"

#include <array>

#include "store/TextCompare.h"
#include "store/DatabaseClient.h"
#include "store/DatabaseError.h"
#include "store/FirebirdApi.h"
#include "store/ParameterMessage.h"
#include "store/PreparedStatement.h"

namespace store {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

struct Parameter {
  std::string field;
  bool old;
};

// The statement with each :NAME replaced by "?", and the names in order. Quoted texts and
// comments are left alone.
std::string ReplaceParameters(const std::string& sql, std::vector<Parameter>& parameters) {
  std::string out;
  out.reserve(sql.size());
  for (size_t i = 0; i < sql.size();) {
    const char c = sql[i];
    if (c == '"' || c == '\'') {
      const size_t end = sql.find(c, i + 1);
      const size_t stop = end == std::string::npos ? sql.size() : end + 1;
      out.append(sql, i, stop - i);
      i = stop;
    } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      const size_t end = sql.find('\n', i);
      const size_t stop = end == std::string::npos ? sql.size() : end;
      out.append(sql, i, stop - i);
      i = stop;
    } else if (c == ':' && i + 1 < sql.size() && IsNameChar(sql[i + 1])) {
      size_t end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      std::string name = sql.substr(i + 1, end - i - 1);
      const bool old = name.size() > 4 && SameTextIgnoringCase(std::string_view(name).substr(0, 4), "OLD_");
      parameters.push_back({old ? name.substr(4) : name, old});
      out += '?';
      i = end;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

struct Prepared {
  std::string text;
  std::vector<Parameter> parameters;
  PreparedStatement statement;
};

}  // namespace

struct UpdateSql::Impl : DatabaseClient {
  explicit Impl(Database& database) : DatabaseClient(database) {}
  void Disconnecting() override {
    for (Prepared& p : kinds) p.statement.Release();
  }

  std::array<Prepared, 3> kinds;  // indexed by UpdateKind

  void Set(UpdateKind kind, std::string sql) {
    Prepared& p = kinds[static_cast<int>(kind)];
    p.statement.Release();
    p.text = std::move(sql);
  }
};

UpdateSql::UpdateSql(Database& database) : impl_(std::make_unique<Impl>(database)) {}

UpdateSql::~UpdateSql() = default;

void UpdateSql::SetModifySQL(std::string sql) { impl_->Set(UpdateKind::Modify, std::move(sql)); }
void UpdateSql::SetInsertSQL(std::string sql) { impl_->Set(UpdateKind::Insert, std::move(sql)); }
void UpdateSql::SetDeleteSQL(std::string sql) { impl_->Set(UpdateKind::Delete, std::move(sql)); }
const std::string& UpdateSql::ModifySQL() const { return impl_->kinds[0].text; }
const std::string& UpdateSql::InsertSQL() const { return impl_->kinds[1].text; }
const std::string& UpdateSql::DeleteSQL() const { return impl_->kinds[2].text; }

std::uint64_t UpdateSql::Apply(UpdateKind kind, const FieldValues& newValues, const FieldValues& oldValues) {
  Prepared& p = impl_->kinds[static_cast<int>(kind)];
  if (p.text.empty()) throw DatabaseError("The update object has no statement for this change");
  Firebird::ITransaction* transaction = impl_->Transaction();
  if (!p.statement.IsPrepared()) {
    p.parameters.clear();
    p.statement.Prepare(impl_->Attachment(), transaction, ReplaceParameters(p.text, p.parameters));
  }

  ParameterValues values;
  for (const Parameter& parameter : p.parameters) {
    const FieldValue* value = FindFieldValue(parameter.old ? oldValues : newValues, parameter.field);
    if (!value) {
      throw DatabaseError("Field '" + parameter.field + "' not found for a parameter of the update object");
    }
    values.push_back(value->value);
  }

  const ParameterMessage message(p.statement, impl_->Attachment(), transaction, values);
  fb::Status status;
  std::uint64_t written = 0;
  fb::Guarded([&] {
    p.statement.Get()->execute(&status, transaction, message.Layout(), message.Data(), nullptr, nullptr);
    written = p.statement.Get()->getAffectedRecords(&status);
  });
  return written;
}

}  // namespace store
