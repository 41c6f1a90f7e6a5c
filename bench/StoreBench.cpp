// The store on a large handbook: listing a section of 10,000 terms (statement 3, every row
// fetched), jumping by letter in it, and the substring search over 100,000 terms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/LocateRow.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "store/UpdateSql.h"
#include "text/Cp1251.h"
#include "text/Format.h"

namespace {

constexpr int kSections = 10;
constexpr int kTermsPerSection = 10000;

// A headword of Cyrillic letters from a number, so the list has every first letter.
std::string Headword(std::uint32_t n) {
  std::string word;
  word += static_cast<char>(0xC0 + n % 32);  // А..Я
  for (int i = 0; i < 8; ++i) {
    n = n * 1103515245u + 12345u;
    word += static_cast<char>(0xE0 + (n >> 16) % 32);  // а..я
  }
  return word;
}

// 100,000 terms in ten sections, made once per run in a temporary folder.
class LargeHandbook {
 public:
  LargeHandbook() {
    folder_ = std::filesystem::temp_directory_path() / ("korvand-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    const std::filesystem::path file = folder_ / "HANDBOOK.GDB";
    store::CreateHandbookDatabase(file, std::filesystem::path(HANDBOOK_SOURCE_DIR) / "db/schema.sql");
    database_.Open(file.string());
    store::UpdateSql insert(database_);
    insert.SetInsertSQL(
        "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID) "
        "values (:EUPH_UID, :EUPHEMIZM, :ETIOLOGY, :DESCRIPTION, :SECTION_UID)");
    const std::string origin = text::Utf8ToCp1251("греч. gaster – желудок + -itis – воспаление");
    const std::string description = text::Utf8ToCp1251(
        "Воспаление слизистой оболочки желудка, острое или хроническое; проявляется болью в "
        "подложечной области, тошнотой, изжогой. Диагноз ставят по гастроскопии и биопсии.");
    int key = 0;
    for (int section = 0; section < kSections; ++section) {
      for (int i = 0; i < kTermsPerSection; ++i) {
        ++key;
        const store::FieldValues row = {{"EUPH_UID", std::to_string(key)},
                                        {"EUPHEMIZM", Headword(static_cast<std::uint32_t>(key))},
                                        {"ETIOLOGY", origin},
                                        {"DESCRIPTION", description},
                                        {"SECTION_UID", std::to_string(section)}};
        insert.Apply(store::UpdateKind::Insert, row, row);
      }
    }
    database_.Commit();
  }
  ~LargeHandbook() {
    database_.Close();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  store::Database& database() { return database_; }

 private:
  std::filesystem::path folder_;
  store::Database database_;
};

LargeHandbook& Handbook() {
  static LargeHandbook handbook;
  return handbook;
}

void BM_ListSectionOf10000Terms(benchmark::State& state) {
  store::Query list(Handbook().database());
  for (auto _ : state) {
    list.SetSQL(text::Format(store::statements::SelectSectionTerms, {3}));
    list.Open();
    benchmark::DoNotOptimize(list.RecordCount());
  }
  state.counters["rows"] = list.RecordCount();
}
BENCHMARK(BM_ListSectionOf10000Terms)->Unit(benchmark::kMillisecond);

void BM_JumpByLetterIn10000Terms(benchmark::State& state) {
  store::Query list(Handbook().database());
  list.SetSQL(text::Format(store::statements::SelectSectionTerms, {3}));
  list.Open();
  const std::string lastLetter(1, static_cast<char>(0xFF));  // я: the end of the list
  for (auto _ : state) {
    list.MoveTo(0);
    benchmark::DoNotOptimize(store::LocateRow(list, "EUPHEMIZM", lastLetter,
                                              store::LocateCaseInsensitive | store::LocatePrefix));
  }
}
BENCHMARK(BM_JumpByLetterIn10000Terms)->Unit(benchmark::kMicrosecond);

void BM_SearchAll100000Terms(benchmark::State& state) {
  store::Query results(Handbook().database());
  const std::string text = text::Utf8ToCp1251("АБВ");
  for (auto _ : state) {
    results.SetSQL(text::Format(store::statements::SearchTerms, {text, text}));
    results.Open();
    benchmark::DoNotOptimize(results.RecordCount());
  }
  state.counters["rows"] = results.RecordCount();
}
BENCHMARK(BM_SearchAll100000Terms)->Unit(benchmark::kMillisecond);

}  // namespace
