#pragma once
// What the producer has published, as the update documents carry it, and the record of when.
// Every function works in the database's open transaction and leaves ending it to the caller.
#include <string>
#include <string_view>
#include <vector>

#include "exchange/UpdateRecords.h"
#include "text/DateTime.h"

namespace store {
class Database;
}

namespace producer {

struct PublishedUpdate {
  std::vector<exchange::ProducerCategory> categories;  // all of them, by key
  std::vector<exchange::ProducerTerm> terms;           // published at or after the date, by key
};

// `since` is a timestamp text ("2008-12-29 00:00:00").
PublishedUpdate ReadPublishedSince(store::Database& database, const std::string& since);

// The latest publication's number; 0 before the first.
int LatestPublication(store::Database& database);

// Adds a publication at `now` saying what was published; returns its number.
int RecordPublication(store::Database& database, std::string_view what, text::DateTime now);

}  // namespace producer
