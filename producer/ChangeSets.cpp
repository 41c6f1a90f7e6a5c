#include "producer/ChangeSets.h"


#include "producer/TimestampText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace producer {
namespace {

std::optional<int> OptionalInteger(const store::Field& field) {
  if (field.IsNull()) return std::nullopt;
  return field.AsInteger();
}

// "10-DEC-2026 9:05:00.0000" as the engine writes a timestamp, without the ten-thousandths.
std::string WithoutFraction(std::string time) {
  if (const std::size_t dot = time.rfind('.'); dot != std::string::npos) time.erase(dot);
  return time;
}

}  // namespace

std::string ChangeSetFault(const std::vector<exchange::ReceivedTerm>& terms) {
  if (terms.empty()) return "no terms";
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const std::string where = " in term " + std::to_string(i + 1);
    if (terms[i].title.size() > kLongestTitle) return "title longer than " + std::to_string(kLongestTitle) + where;
    if (terms[i].etiology.size() > kLongestEtiology)
      return "etiology longer than " + std::to_string(kLongestEtiology) + where;
  }
  return {};
}

int StoreChangeSet(store::Database& database, std::string_view sender, text::DateTime receivedAt,
                   const std::vector<exchange::ReceivedTerm>& terms) {
  try {
    store::Query number(database);
    number.SetSQL("select gen_id(GEN_CHANGE_SET, 1) as ID from RDB$DATABASE");
    number.Open();
    const int setId = number.FieldByName("ID").AsInteger();
    store::SqlExecutor insert(database);
    insert.SetSQL("insert into CHANGE_SETS (SET_ID, SENDER, RECEIVED_AT) values (?, ?, ?)");
    insert.ExecQuery({std::to_string(setId), std::string(sender.substr(0, 64)), TimestampText(receivedAt)});
    insert.SetSQL(
        "insert into RECEIVED_TERMS (SET_ID, TERM_NO, EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION) "
        "values (?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < terms.size(); ++i) {
      const exchange::ReceivedTerm& term = terms[i];
      insert.ExecQuery({std::to_string(setId), std::to_string(i + 1),
                        term.uid ? std::optional(std::to_string(*term.uid)) : std::nullopt, term.title,
                        term.etiology, term.description});
    }
    database.Commit();
    return setId;
  } catch (...) {
    try {
      database.Rollback();
    } catch (...) {
      // The first error says more.
    }
    throw;
  }
}

std::vector<ChangeSetRow> ReadChangeSets(store::Database& database, bool undecidedOnly) {
  store::Query query(database);
  query.SetSQL(
      "select s.SET_ID, s.SENDER, s.RECEIVED_AT, t.TERM_NO, t.EUPH_UID, t.EUPHEMIZM, t.ETIOLOGY, t.DESCRIPTION, "
      "t.DECISION, t.PUBLISHED_UID from CHANGE_SETS s join RECEIVED_TERMS t on t.SET_ID = s.SET_ID "
      "order by s.SET_ID, t.TERM_NO");
  query.Open();
  std::vector<ChangeSetRow> sets;
  for (query.First(); !query.Eof(); query.Next()) {
    const int setId = query.FieldByName("SET_ID").AsInteger();
    if (sets.empty() || sets.back().setId != setId) {
      sets.push_back({setId, query.FieldByName("SENDER").AsString(),
                      WithoutFraction(query.FieldByName("RECEIVED_AT").AsString()), {}});
    }
    sets.back().terms.push_back({query.FieldByName("TERM_NO").AsInteger(), OptionalInteger(query.FieldByName("EUPH_UID")),
                                 query.FieldByName("EUPHEMIZM").AsString(), query.FieldByName("ETIOLOGY").AsString(),
                                 query.FieldByName("DESCRIPTION").AsString(), query.FieldByName("DECISION").AsString(),
                                 OptionalInteger(query.FieldByName("PUBLISHED_UID"))});
  }
  if (undecidedOnly) {
    std::erase_if(sets, [](const ChangeSetRow& set) {
      for (const ReceivedTermRow& term : set.terms) {
        if (term.decision.empty()) return false;
      }
      return true;
    });
  }
  return sets;
}

}  // namespace producer

