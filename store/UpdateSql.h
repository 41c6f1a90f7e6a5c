#pragma once
// The statements that write an edited row back: modify, insert and delete. A parameter :NAME is
// bound from the row's new value of field NAME, :OLD_NAME from its value as fetched; values go as
// Windows-1251 text (a text over 32765 bytes as a text blob) and the server converts them to the
// column's type.
#include <cstdint>
#include <memory>
#include <string>

#include "store/FieldValues.h"

namespace store {

class Database;

enum class UpdateKind { Modify, Insert, Delete };

class UpdateSql {
 public:
  explicit UpdateSql(Database& database);
  ~UpdateSql();
  UpdateSql(const UpdateSql&) = delete;
  UpdateSql& operator=(const UpdateSql&) = delete;

  void SetModifySQL(std::string sql);
  void SetInsertSQL(std::string sql);
  void SetDeleteSQL(std::string sql);
  const std::string& ModifySQL() const;
  const std::string& InsertSQL() const;
  const std::string& DeleteSQL() const;

  // Runs one statement and returns how many rows it wrote; throws DatabaseError (also for a
  // parameter with no field of that name).
  std::uint64_t Apply(UpdateKind kind, const FieldValues& newValues, const FieldValues& oldValues);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace store
