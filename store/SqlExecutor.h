#pragma once
// Executor of single statements that return no rows (a select is run and its rows ignored).
#include <memory>
#include <string>

#include "store/FieldValues.h"

namespace store {

class Database;

class SqlExecutor {
 public:
  explicit SqlExecutor(Database& database);
  ~SqlExecutor();
  SqlExecutor(const SqlExecutor&) = delete;
  SqlExecutor& operator=(const SqlExecutor&) = delete;

  void SetSQL(std::string sql);
  const std::string& SQL() const;
  void ExecQuery();  // within the database's one transaction; throws DatabaseError
  // The same with the statement's "?" parameters bound to `values` in order, so that values of
  // any length (a text blob of megabytes) travel outside the statement text.
  void ExecQuery(const ParameterValues& values);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace store
