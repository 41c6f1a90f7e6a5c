#include "producer/PublishedHandbook.h"

#include "producer/ProducerDatabase.h"
#include "producer/TimestampText.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace producer {

PublishedUpdate ReadPublishedSince(store::Database& database, const std::string& since) {
  PublishedUpdate update;
  store::Query query(database);
  query.SetSQL("select SECTION_UID, SECTION_NAME from SECTIONS order by SECTION_UID");
  query.Open();
  for (query.First(); !query.Eof(); query.Next()) {
    update.categories.push_back({query.FieldByName("SECTION_UID").AsString(), query.FieldByName("SECTION_NAME").AsString()});
  }
  query.SetSQL(
      "select EUPH_UID, SECTION_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION from EUPHEMIZMS "
      "where PUBLISHED_AT >= ? and EUPH_UID < ? order by EUPH_UID");
  query.Open({since, std::to_string(kFirstReaderKey)});
  update.terms.reserve(query.RecordCount());
  for (query.First(); !query.Eof(); query.Next()) {
    update.terms.push_back({query.FieldByName("EUPH_UID").AsString(), query.FieldByName("SECTION_UID").AsString(),
                            query.FieldByName("EUPHEMIZM").AsString(), query.FieldByName("ETIOLOGY").AsString(),
                            query.FieldByName("DESCRIPTION").AsString()});
  }
  return update;
}

int LatestPublication(store::Database& database) {
  store::Query query(database);
  query.SetSQL("select first 1 PUBLICATION_ID from PUBLICATIONS order by PUBLICATION_ID desc");
  query.Open();
  return query.Eof() ? 0 : query.FieldByName("PUBLICATION_ID").AsInteger();
}

int RecordPublication(store::Database& database, std::string_view what, text::DateTime now) {
  store::Query number(database);
  number.SetSQL("select gen_id(GEN_PUBLICATION, 1) as ID from RDB$DATABASE");
  number.Open();
  const int id = number.FieldByName("ID").AsInteger();
  store::SqlExecutor insert(database);
  insert.SetSQL("insert into PUBLICATIONS (PUBLICATION_ID, PUBLISHED_AT, WHAT) values (?, ?, ?)");
  insert.ExecQuery({std::to_string(id), TimestampText(now), std::string(what.substr(0, 250))});
  return id;
}

}  // namespace producer
