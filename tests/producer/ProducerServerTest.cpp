// The producer's server over real HTTP on 127.0.0.1: what each request gets, bad and oversized
// requests, stalled clients and many clients at once.
#include "producer/ProducerServer.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <set>
#include <thread>

#include "exchange/ChangesUpload.h"
#include "exchange/UpdateBody.h"
#include "exchange/UpdateCountReply.h"
#include "exchange/UpdateDocumentReader.h"
#include "producer/Publishing.h"
#include "store/Database.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"

namespace {

using producer_testing::ChangeDocument;
using producer_testing::PostChanges;
using producer_testing::ReceivedSets;
using store::ChangeMark;
using testing_support::ansi;

constexpr const char* kCountSince2019 = "/includes/dictupdgz.php?date=2019-12-31%2000:00:00&count=1";
constexpr const char* kUpdateSince2019 = "/includes/dictupdgz.php?date=2019-12-31%2000:00:00";

class ProducerServerTest : public ::testing::Test {
 protected:
  explicit ProducerServerTest(producer::ServerOptions options = {})
      : file_(producer_testing::MakeProducerDatabase(dir_)),
        server_(file_, std::move(options)) {}

  const std::string good_ = ChangeDocument({{2, ansi("Бронхит"), "", ansi("Новое\r\nописание"), 3, ChangeMark::EditedLocally}});
  testing_support::TempDir dir_;
  std::filesystem::path file_;
  producer_testing::RunningProducer server_;
};

TEST_F(ProducerServerTest, TheCountTellsTheSizeOfTheBodyTheDownloadSends) {
  httplib::Client client = server_.Client();
  const auto count = client.Get(kCountSince2019);
  ASSERT_TRUE(count);
  const exchange::UpdateCount reply = exchange::SplitUpdateCountReply(count->body);
  EXPECT_EQ(reply.count, "3");

  const auto gzipped = client.Get(kUpdateSince2019, {{"Accept-Encoding", "compress; q=.5, gzip"}});
  ASSERT_TRUE(gzipped);
  EXPECT_EQ(gzipped->status, 200);
  EXPECT_EQ(reply.size, std::to_string(gzipped->body.size()));
  EXPECT_EQ(gzipped->get_header_value("Content-Encoding"), "") << "the reader unpacks the body itself";
  const std::string document = exchange::UnpackUpdateBody(gzipped->body);
  EXPECT_EQ(exchange::ReadUpdateDocument(document).outcome, exchange::UpdateOutcome::Complete);

  const auto plain = client.Get(kUpdateSince2019);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->body, document) << "the document itself to a client that takes no gzip";
  const auto again = client.Get(kUpdateSince2019, {{"Accept-Encoding", "gzip"}});
  ASSERT_TRUE(again);
  EXPECT_EQ(again->body, gzipped->body) << "the same date, the same bytes";
}

TEST_F(ProducerServerTest, NothingPublishedSinceTheDateIsZeroAndNoDownload) {
  httplib::Client client = server_.Client();
  const auto count = client.Get("/includes/dictupdgz.php?date=2026-12-01%2000:00:00&count=1");
  ASSERT_TRUE(count);
  EXPECT_TRUE(exchange::ReplyHasNoUpdates(count->body)) << count->body;
  const auto update = client.Get("/includes/dictupdgz.php?date=2026-12-01%2000:00:00");
  ASSERT_TRUE(update);
  EXPECT_EQ(update->status, 404);
}

TEST_F(ProducerServerTest, ADateThatIsNotOneIsRefused) {
  httplib::Client client = server_.Client();
  for (const char* date : {"", "2008-12-29", "2008-13-29%2000:00:00", "2009-02-29%2000:00:00",
                           "2008-12-29%2000:00:00%27%20or%201=1", "2008-12-29T00:00:00"}) {
    const auto reply = client.Get(std::string("/includes/dictupdgz.php?count=1&date=") + date);
    ASSERT_TRUE(reply) << date;
    EXPECT_EQ(reply->status, 400) << date;
  }
}

TEST_F(ProducerServerTest, TheTwoPagesTheProgramOpens) {
  httplib::Client client = server_.Client();
  for (const char* page : {"/index.php?id=handbook", "/forum"}) {
    const auto reply = client.Get(page);
    ASSERT_TRUE(reply) << page;
    EXPECT_EQ(reply->status, 200) << page;
    EXPECT_NE(reply->body.find("<html"), std::string::npos) << page;
  }
  const auto other = client.Get("/index.php?id=other");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 404);
}

TEST_F(ProducerServerTest, OnlyAStoredChangeSetIsAnsweredOk) {
  httplib::Client client = server_.Client();
  const std::string boundary = "--------121026132005123";
  const std::string body = exchange::ChangesUploadBody(boundary, good_);
  const std::string type = exchange::ChangesUploadContentType(boundary);
  auto withField = [&](const std::string& header) {
    std::string changed = body;
    const std::string field = "Content-Disposition: form-data; name=\"xmlfile\"";
    changed.replace(changed.find(field), field.size(), header);
    return changed;
  };
  const struct {
    const char* what;
    std::string body;
    std::string type;
  } refused[] = {
      {"not a form", good_, "text/xml"},
      {"a plain form", "xmlfile=" + good_, "application/x-www-form-urlencoded"},
      {"another field name", withField("Content-Disposition: form-data; name=\"file\""), type},
      {"the field twice", body.substr(0, body.size() - boundary.size() - 6) + "--" + boundary +
                              "\r\nContent-Disposition: form-data; name=\"xmlfile\"\r\n\r\n" + good_ + "\r\n--" +
                              boundary + "--\r\n",
       type},
      {"another boundary", body, exchange::ChangesUploadContentType("--other")},
      {"cut short", body.substr(0, body.size() / 2), type},
      {"no terms", exchange::ChangesUploadBody(boundary, ChangeDocument({})), type},
      {"a damaged document", exchange::ChangesUploadBody(boundary, good_.substr(0, good_.size() - 4)), type},
      {"a title too long for the handbook",
       exchange::ChangesUploadBody(boundary, ChangeDocument({{2, std::string(251, 'a'), "", "", 0, ChangeMark::EditedLocally}})),
       type},
  };
  for (const auto& c : refused) {
    const auto reply = client.Post("/includes/dictadd.php", c.body, c.type.c_str());
    ASSERT_TRUE(reply) << c.what;
    EXPECT_GE(reply->status, 400) << c.what;
    EXPECT_FALSE(exchange::IsChangesUploadAccepted(reply->body)) << c.what;
    EXPECT_FALSE(reply->body.empty()) << c.what << ": a short reason";
  }
  EXPECT_TRUE(ReceivedSets(file_).empty());

  const auto accepted = client.Post("/includes/dictadd.php", body, type.c_str());
  ASSERT_TRUE(accepted);
  EXPECT_EQ(accepted->body, "OK");
  EXPECT_EQ(ReceivedSets(file_),
            (std::vector<std::vector<exchange::ReceivedTerm>>{{{2, ansi("Бронхит"), "", ansi("Новое\r\nописание")}}}));
}

TEST_F(ProducerServerTest, TheOkIsNeverCompressedForAClientThatAcceptsGzip) {
  httplib::Client client = server_.Client();
  const std::string boundary = "--------121026132005123";
  const auto reply = client.Post("/includes/dictadd.php", {{"Accept-Encoding", "compress; q=.5, gzip"}},
                                 exchange::ChangesUploadBody(boundary, good_),
                                 exchange::ChangesUploadContentType(boundary).c_str());
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->body, "OK");
  const auto count = client.Get(kCountSince2019, {{"Accept-Encoding", "compress; q=.5, gzip"}});
  ASSERT_TRUE(count);
  EXPECT_EQ(exchange::SplitUpdateCountReply(count->body).count, "3");
}

TEST_F(ProducerServerTest, ABodyOverTheLimitIsRefusedAndTheServerGoesOn) {
  httplib::Client client = server_.Client();
  const std::string boundary = "--------121026132005123";
  const std::string huge = exchange::ChangesUploadBody(
      boundary, ChangeDocument({{2, "a", "", std::string(17 * 1024 * 1024, 'x'), 0, ChangeMark::EditedLocally}}));
  const auto reply = client.Post("/includes/dictadd.php", huge, exchange::ChangesUploadContentType(boundary).c_str());
  if (reply) {
    EXPECT_EQ(reply->status, 413);
    EXPECT_NE(reply->body, "OK");
  }  // else the server closed the connection before reading it all: refused as well
  EXPECT_TRUE(ReceivedSets(file_).empty());
  httplib::Client next = server_.Client();
  const auto after = PostChanges(next, good_);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->body, "OK");
}

TEST_F(ProducerServerTest, ManyReadersAtOnceAllHaveTheirSetsStored) {
  constexpr int kReaders = 24;
  std::atomic<int> ok{0};
  std::atomic<int> counted{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < kReaders; ++i) {
    readers.emplace_back([&, i] {
      httplib::Client client = server_.Client();
      const auto count = client.Get(kCountSince2019);
      if (count && exchange::SplitUpdateCountReply(count->body).count == "3") ++counted;
      const auto reply = PostChanges(
          client, ChangeDocument({{1000000000 + i, "term " + std::to_string(i), "", "", 0,
                                   ChangeMark::CreatedLocally}}));
      if (reply && reply->body == "OK") ++ok;
    });
  }
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(ok, kReaders);
  EXPECT_EQ(counted, kReaders);
  const auto sets = ReceivedSets(file_);
  ASSERT_EQ(sets.size(), static_cast<std::size_t>(kReaders));
  std::set<std::string> titles;
  for (const auto& set : sets) titles.insert(set.at(0).title);
  EXPECT_EQ(titles.size(), static_cast<std::size_t>(kReaders)) << "each set whole and once";
}

class StalledClientTest : public ProducerServerTest {
 protected:
  StalledClientTest() : ProducerServerTest(ShortTimeOut()) {}
  static producer::ServerOptions ShortTimeOut() {
    producer::ServerOptions options;
    options.readTimeout = std::chrono::seconds(1);
    options.threads = 2;
    return options;
  }
};

TEST_F(StalledClientTest, AClientThatStopsSendingIsDroppedAndOthersAreServed) {
  // Two stalled clients hold both threads until their time runs out.
  std::vector<int> sockets;
  for (int i = 0; i < 2; ++i) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(server_.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string partial = "POST /includes/dictadd.php HTTP/1.1\r\nHost: x\r\nContent-Length: 1000\r\n\r\nabc";
    ASSERT_EQ(send(s, partial.data(), partial.size(), 0), static_cast<ssize_t>(partial.size()));
    timeval wait{30, 0};
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockets.push_back(s);
  }
  for (int s : sockets) {
    char buffer[4096];
    ssize_t got = 0;
    std::string answer;
    while ((got = recv(s, buffer, sizeof buffer, 0)) > 0) answer.append(buffer, static_cast<std::size_t>(got));
    EXPECT_EQ(got, 0) << "the server closed the connection (not our own wait running out)";
    EXPECT_EQ(answer.find("\r\n\r\nOK"), std::string::npos);
    close(s);
  }
  httplib::Client client = server_.Client();
  const auto after = PostChanges(client, good_);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->body, "OK");
  EXPECT_EQ(ReceivedSets(file_).size(), 1u);
}

}  // namespace
