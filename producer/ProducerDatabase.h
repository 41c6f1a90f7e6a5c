#pragma once
// The producer's database: the handbook's schema, the time each category and term was last
// published, the publications, and the change sets readers sent. Its name is a file for the
// embedded engine, or "host:path" (also "host/port:path") for a Firebird server that several
// producer processes share.
#include <string>

namespace store {
class Database;
}

namespace producer {

// The readers' own keys start here; the producer numbers its terms below.
inline constexpr int kFirstReaderKey = 1'000'000'000;

// Connects `database` to `name`; a database that does not exist yet is made first, empty.
// Returns true when it was made. Throws DatabaseError.
bool OpenProducerDatabase(store::Database& database, const std::string& name);

// Makes the producer's database: the handbook's schema, then the producer's tables. Refuses an
// existing file. Leaves `database` connected to it.
void CreateProducerDatabase(store::Database& database, const std::string& name);

}  // namespace producer
