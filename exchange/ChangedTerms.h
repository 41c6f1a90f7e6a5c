#pragma once
// The locally changed terms in the store: read for sending, and settled once the producer has
// them. Both work through a query whose text they replace.
#include <vector>

#include "store/Records.h"

namespace store {
class Database;
class Query;
}  // namespace store

namespace exchange {

// The terms marked "+" in the order the store returns them, then those marked "*". The query is
// left closed.
std::vector<store::TermRecord> ReadChangedTerms(store::Query& query);

// After the producer accepted them: deletes the terms created here, clears the edit marks and
// commits at once (retaining), so a crash afterwards cannot bring back terms already sent and
// have them sent again. The query is left closed.
void SettleSentChanges(store::Query& query, store::Database& database);

}  // namespace exchange
