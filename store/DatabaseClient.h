#pragma once
// Private to the store: a statement object on a Database. It reaches the attachment and the one
// transaction through the database (connecting and starting on demand) and hears when the
// transaction ends or the connection closes.
#include <firebird/Interface.h>

namespace store {

class Database;

class DatabaseClient {
 public:
  explicit DatabaseClient(Database& database);
  virtual ~DatabaseClient();
  DatabaseClient(const DatabaseClient&) = delete;
  DatabaseClient& operator=(const DatabaseClient&) = delete;

  // Before the transaction commits or rolls back (not on commit retaining).
  virtual void TransactionEnding() {}
  // Before the connection closes: prepared statements must go now.
  virtual void Disconnecting() {}

  Firebird::IAttachment* Attachment();
  Firebird::ITransaction* Transaction();

 private:
  friend class Database;
  Database* database_;  // null once the database is destroyed
};

}  // namespace store
