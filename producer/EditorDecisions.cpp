#include "producer/EditorDecisions.h"

#include <algorithm>
#include <string>

#include "producer/ChangeSets.h"
#include "producer/ProducerDatabase.h"
#include "producer/PublishedHandbook.h"
#include "producer/TimestampText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace producer {
namespace {

struct Undecided {
  int termNo;
  std::optional<int> uid;
  std::string title, etiology, description;
};

// The terms asked for, all undecided; throws DecisionError otherwise.
std::vector<Undecided> Choose(store::Database& database, int setId, const std::vector<int>& termNos) {
  store::Query query(database);
  query.SetSQL(
      "select TERM_NO, EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, DECISION from RECEIVED_TERMS "
      "where SET_ID = ? order by TERM_NO");
  query.Open({std::to_string(setId)});
  if (query.Eof()) throw DecisionError("there is no change set " + std::to_string(setId));
  std::vector<Undecided> chosen;
  std::vector<int> found;
  for (query.First(); !query.Eof(); query.Next()) {
    const int termNo = query.FieldByName("TERM_NO").AsInteger();
    const bool asked = termNos.empty() || std::ranges::count(termNos, termNo) > 0;
    if (!asked) continue;
    found.push_back(termNo);
    const std::string decision = query.FieldByName("DECISION").AsString();
    if (!decision.empty()) {
      if (termNos.empty()) continue;
      throw DecisionError("term " + std::to_string(termNo) + " of set " + std::to_string(setId) + " is " + decision +
                          " already");
    }
    std::optional<int> uid;
    if (!query.FieldByName("EUPH_UID").IsNull()) uid = query.FieldByName("EUPH_UID").AsInteger();
    chosen.push_back({termNo, uid, query.FieldByName("EUPHEMIZM").AsString(), query.FieldByName("ETIOLOGY").AsString(),
                      query.FieldByName("DESCRIPTION").AsString()});
  }
  for (int termNo : termNos) {
    if (std::ranges::count(found, termNo) == 0)
      throw DecisionError("set " + std::to_string(setId) + " has no term " + std::to_string(termNo));
  }
  return chosen;
}

bool IsPublished(store::Database& database, int uid) {
  if (uid < 0 || uid >= kFirstReaderKey) return false;
  store::Query query(database);
  query.SetSQL("select EUPH_UID from EUPHEMIZMS where EUPH_UID = ?");
  query.Open({std::to_string(uid)});
  return !query.Eof();
}

void RequireCategory(store::Database& database, std::optional<int> category, int termNo) {
  if (!category)
    throw DecisionError("term " + std::to_string(termNo) + " is new here: name its category (--category)");
  store::Query query(database);
  query.SetSQL("select SECTION_UID from SECTIONS where SECTION_UID = ?");
  query.Open({std::to_string(*category)});
  if (query.Eof()) throw DecisionError("there is no category " + std::to_string(*category));
}

int NextProducerKey(store::Database& database) {
  store::Query query(database);
  query.SetSQL("select max(EUPH_UID) as LAST_UID from EUPHEMIZMS where EUPH_UID < ?");
  query.Open({std::to_string(kFirstReaderKey)});
  const int next = query.FieldByName("LAST_UID").AsInteger() + 1;
  if (next >= kFirstReaderKey) throw DecisionError("the producer's keys are used up");
  return next;
}

void Decide(store::Database& database, int setId, int termNo, const char* decision, std::optional<int> publishedUid) {
  store::SqlExecutor update(database);
  update.SetSQL("update RECEIVED_TERMS set DECISION = ?, PUBLISHED_UID = ? where SET_ID = ? and TERM_NO = ?");
  update.ExecQuery({std::string(decision), publishedUid ? std::optional(std::to_string(*publishedUid)) : std::nullopt,
                    std::to_string(setId), std::to_string(termNo)});
}

template <class Work>
auto InOneTransaction(store::Database& database, Work work) {
  try {
    auto result = work();
    database.Commit();
    return result;
  } catch (...) {
    try {
      database.Rollback();
    } catch (...) {
      // The first error says more.
    }
    throw;
  }
}

}  // namespace

std::vector<AcceptedTerm> AcceptChanges(store::Database& database, int setId, const std::vector<int>& termNos,
                                        std::optional<int> category, text::DateTime now) {
  return InOneTransaction(database, [&] {
    std::vector<AcceptedTerm> accepted;
    const std::string published = TimestampText(now);
    store::SqlExecutor write(database);
    for (const Undecided& term : Choose(database, setId, termNos)) {
      AcceptedTerm result{term.termNo, 0, term.uid && IsPublished(database, *term.uid)};
      if (result.replaced) {
        result.publishedUid = *term.uid;
        write.SetSQL(
            "update EUPHEMIZMS set EUPHEMIZM = ?, ETIOLOGY = ?, DESCRIPTION = ?, PUBLISHED_AT = ? where EUPH_UID = ?");
        write.ExecQuery({term.title, term.etiology, term.description, published, std::to_string(result.publishedUid)});
      } else {
        RequireCategory(database, category, term.termNo);
        result.publishedUid = NextProducerKey(database);
        write.SetSQL(
            "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, PUBLISHED_AT) "
            "values (?, ?, ?, ?, ?, ?)");
        write.ExecQuery({std::to_string(result.publishedUid), term.title, term.etiology, term.description,
                         std::to_string(*category), published});
      }
      Decide(database, setId, term.termNo, kAccepted, result.publishedUid);
      accepted.push_back(result);
    }
    if (!accepted.empty()) {
      RecordPublication(database, "change set " + std::to_string(setId) + ", " + std::to_string(accepted.size()) +
                                      " term(s) accepted",
                        now);
    }
    return accepted;
  });
}

int RejectChanges(store::Database& database, int setId, const std::vector<int>& termNos) {
  return InOneTransaction(database, [&] {
    int rejected = 0;
    for (const Undecided& term : Choose(database, setId, termNos)) {
      Decide(database, setId, term.termNo, kRejected, std::nullopt);
      ++rejected;
    }
    return rejected;
  });
}

}  // namespace producer
