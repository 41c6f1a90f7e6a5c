#include "store/UpdateSql.h"

#include <ibase.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "store/TextCompare.h"
#include "store/DatabaseClient.h"
#include "store/DatabaseError.h"
#include "store/FirebirdApi.h"
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

// A text too long for a VARYING parameter goes as a blob.
ISC_QUAD WriteBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const std::string& text) {
  fb::Status status;
  ISC_QUAD id{};
  Firebird::IBlob* blob = attachment->createBlob(&status, transaction, &id, 0, nullptr);
  try {
    for (size_t at = 0; at < text.size(); at += PreparedStatement::kLongestText) {
      const size_t length = std::min<size_t>(PreparedStatement::kLongestText, text.size() - at);
      blob->putSegment(&status, static_cast<unsigned>(length), text.data() + at);
    }
    blob->close(&status);
  } catch (...) {
    blob->release();
    throw;
  }
  return id;
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

void UpdateSql::Apply(UpdateKind kind, const FieldValues& newValues, const FieldValues& oldValues) {
  Prepared& p = impl_->kinds[static_cast<int>(kind)];
  if (p.text.empty()) throw DatabaseError("The update object has no statement for this change");
  Firebird::ITransaction* transaction = impl_->Transaction();
  if (!p.statement.IsPrepared()) {
    p.parameters.clear();
    p.statement.Prepare(impl_->Attachment(), transaction, ReplaceParameters(p.text, p.parameters));
  }

  std::vector<const std::optional<std::string>*> values;
  std::vector<unsigned> lengths;
  for (const Parameter& parameter : p.parameters) {
    const FieldValue* value = FindFieldValue(parameter.old ? oldValues : newValues, parameter.field);
    if (!value) {
      throw DatabaseError("Field '" + parameter.field + "' not found for a parameter of the update object");
    }
    values.push_back(&value->value);
    lengths.push_back(value->value ? static_cast<unsigned>(value->value->size()) : 0);
  }

  fb::Status status;
  fb::Guarded([&] {
    Firebird::IMessageMetadata* layout = p.statement.ParameterLayout(lengths);
    try {
      MessageBuffer message(layout->getMessageLength(&status));
      for (unsigned i = 0; i < values.size(); ++i) {
        unsigned char* field = message.Data() + layout->getOffset(&status, i);
        const short isNull = values[i]->has_value() ? 0 : -1;
        std::memcpy(message.Data() + layout->getNullOffset(&status, i), &isNull, sizeof isNull);
        if (lengths[i] > PreparedStatement::kLongestText) {
          const ISC_QUAD id = WriteBlob(impl_->Attachment(), transaction, **values[i]);
          std::memcpy(field, &id, sizeof id);
          continue;
        }
        const unsigned short length = static_cast<unsigned short>(lengths[i]);
        std::memcpy(field, &length, sizeof length);
        if (length) std::memcpy(field + 2, (*values[i])->data(), length);
      }
      p.statement.Get()->execute(&status, transaction, layout, message.Data(), nullptr, nullptr);
    } catch (...) {
      layout->release();
      throw;
    }
    layout->release();
  });
}

}  // namespace store
