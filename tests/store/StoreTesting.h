#pragma once
// Small helpers shared by the store's tests: one-off statements.
#include <cstdint>
#include <string>

#include "store/Database.h"

namespace store_testing {

// Runs a statement (Windows-1251) in the database's transaction.
void Execute(store::Database& database, const std::string& sql);
// The first column of the first row of a select, as text ("" when NULL or no row).
std::string FirstValue(store::Database& database, const std::string& sql);
std::int32_t Count(store::Database& database, const std::string& sql);

}  // namespace store_testing
