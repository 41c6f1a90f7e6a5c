#pragma once
// The widths of the handbook's text columns (db/schema.sql) in characters, which in Windows-1251
// are bytes: an editor field takes no more, so the store never refuses a text for its length.
namespace store {

inline constexpr int kHeadwordColumnLength = 250;  // EUPHEMIZMS.EUPHEMIZM
inline constexpr int kOriginColumnLength = 2000;   // EUPHEMIZMS.ETIOLOGY

}  // namespace store
