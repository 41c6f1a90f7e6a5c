#pragma once
// The connection to the handbook database and its one transaction.
//
// The transaction starts by itself with the first statement after connecting or after it last
// ended, and stays open. Commit() ends it (closing every open query); CommitRetaining() makes the
// changes durable and keeps it and the open queries as they are. Closing the connection or
// destroying the object commits the open transaction, and rolls it back if that commit fails.
//
// Database names are file-system paths (UTF-8 on Linux), optionally with a server prefix such as
// "localhost:". A plain path is attached strictly through the embedded engine, so that a server
// prefix is the only way to reach a server. The database must outlive the queries made on it.
#include <memory>
#include <string>

namespace store {

class DatabaseClient;

class Database {
 public:
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void SetDatabaseName(std::string name);
  const std::string& DatabaseName() const;

  // Port of the server reached through a prefixed name; 0 leaves the client library's default.
  void SetServerPort(int port);
  // The embedded engine's page cache in pages, for an attach that is the process's first to the
  // file; 0 (the default) leaves the engine's 2,048.
  void SetPageCache(int pages);

  // Connects with the current name (no-op when already connected); throws DatabaseError.
  void Open();
  void Open(std::string name);
  // Makes a new, empty database file (dialect 1, WIN1251) by that name and stays connected to it.
  void Create(std::string name);
  // Commits the open transaction (rolls back if that fails) and disconnects. Never throws.
  void Close();
  bool IsOpen() const;

  bool InTransaction() const;
  void Commit();
  void CommitRetaining();
  void Rollback();

  struct Impl;

 private:
  friend class DatabaseClient;
  std::unique_ptr<Impl> impl_;
};

}  // namespace store
