#pragma once
// The producer's side for tests: its database made in a temporary folder from a small handbook,
// and its server running on 127.0.0.1 on a port of its own.
#include <httplib.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "exchange/ChangeDocumentReader.h"
#include "producer/ProducerServer.h"
#include "store/Records.h"
#include "text/DateTime.h"
#include "tests/support/TempDir.h"

namespace producer_testing {

// When the test handbooks were published: long before any date a test asks about.
text::DateTime LongAgo();

// Two categories and three terms (data lines as in MakeHandbookDatabase), for tests that need a
// few of each.
std::vector<std::string> SmallHandbook();

// A producer database in `dir` holding SmallHandbook(), published LongAgo(): a copy of one made
// once a test program.
std::filesystem::path MakeProducerDatabase(const testing_support::TempDir& dir);

class RunningProducer {
 public:
  explicit RunningProducer(const std::filesystem::path& database, producer::ServerOptions options = {});
  ~RunningProducer();
  RunningProducer(const RunningProducer&) = delete;
  RunningProducer& operator=(const RunningProducer&) = delete;

  int Port() const { return port_; }
  std::string BaseUrl() const;
  httplib::Client Client() const;

 private:
  producer::ServerOptions With(producer::ServerOptions options);
  producer::ProducerServer server_;
  int port_ = 0;
  std::thread thread_;
};

// The change document a reader's program sends for these terms, and its upload as the program
// posts it.
std::string ChangeDocument(const std::vector<store::TermRecord>& terms);
httplib::Result PostChanges(httplib::Client& client, const std::string& document);

// The received change sets, read through an attachment of the test's own.
std::vector<std::vector<exchange::ReceivedTerm>> ReceivedSets(const std::filesystem::path& database);

}  // namespace producer_testing
