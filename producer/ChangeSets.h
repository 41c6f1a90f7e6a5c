#pragma once
// The change sets readers sent, kept for the editors: who sent them, when, and each term as sent.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ChangeDocumentReader.h"
#include "text/DateTime.h"

namespace store {
class Database;
}

namespace producer {

inline constexpr const char* kAccepted = "accepted";
inline constexpr const char* kRejected = "rejected";

struct ReceivedTermRow {
  int termNo = 0;                  // 1-based, in document order
  std::optional<int> uid;          // the reader's key of an edited term; none for a created one
  std::string title;
  std::string etiology;
  std::string description;
  std::string decision;            // "", kAccepted or kRejected
  std::optional<int> publishedUid;  // the published term an accepted one became
};

struct ChangeSetRow {
  int setId = 0;
  std::string sender;
  std::string receivedAt;  // as the engine writes it: "10-DEC-2026 9:05:00"
  std::vector<ReceivedTermRow> terms;
};

// The longest title and origin the handbook's columns hold.
inline constexpr std::size_t kLongestTitle = 250;
inline constexpr std::size_t kLongestEtiology = 2000;

// Empty when every term fits the handbook's columns; else a short reason.
std::string ChangeSetFault(const std::vector<exchange::ReceivedTerm>& terms);

// Stores the set and commits; returns its number. On an error nothing of it stays.
int StoreChangeSet(store::Database& database, std::string_view sender, text::DateTime receivedAt,
                   const std::vector<exchange::ReceivedTerm>& terms);

// Every set by number, or only those with a term still undecided.
std::vector<ChangeSetRow> ReadChangeSets(store::Database& database, bool undecidedOnly);

}  // namespace producer
