#include "tests/producer/ProducerTesting.h"

#include <chrono>
#include <stdexcept>

#include "exchange/ChangeDocument.h"
#include "exchange/ChangesUpload.h"
#include "producer/ChangeSets.h"
#include "producer/ProducerDatabase.h"
#include "producer/Publishing.h"
#include "store/Database.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace producer_testing {

text::DateTime LongAgo() { return text::EncodeDateTime({.year = 2020, .month = 1, .day = 1, .hour = 9}); }

std::filesystem::path MakeProducerDatabase(const testing_support::TempDir& dir) {
  // Making one takes a second (schema, tables, forced writes); a copy a hundredth of that.
  static const testing_support::TempDir templateDir;
  static const std::filesystem::path made = [] {
    const std::filesystem::path source = testing_support::MakeHandbookDatabase(templateDir, SmallHandbook(), "SOURCE.GDB");
    const std::filesystem::path file = templateDir.path() / "PRODUCER.FDB";
    store::Database database;
    producer::CreateProducerDatabase(database, file.string());
    producer::ImportHandbook(database, source, LongAgo());
    return file;
  }();
  const std::filesystem::path file = dir.path() / "PRODUCER.FDB";
  std::filesystem::copy_file(made, file);
  return file;
}

std::vector<std::string> SmallHandbook() {
  using testing_support::SectionLine;
  using testing_support::TermLine;
  return {SectionLine(0, "Общие термины"), SectionLine(3, "Пульмонология"),
          TermLine(1, "Анамнез", "греч. anamnesis", "Сведения о болезни.", 0),
          TermLine(2, "Бронхит", "", "Воспаление бронхов.", 3), TermLine(7, "Астма", "", "Приступы удушья.", 3)};
}

producer::ServerOptions RunningProducer::With(producer::ServerOptions options) {
  options.address = "127.0.0.1";
  options.port = 0;
  return options;
}

RunningProducer::RunningProducer(const std::filesystem::path& database, producer::ServerOptions options)
    : server_(database.string(), With(std::move(options))) {
  port_ = server_.Bind();
  thread_ = std::thread([this] { server_.Listen(); });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!server_.IsRunning()) {
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("the producer's server did not start");
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

RunningProducer::~RunningProducer() {
  server_.Stop();
  thread_.join();
}

std::string RunningProducer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

httplib::Client RunningProducer::Client() const {
  httplib::Client client("127.0.0.1", port_);
  client.set_read_timeout(std::chrono::seconds(20));
  return client;
}

std::string ChangeDocument(const std::vector<store::TermRecord>& terms) {
  return exchange::JoinChangeDocument(exchange::ChangeDocumentLines(terms));
}

httplib::Result PostChanges(httplib::Client& client, const std::string& document) {
  const std::string boundary = exchange::ChangesUploadBoundary();
  return client.Post(std::string(exchange::kChangesUploadPath), exchange::ChangesUploadBody(boundary, document),
                     exchange::ChangesUploadContentType(boundary).c_str());
}

std::vector<std::vector<exchange::ReceivedTerm>> ReceivedSets(const std::filesystem::path& file) {
  store::Database database;
  database.Open(file.string());
  std::vector<std::vector<exchange::ReceivedTerm>> sets;
  for (const producer::ChangeSetRow& set : producer::ReadChangeSets(database, false)) {
    sets.emplace_back();
    for (const producer::ReceivedTermRow& term : set.terms)
      sets.back().push_back({term.uid, term.title, term.etiology, term.description});
  }
  return sets;
}

}  // namespace producer_testing
