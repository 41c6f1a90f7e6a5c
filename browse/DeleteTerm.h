#pragma once
// Ctrl+Delete in the term grid: after the person's OK, the current term is deleted through the
// term list's update object and the deletion is made durable at once.
namespace store {
class Database;
class Query;
}  // namespace store

namespace browse {

inline constexpr const char* kDeleteQuestion = "Delete record?";

// Returns whether the term was deleted. Nothing happens on an empty list or on Cancel. A delete
// the server rejects throws DatabaseError and leaves the row in the list.
bool DeleteCurrentTerm(store::Query& termList, store::Database& database);

}  // namespace browse
