#include "exchange/ChangedTerms.h"

#include <string>
#include <string_view>

#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"

namespace exchange {
namespace {

void AppendRows(store::Query& query, std::string_view select, std::vector<store::TermRecord>& terms) {
  query.SetSQL(std::string(select));
  query.Open();
  for (query.First(); !query.Eof(); query.Next()) terms.push_back(store::ReadTermRecord(query));
  query.Close();
}

void Execute(store::Query& query, std::string_view statement) {
  query.SetSQL(std::string(statement));
  query.Open();
  query.Close();
}

}  // namespace

std::vector<store::TermRecord> ReadChangedTerms(store::Query& query) {
  // Every article is sent: fetched with its row rather than one by one afterwards.
  struct BlobsWithRows {
    store::Query& query;
    explicit BlobsWithRows(store::Query& q) : query(q) { query.SetBlobsWithRows(true); }
    ~BlobsWithRows() { query.SetBlobsWithRows(false); }
  } withRows(query);
  std::vector<store::TermRecord> terms;
  AppendRows(query, store::statements::SelectEditedTerms, terms);
  AppendRows(query, store::statements::SelectCreatedTerms, terms);
  return terms;
}

void SettleSentChanges(store::Query& query, store::Database& database) {
  Execute(query, store::statements::DeleteCreatedTerms);
  Execute(query, store::statements::ClearEditedMarks);
  database.CommitRetaining();
}

}  // namespace exchange
