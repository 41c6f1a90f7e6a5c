#pragma once
// Keys of terms added locally come from a range of their own. An update from the producer finds
// its terms by key alone, so a local term numbered like one of the producer's would be
// overwritten by it before the reader ever sent it. The producer numbers its terms from 1 up and
// never reaches the local range; EUPH_UID stays a 32-bit INTEGER, which holds the whole range.
#include <cstdint>

namespace store {

class Database;

// The first key a locally added term gets.
inline constexpr std::int32_t kLocalKeyBottom = 1'000'000'000;
// The schema's generator for EUPH_UID; it holds the last key it handed out.
inline constexpr const char* kTermKeyGenerator = "GEN_EUPH_UID";

// Raises the generator so that the next local term gets at least kLocalKeyBottom, and commits
// the change; a generator already there stays as it is, never lowered. A database without the
// generator (one not made from the handbook's schema) is left alone. Handbooks made before the
// range existed have a low generator; opening one mends it.
void KeepLocalKeysApart(Database& database);

// After rows were loaded: moves the generator past the highest EUPH_UID if that key is already
// in the local range, and commits; never moves it down.
void MoveLocalKeysPastLoadedOnes(Database& database);

}  // namespace store
