#pragma once
// The server's one connection, used by its request threads one at a time. Every use ends its
// transaction, so the next one sees what other processes committed meanwhile.
#include <mutex>

#include "store/Database.h"

namespace producer {

struct SharedDatabase {
  std::mutex mutex;
  store::Database database;
};

}  // namespace producer
