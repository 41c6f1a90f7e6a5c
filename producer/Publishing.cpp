#include "producer/Publishing.h"

#include <stdexcept>
#include <string>
#include <unistd.h>

#include "producer/HandbookScripts.h"
#include "producer/ProducerDatabase.h"
#include "producer/PublishedHandbook.h"
#include "producer/TimestampText.h"
#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"

namespace producer {
namespace {

template <class Work>
PublishedCount InOneTransaction(store::Database& database, std::string_view what, text::DateTime now, Work work) {
  try {
    const PublishedCount count = work();
    if (count.categories + count.terms > 0) {
      RecordPublication(database,
                        std::string(what) + ": " + std::to_string(count.categories) + " categories, " +
                            std::to_string(count.terms) + " terms",
                        now);
    }
    database.Commit();
    return count;
  } catch (...) {
    try {
      database.Rollback();
    } catch (...) {
      // The first error says more.
    }
    throw;
  }
}

int Count(store::Database& database, const std::string& sql, const store::ParameterValues& values) {
  store::Query query(database);
  query.SetSQL(sql);
  query.Open(values);
  return query.FieldByName("N").AsInteger();
}

// A scratch folder of its own, gone afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvand-producer-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

PublishedCount ImportHandbook(store::Database& database, const std::filesystem::path& handbookFile, text::DateTime now) {
  store::Database source;
  source.Open(handbookFile.string());
  store::Query rows(source);
  return InOneTransaction(database, "import of " + handbookFile.filename().string(), now, [&] {
    PublishedCount count;
    const std::string published = TimestampText(now);
    store::SqlExecutor write(database);
    rows.SetSQL("select SECTION_UID, SECTION_NAME from SECTIONS");
    rows.Open();
    write.SetSQL(
        "update or insert into SECTIONS (SECTION_UID, SECTION_NAME, PUBLISHED_AT) values (?, ?, ?) "
        "matching (SECTION_UID)");
    for (rows.First(); !rows.Eof(); rows.Next()) {
      write.ExecQuery({rows.FieldByName("SECTION_UID").AsString(), rows.FieldByName("SECTION_NAME").AsString(),
                       published});
      ++count.categories;
    }
    rows.SetSQL("select EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID from EUPHEMIZMS");
    rows.Open();
    write.SetSQL(
        "update or insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID, PUBLISHED_AT) "
        "values (?, ?, ?, ?, ?, ?) matching (EUPH_UID)");
    for (rows.First(); !rows.Eof(); rows.Next()) {
      if (rows.FieldByName("EUPH_UID").AsInteger() >= kFirstReaderKey) {
        ++count.skipped;
        continue;
      }
      write.ExecQuery({rows.FieldByName("EUPH_UID").AsString(), rows.FieldByName("EUPHEMIZM").AsString(),
                       rows.FieldByName("ETIOLOGY").AsString(), rows.FieldByName("DESCRIPTION").AsString(),
                       rows.FieldByName("SECTION_UID").AsString(), published});
      ++count.terms;
    }
    return count;
  });
}

PublishedCount ImportDataScript(store::Database& database, std::string_view scriptUtf8, text::DateTime now) {
  const ScratchFolder scratch;
  const std::filesystem::path handbook = scratch.Path() / "IMPORT.GDB";
  store::CreateHandbookDatabaseFromText(handbook, std::string(HandbookSchemaScript()), {std::string(scriptUtf8)});
  return ImportHandbook(database, handbook, now);
}

PublishedCount PublishUnpublished(store::Database& database, text::DateTime now) {
  return InOneTransaction(database, "unpublished rows", now, [&] {
    PublishedCount count;
    const std::string below = std::to_string(kFirstReaderKey);
    count.categories = Count(database, "select count(*) as N from SECTIONS where PUBLISHED_AT is null", {});
    count.terms =
        Count(database, "select count(*) as N from EUPHEMIZMS where PUBLISHED_AT is null and EUPH_UID < ?", {below});
    store::SqlExecutor write(database);
    write.SetSQL("update SECTIONS set PUBLISHED_AT = ? where PUBLISHED_AT is null");
    write.ExecQuery({TimestampText(now)});
    write.SetSQL("update EUPHEMIZMS set PUBLISHED_AT = ? where PUBLISHED_AT is null and EUPH_UID < ?");
    write.ExecQuery({TimestampText(now), below});
    return count;
  });
}

PublishedCount PublishKeys(store::Database& database, const std::vector<int>& categories, const std::vector<int>& terms,
                           text::DateTime now) {
  return InOneTransaction(database, "named rows", now, [&] {
    PublishedCount count;
    store::SqlExecutor write(database);
    write.SetSQL("update SECTIONS set PUBLISHED_AT = ? where SECTION_UID = ?");
    for (int key : categories) {
      if (Count(database, "select count(*) as N from SECTIONS where SECTION_UID = ?", {std::to_string(key)}) == 0)
        throw std::invalid_argument("there is no category " + std::to_string(key));
      write.ExecQuery({TimestampText(now), std::to_string(key)});
      ++count.categories;
    }
    write.SetSQL("update EUPHEMIZMS set PUBLISHED_AT = ? where EUPH_UID = ?");
    for (int key : terms) {
      if (key >= kFirstReaderKey ||
          Count(database, "select count(*) as N from EUPHEMIZMS where EUPH_UID = ?", {std::to_string(key)}) == 0)
        throw std::invalid_argument("there is no term " + std::to_string(key));
      write.ExecQuery({TimestampText(now), std::to_string(key)});
      ++count.terms;
    }
    return count;
  });
}

}  // namespace producer
