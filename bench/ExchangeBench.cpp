// The producer exchange against bare references, side by side in one run:
// - an update of 10,000 terms (half known, half new) fetched from a loopback HTTP server, unpacked,
//   checked, read and applied to a real handbook, against a loop of the same look-ups and writes
//   through statements prepared once on the client library directly;
// - unpacking and checking a 20 MiB document, against zlib's inflate and OpenSSL's MD5.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <fcntl.h>
#include <ibase.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/LargeHandbook.h"
#include "exchange/HttpClient.h"
#include "exchange/UpdateApplication.h"
#include "exchange/UpdateBody.h"
#include "exchange/UpdateDigest.h"
#include "exchange/UpdateDocumentReader.h"
#include "exchange/UpdateStatements.h"
#include "store/CreateHandbookDatabase.h"
#include "store/Database.h"
#include "store/FirebirdApi.h"
#include "store/Query.h"
#include "store/SqlExecutor.h"
#include "store/Statements.h"
#include "tests/exchange/UpdateDocumentBuilder.h"
#include "tests/support/Gzip.h"
#include "tests/support/LoopbackServer.h"
#include "text/Cp1251.h"
#include "text/Format.h"

#ifdef HANDBOOK_BENCH_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

constexpr int kSections = 10;
constexpr int kUpdateTerms = 10000;  // half of them known to the handbook, half new

std::string SectionName(int section) { return text::Utf8ToCp1251("Раздел ") + std::to_string(section); }

// A headword, origin and article of about the size the producer sends; `edition` tells the
// stored text from the received one.
exchange::ProducerTerm Term(int key, int section, const std::string& edition) {
  return {std::to_string(key), std::to_string(section),
          text::Utf8ToCp1251("Гастрит ") + std::to_string(key) + edition,
          text::Utf8ToCp1251("греч. gaster – желудок + -itis – воспаление"),
          text::Utf8ToCp1251("Воспаление слизистой оболочки желудка, острое или хроническое; проявляется болью в "
                             "подложечной области, тошнотой, изжогой. Диагноз ставят по гастроскопии. ") +
              edition};
}

// Figures are taken only of work that did what it should.
void Require(bool condition, const char* what) {
  if (!condition) throw std::runtime_error(what);
}

int CountOf(store::Database& database, const std::string& sql) {
  store::Query count(database);
  count.SetSQL(sql);
  count.Open();
  return std::stoi(std::string(count.Text(0, 0)));
}

// The handbook an update is applied to, and the update that matches it: every category (all
// known, names unchanged), then 5,000 terms the handbook has and 5,000 it has not.
// By default a small handbook of 10 categories and the 5,000 odd keys of 1..10,000, made for the
// run. KORVAND_BENCH_HANDBOOK names a large handbook of bench/LargeHandbook.h instead (keys
// 1..terms): the known terms are spread evenly over it, the new ones follow its last key, and the
// list open during the apply is section 0, as after the program's start.
class PreparedHandbook {
 public:
  PreparedHandbook() {
    folder_ = std::filesystem::temp_directory_path() / ("korvand-exchange-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    if (const char* large = std::getenv("KORVAND_BENCH_HANDBOOK")) {
      master_ = large;
      TakeLargeHandbook();
    } else {
      master_ = folder_ / "PREPARED.GDB";
      MakeSmallHandbook();
    }
  }
  ~PreparedHandbook() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // A copy of the prepared handbook, replacing the last one.
  std::string FreshCopy() const {
    const std::filesystem::path copy = folder_ / "HANDBOOK.GDB";
    std::filesystem::copy_file(master_, copy, std::filesystem::copy_options::overwrite_existing);
    // Written through to the disk here, so the first commit of the timed apply does not flush it.
    const int descriptor = ::open(copy.c_str(), O_RDWR);
    Require(descriptor >= 0 && ::fsync(descriptor) == 0, "the copy of the handbook did not reach the disk");
    ::close(descriptor);
    return copy.string();
  }

  const exchange_test::UpdateDocumentBuilder& Update() const { return update_; }
  int ListedSection() const { return listedSection_; }
  int TermsAfterApply() const { return termsBefore_ + newTerms_; }

 private:
  void MakeSmallHandbook() {
    listedSection_ = 3;
    termsBefore_ = kUpdateTerms / 2;
    store::CreateHandbookDatabase(master_, std::filesystem::path(HANDBOOK_SOURCE_DIR) / "db/schema.sql");
    store::Database database;
    database.Open(master_.string());
    store::SqlExecutor section(database);
    section.SetSQL("insert into SECTIONS (SECTION_UID, SECTION_NAME) values (?, ?)");
    for (int i = 0; i < kSections; ++i) {
      section.ExecQuery({std::to_string(i), SectionName(i)});
      update_.categories.push_back({std::to_string(i), SectionName(i)});
    }
    store::SqlExecutor term(database);
    term.SetSQL(
        "insert into EUPHEMIZMS (EUPH_UID, SECTION_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION) values (?, ?, ?, ?, ?)");
    for (int key = 1; key <= kUpdateTerms; ++key) {
      if (key % 2 == 1) {
        const exchange::ProducerTerm stored = Term(key, key % kSections, "(old)");
        term.ExecQuery({stored.uid, stored.sectionUid, stored.title, stored.etiology, stored.description});
      }
      update_.terms.push_back(Term(key, key % kSections, "(new)"));
    }
    database.Commit();
    database.Close();
  }

  void TakeLargeHandbook() {
    listedSection_ = 0;
    store::Database database;
    database.Open(master_.string());
    termsBefore_ = CountOf(database, "select count(*) from EUPHEMIZMS");
    store::Query sections(database);
    sections.SetSQL("select SECTION_UID, SECTION_NAME from SECTIONS order by SECTION_UID");
    sections.Open();
    for (int row = 0; row < sections.RecordCount(); ++row)
      update_.categories.push_back({std::string(sections.Text(row, 0)), std::string(sections.Text(row, 1))});
    database.Close();
    // A handbook smaller than half the update (the smoke run's) gets every term sent again.
    const int known = std::min(kUpdateTerms / 2, termsBefore_);
    newTerms_ = kUpdateTerms - known;
    for (int i = 0; i < known; ++i) {
      const int key = 1 + static_cast<int>(static_cast<long long>(i) * termsBefore_ / known);
      update_.terms.push_back(Term(key, bench::SectionOfTerm(key), "(new)"));
    }
    for (int key = termsBefore_ + 1; key <= termsBefore_ + newTerms_; ++key)
      update_.terms.push_back(Term(key, bench::SectionOfTerm(key), "(new)"));
  }

  std::filesystem::path folder_, master_;
  exchange_test::UpdateDocumentBuilder update_;
  int listedSection_ = 0;
  int termsBefore_ = 0;
  int newTerms_ = kUpdateTerms / 2;
};

const PreparedHandbook& Prepared() {
  static const PreparedHandbook handbook;
  return handbook;
}

// After an apply: every new term there, every sent one (known or new) as sent.
void RequireApplied(const std::string& file) {
  store::Database database;
  database.Open(file);
  Require(CountOf(database, "select count(*) from EUPHEMIZMS") == Prepared().TermsAfterApply(),
          "not every term was inserted");
  Require(CountOf(database, "select count(*) from EUPHEMIZMS where EUPHEMIZM like '%(new)'") == kUpdateTerms,
          "not every term was updated");
  database.Close();
}

// Times `apply(target)` on a fresh copy of the prepared handbook each iteration; opening the copy
// and its queries stays outside the clock. Returns the last copy, for RequireApplied.
template <class Apply>
std::string TimeOnFreshCopies(benchmark::State& state, Apply apply) {
  std::string file;
  for (auto _ : state) {
    state.PauseTiming();
    file = Prepared().FreshCopy();
    {
      store::Database database;
      database.Open(file);
      store::Query lookups(database);
      store::Query termList(database);
      state.ResumeTiming();
      apply(exchange::UpdateTarget{database, lookups, termList, Prepared().ListedSection()});
      state.PauseTiming();
      database.Close();
    }
    state.ResumeTiming();
  }
  return file;
}

// The program's whole way: download through the run's HTTP client, unpack, check, read, apply.
void BM_ProgramUpdateOf10000Terms(benchmark::State& state) {
  const std::string body = testing_support::Gzip(Prepared().Update().Signed());
  testsupport::LoopbackServer server(
      [&](const httplib::Request&, httplib::Response& response) { response.set_content(body, "application/octet-stream"); });
  Prepared();
  exchange::HttpClient client;
  client.SetHeader("Accept-Encoding", "compress; q=.5, gzip");
  RequireApplied(TimeOnFreshCopies(state, [&](const exchange::UpdateTarget& target) {
    const std::string document = exchange::UnpackUpdateBody(client.Get(server.Url("/update")));
    const exchange::UpdateApplication applied =
        exchange::ApplyUpdateDocument(target, exchange::ReadUpdateDocument(document), "help@example.org");
    Require(applied.outcome == exchange::UpdateOutcome::Complete, "the update was not applied whole");
  }));
  state.counters["body_bytes"] = static_cast<double>(body.size());
}
BENCHMARK(BM_ProgramUpdateOf10000Terms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The program's apply alone, of the document as read.
void BM_ProgramApplyOf10000Terms(benchmark::State& state) {
  Prepared();
  const exchange::UpdateDocument document = exchange::ReadUpdateDocument(Prepared().Update().Signed());
  RequireApplied(TimeOnFreshCopies(state, [&](const exchange::UpdateTarget& target) {
    exchange::ApplyUpdateDocument(target, document, "help@example.org");
  }));
}
BENCHMARK(BM_ProgramApplyOf10000Terms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The reference: the client library's statements, each prepared once, with the parameters as
// Windows-1251 VARYING texts (the engine converts them, as it does for the program).
class BareStatement {
 public:
  BareStatement(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const std::string& sql,
                unsigned parameters) {
    store::fb::Status status;
    statement_ = attachment->prepare(&status, transaction, static_cast<unsigned>(sql.size()), sql.c_str(),
                                     store::fb::kDialect, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    rows_ = statement_->getOutputMetadata(&status);
    row_.resize(rows_->getMessageLength(&status) + 8);
    if (parameters == 0) return;
    Firebird::IMetadataBuilder* builder = store::fb::Master()->getMetadataBuilder(&status, parameters);
    for (unsigned i = 0; i < parameters; ++i) {
      builder->setType(&status, i, SQL_VARYING + 1);
      builder->setLength(&status, i, 2000);
      builder->setCharSet(&status, i, 52);  // WIN1251
    }
    input_ = builder->getMetadata(&status);
    builder->release();
    message_.resize(input_->getMessageLength(&status) + 8);
  }
  ~BareStatement() {
    if (input_) input_->release();
    rows_->release();
    store::fb::Status status;
    statement_->free(&status);
  }
  BareStatement(const BareStatement&) = delete;
  BareStatement& operator=(const BareStatement&) = delete;

  // Binds `values` and runs the statement; for a select, fetches every row and counts them.
  int Run(Firebird::ITransaction* transaction, const std::vector<const std::string*>& values = {}) {
    store::fb::Status status;
    for (unsigned i = 0; i < values.size(); ++i) {
      unsigned char* field = message_.data() + input_->getOffset(&status, i);
      const auto length = static_cast<std::uint16_t>(values[i]->size());
      std::memcpy(field, &length, sizeof length);
      std::memcpy(field + sizeof length, values[i]->data(), length);
      std::memset(message_.data() + input_->getNullOffset(&status, i), 0, sizeof(short));
    }
    unsigned char* data = input_ ? message_.data() : nullptr;
    if (rows_->getCount(&status) == 0) {
      statement_->execute(&status, transaction, input_, data, nullptr, nullptr);
      return 0;
    }
    Firebird::IResultSet* cursor = statement_->openCursor(&status, transaction, input_, data, rows_, 0);
    int count = 0;
    while (cursor->fetchNext(&status, row_.data()) == Firebird::IStatus::RESULT_OK) ++count;
    cursor->close(&status);
    return count;
  }

 private:
  Firebird::IStatement* statement_ = nullptr;
  Firebird::IMessageMetadata* rows_ = nullptr;
  Firebird::IMessageMetadata* input_ = nullptr;
  std::vector<unsigned char> message_;
  std::vector<unsigned char> row_;
};

// The same statements, look-ups, writes, commits and final listing as the program's apply, in a
// bare loop.
void BareApply(Firebird::IAttachment* attachment, const exchange::UpdateDocument& document) {
  namespace bound = exchange::bound_statements;
  store::fb::Status status;
  Firebird::ITransaction* transaction = attachment->startTransaction(&status, 0, nullptr);
  {
    BareStatement findSection(attachment, transaction, std::string(bound::SelectSectionByKey), 1);
    BareStatement keepSection(attachment, transaction, std::string(store::statements::KeepSection), 0);
    for (const exchange::ProducerCategory& category : document.categories) {
      Require(findSection.Run(transaction, {&category.uid}) == 1, "a category is missing");
      keepSection.Run(transaction);
    }
  }
  transaction->commit(&status);
  transaction = attachment->startTransaction(&status, 0, nullptr);
  {
    BareStatement findTerm(attachment, transaction, std::string(bound::SelectTermByKey), 1);
    BareStatement insertTerm(attachment, transaction, std::string(bound::InsertProducerTerm), 5);
    BareStatement updateTerm(attachment, transaction, std::string(bound::UpdateProducerTerm), 4);
    std::vector<std::string> titles;
    for (const exchange::ProducerTerm& term : document.terms) {
      titles.push_back(term.title);
      if (findTerm.Run(transaction, {&term.uid}) > 0) {
        updateTerm.Run(transaction, {&term.title, &term.etiology, &term.description, &term.uid});
      } else {
        insertTerm.Run(transaction, {&term.title, &term.etiology, &term.description, &term.sectionUid, &term.uid});
      }
    }
    benchmark::DoNotOptimize(titles.data());
  }
  transaction->commit(&status);
  transaction = attachment->startTransaction(&status, 0, nullptr);
  {
    BareStatement list(attachment, transaction,
                       text::Format(store::statements::SelectSectionTerms, {Prepared().ListedSection()}), 0);
    benchmark::DoNotOptimize(list.Run(transaction));
  }
  transaction->commit(&status);
}

void BM_BareLoopOf10000Terms(benchmark::State& state) {
  Prepared();
  const exchange::UpdateDocument document = exchange::ReadUpdateDocument(Prepared().Update().Signed());
  std::string file;
  for (auto _ : state) {
    state.PauseTiming();
    file = Prepared().FreshCopy();
    Firebird::IAttachment* attachment = store::fb::WithProvider([&](Firebird::IProvider* provider, store::fb::Status& status) {
      const std::vector<unsigned char> parameters = store::fb::AttachParameters(file, 0);
      return provider->attachDatabase(&status, file.c_str(), static_cast<unsigned>(parameters.size()),
                                      parameters.data());
    });
    state.ResumeTiming();
    store::fb::Guarded([&] { BareApply(attachment, document); });
    state.PauseTiming();
    store::fb::Status status;
    attachment->detach(&status);
    state.ResumeTiming();
  }
  RequireApplied(file);
}
BENCHMARK(BM_BareLoopOf10000Terms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// 20 MiB of update document (terms, signed) and its gzip body.
const std::string& LargeDocument() {
  static const std::string document = [] {
    exchange_test::UpdateDocumentBuilder builder;
    for (int key = 1; builder.terms.size() * 300 < (std::size_t{20} << 20); ++key)
      builder.terms.push_back(Term(key, key % kSections, "(large)"));
    std::string lines = builder.Lines();
    lines.resize(std::size_t{20} << 20);
    return exchange_test::SignedText(lines);
  }();
  return document;
}

const std::string& LargeBody() {
  static const std::string body = testing_support::Gzip(LargeDocument());
  return body;
}

void BM_ProgramUnpackAndCheck20MiB(benchmark::State& state) {
  LargeBody();  // made before the clock runs
  for (auto _ : state) {
    const std::string document = exchange::UnpackUpdateBody(LargeBody());
    Require(exchange::SplitUpdateDigest(document).Verified(), "the digest does not match");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * LargeDocument().size()));
}
BENCHMARK(BM_ProgramUnpackAndCheck20MiB)->Unit(benchmark::kMillisecond);

#ifdef HANDBOOK_BENCH_OPENSSL
// zlib's inflate in one call into a new buffer of the known size, then OpenSSL's MD5 over the
// text after the digest.
void BM_ZlibAndOpenSslMd5Of20MiB(benchmark::State& state) {
  LargeBody();
  for (auto _ : state) {
    std::string document(LargeDocument().size(), '\0');
    z_stream stream{};
    inflateInit2(&stream, 16 + MAX_WBITS);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(LargeBody().data()));
    stream.avail_in = static_cast<uInt>(LargeBody().size());
    stream.next_out = reinterpret_cast<Bytef*>(document.data());
    stream.avail_out = static_cast<uInt>(document.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(document.data() + 32, document.size() - 32, digest, &length, EVP_md5(), nullptr);
    Require(result == Z_STREAM_END && length == 16, "the reference did not unpack the body");
    benchmark::DoNotOptimize(digest);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * LargeDocument().size()));
}
BENCHMARK(BM_ZlibAndOpenSslMd5Of20MiB)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

// The HTTP client runs its requests on a Qt event loop.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
