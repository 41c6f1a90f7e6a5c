#include "store/SqlExecutor.h"

#include "store/DatabaseClient.h"
#include "store/FirebirdApi.h"
#include "store/ParameterMessage.h"
#include "store/PreparedStatement.h"

namespace store {

struct SqlExecutor::Impl : DatabaseClient {
  explicit Impl(Database& database) : DatabaseClient(database) {}
  void Disconnecting() override { statement.Release(); }

  std::string sql;
  PreparedStatement statement;
};

SqlExecutor::SqlExecutor(Database& database) : impl_(std::make_unique<Impl>(database)) {}

SqlExecutor::~SqlExecutor() = default;

void SqlExecutor::SetSQL(std::string sql) {
  if (sql == impl_->sql) return;
  impl_->statement.Release();
  impl_->sql = std::move(sql);
}

const std::string& SqlExecutor::SQL() const { return impl_->sql; }

void SqlExecutor::ExecQuery() { ExecQuery({}); }

void SqlExecutor::ExecQuery(const ParameterValues& values) {
  Firebird::ITransaction* transaction = impl_->Transaction();
  if (!impl_->statement.IsPrepared()) impl_->statement.Prepare(impl_->Attachment(), transaction, impl_->sql);
  PreparedStatement& statement = impl_->statement;
  const ParameterMessage input(statement, impl_->Attachment(), transaction, values);
  fb::Status status;
  fb::Guarded([&] {
    if (!statement.IsSelect()) {
      statement.Get()->execute(&status, transaction, input.Layout(), input.Data(), nullptr, nullptr);
      return;
    }
    Firebird::IMessageMetadata* layout = statement.RowLayout();
    MessageBuffer message(layout->getMessageLength(&status));
    Firebird::IResultSet* cursor =
        statement.Get()->openCursor(&status, transaction, input.Layout(), input.Data(), layout, 0);
    try {
      cursor->fetchNext(&status, message.Data());
      cursor->close(&status);
    } catch (...) {
      cursor->release();
      throw;
    }
  });
}

}  // namespace store
