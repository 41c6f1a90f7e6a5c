// The HTTP client against a real server on 127.0.0.1: what goes over the wire, what comes back,
// and how each way a request can go wrong ends.
#include "exchange/HttpClient.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/Gzip.h"
#include "tests/support/LoopbackServer.h"

namespace {

using exchange::HttpCancelled;
using exchange::HttpClient;
using exchange::HttpError;
using testsupport::LoopbackServer;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void AnswerText(httplib::Response& response, const std::string& text) { response.set_content(text, "text/html"); }

// What the message of the error thrown by request() says, or a failure when none is thrown.
template <typename Error, typename Request>
std::string ErrorText(Request request) {
  try {
    request();
  } catch (const Error& error) {
    return error.what();
  }
  ADD_FAILURE() << "no error thrown";
  return {};
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class HttpClientTest : public ::testing::Test {
 protected:
  // Bounds every test whose server would otherwise keep it waiting.
  void SetUp() override { client.SetStallTime(10s); }

  LoopbackServer& Serve(LoopbackServer::Answer answer) {
    servers_.push_back(std::make_unique<LoopbackServer>(std::move(answer)));
    return *servers_.back();
  }

  // For answers that hold back: waits, or returns false at once when the test ends.
  bool Pause(std::chrono::milliseconds time) { return servers_.front()->Pause(time); }

  // An answer that comes in pieces: pieces of pieceSize bytes with a pause after each, all under
  // one Content-Length when withLength, chunked otherwise.
  void AnswerSlowly(httplib::Response& response, int pieces, std::size_t pieceSize,
                    std::chrono::milliseconds pause, bool withLength) {
    auto provide = [this, pieces, pieceSize, pause](std::size_t offset, httplib::DataSink& sink) {
      if (offset >= pieces * pieceSize) {
        sink.done();
        return true;
      }
      const std::string piece(pieceSize, static_cast<char>('a' + offset / pieceSize % 26));
      if (!sink.write(piece.data(), piece.size())) return false;
      return Pause(pause);
    };
    if (withLength)
      response.set_content_provider(pieces * pieceSize, "application/octet-stream",
                                    [provide](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                      return provide(offset, sink);
                                    });
    else
      response.set_chunked_content_provider("application/octet-stream", provide);
  }

 private:
  // Made before the client and so gone after it: the client's closing its kept connections lets
  // the servers stop at once.
  std::vector<std::unique_ptr<LoopbackServer>> servers_;

 protected:
  HttpClient client;
};

TEST_F(HttpClientTest, GetSendsTheStandingHeadersAndReturnsTheBody) {
  LoopbackServer& server = Serve([](const httplib::Request&, httplib::Response& response) { AnswerText(response, "<p>ok</p>"); });

  EXPECT_EQ(client.Get(server.Url("/count.php?from=2004-01-02&n=7")), "<p>ok</p>");

  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].target, "/count.php?from=2004-01-02&n=7");
  EXPECT_EQ(requests[0].HeaderCount("Accept"), 1u);
  EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
  EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(requests[0].HeaderCount("Accept-Encoding"), 0u);
  EXPECT_EQ(requests[0].HeaderCount("Cookie"), 0u);
}

TEST_F(HttpClientTest, PostDeliversTheBodyByteForByteWithItsContentType) {
  LoopbackServer& server = Serve([](const httplib::Request&, httplib::Response& response) { AnswerText(response, "thanks"); });
  const std::string contentType = "multipart/form-data; boundary=----KorvandBoundary";
  std::string every;
  for (int byte = 0; byte < 256; ++byte) every += static_cast<char>(byte);
  std::string body = "------KorvandBoundary\r\nContent-Disposition: form-data; name=\"file\"; filename=\"changes.xml\"\r\n"
                     "Content-Type: text/xml\r\n\r\n";
  for (int i = 0; i < 400; ++i) body += every;  // larger than one write, every byte value, NULs included
  body += "\r\n------KorvandBoundary--\r\n";

  EXPECT_EQ(client.Post(server.Url("/send.php"), contentType, body), "thanks");

  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].target, "/send.php");
  EXPECT_EQ(requests[0].Header("Content-Type"), contentType);
  EXPECT_EQ(requests[0].Header("Content-Length"), std::to_string(body.size()));
  EXPECT_EQ(requests[0].HeaderCount("Expect"), 0u);
  EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_TRUE(requests[0].body == body) << "the body arrived changed, " << requests[0].body.size() << " of "
                                        << body.size() << " bytes";

  // The next GET is a plain GET again: no body, no content type left over from the POST.
  client.Get(server.Url("/after"));
  requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].method, "GET");
  EXPECT_EQ(requests[1].HeaderCount("Content-Type"), 0u);
  EXPECT_TRUE(requests[1].body.empty());
}

TEST_F(HttpClientTest, CookieSetByOneAnswerGoesBackWithTheNextRequest) {
  LoopbackServer& server = Serve([](const httplib::Request& request, httplib::Response& response) {
    if (request.path == "/login") response.set_header("Set-Cookie", "session=abc123; Path=/");
    AnswerText(response, "ok");
  });

  client.Get(server.Url("/login"));
  client.Post(server.Url("/send.php"), "text/plain", "x");
  client.Get(server.Url("/count.php"));

  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].HeaderCount("Cookie"), 0u);
  EXPECT_EQ(requests[1].Header("Cookie"), "session=abc123");
  EXPECT_EQ(requests[2].Header("Cookie"), "session=abc123");
}

TEST_F(HttpClientTest, AcceptEncodingStaysOnceSetAndTheGzipBodyComesBackRaw) {
  const std::string document = std::string(2000, 'A') + "<update/>";
  const std::string packed = testing_support::Gzip(document);
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    response.set_header("Content-Encoding", "gzip");
    response.set_content(packed, "application/octet-stream");
  });

  client.SetHeader("Accept-Encoding", "compress; q=.5, gzip");
  const std::string first = client.Get(server.Url("/update.php"));
  const std::string second = client.Get(server.Url("/count.php"));

  EXPECT_TRUE(first == packed) << "the body was changed on its way, " << first.size() << " bytes instead of "
                               << packed.size();
  EXPECT_TRUE(second == packed);
  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& request : requests) {
    EXPECT_EQ(request.HeaderCount("Accept-Encoding"), 1u);
    EXPECT_EQ(request.Header("Accept-Encoding"), "compress; q=.5, gzip");
  }

  // Setting it again replaces the value rather than adding a second header.
  client.SetHeader("Accept-Encoding", "gzip");
  client.Get(server.Url("/again"));
  requests = server.Requests();
  EXPECT_EQ(requests.back().HeaderCount("Accept-Encoding"), 1u);
  EXPECT_EQ(requests.back().Header("Accept-Encoding"), "gzip");
}

struct ErrorStatus {
  int status;
  const char* reason;
};

class HttpClientStatusTest : public HttpClientTest, public ::testing::WithParamInterface<ErrorStatus> {};

TEST_P(HttpClientStatusTest, ErrorStatusRaisesNamingTheAddressAndTheStatus) {
  const ErrorStatus expected = GetParam();
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    response.status = expected.status;
    AnswerText(response, "<h1>error page</h1>");
  });
  const std::string url = server.Url("/update.php?key=1");

  for (bool post : {false, true}) {
    const std::string text = ErrorText<HttpError>([&] {
      if (post)
        client.Post(url, "text/plain", "x");
      else
        client.Get(url);
    });
    EXPECT_NE(text.find(url), std::string::npos) << text;
    EXPECT_NE(text.find(std::to_string(expected.status) + " " + expected.reason), std::string::npos) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Statuses, HttpClientStatusTest,
                         ::testing::Values(ErrorStatus{404, "Not Found"}, ErrorStatus{500, "Internal Server Error"},
                                           ErrorStatus{400, "Bad Request"}));

TEST_F(HttpClientTest, RefusedConnectionRaisesNamingTheAddress) {
  const std::string url = "http://127.0.0.1:" + std::to_string(testsupport::UnusedLoopbackPort()) + "/count.php";

  const std::string text = ErrorText<HttpError>([&] { client.Get(url); });

  EXPECT_NE(text.find(url), std::string::npos) << text;
  EXPECT_NE(text.find("connect"), std::string::npos) << text;
}

// The server goes away after part of the body: with a length announced, or in chunks without the
// last one. The request fails at once (not after the stall time) and the client stays usable.
TEST_F(HttpClientTest, ConnectionClosedInTheMiddleOfTheBodyRaises) {
  for (bool withLength : {true, false}) {
    SCOPED_TRACE(withLength ? "with length" : "chunked");
    bool cut = true;
    LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
      if (!cut) return AnswerText(response, "whole");
      auto provide = [](std::size_t offset, httplib::DataSink& sink) {
        if (offset > 0) return false;  // closes the connection
        const std::string half(500, 'h');
        return sink.write(half.data(), half.size());
      };
      if (withLength)
        response.set_content_provider(1000, "application/octet-stream",
                                      [provide](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                        return provide(offset, sink);
                                      });
      else
        response.set_chunked_content_provider("application/octet-stream", provide);
    });
    const std::string url = server.Url("/update.php");

    const auto start = Clock::now();
    const std::string text = ErrorText<HttpError>([&] { client.Get(url); });
    EXPECT_NE(text.find(url), std::string::npos) << text;
    EXPECT_EQ(text.find("nothing received"), std::string::npos) << text;
    EXPECT_LT(SecondsSince(start), 5.0);
    cut = false;
    EXPECT_EQ(client.Get(url), "whole");
  }
}

// A bounded request takes an answer of exactly the bound and fails on one byte more, however
// the answer comes; the next request has no bound left over.
TEST_F(HttpClientTest, ABoundedGetFailsAsSoonAsTheBodyOutgrowsTheBound) {
  std::size_t size = 0;
  bool chunked = false;
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    if (chunked)
      AnswerSlowly(response, static_cast<int>(size / 100), 100, 0ms, false);
    else
      AnswerText(response, std::string(size, 'z'));
  });
  const std::string url = server.Url("/count.php");
  const struct {
    std::size_t size;
    bool chunked;
    bool taken;
  } cases[] = {{1000, false, true}, {1001, false, false}, {1000, true, true}, {100000, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + (c.chunked ? " chunked" : ""));
    size = c.size;
    chunked = c.chunked;
    if (c.taken) {
      EXPECT_EQ(client.Get(url, 1000).size(), c.size);
    } else {
      const std::string text = ErrorText<HttpError>([&] { client.Get(url, 1000); });
      EXPECT_NE(text.find("longer than 1000 bytes"), std::string::npos) << text;
    }
    EXPECT_EQ(client.Get(url).size(), c.size);
  }
}

struct StallCase {
  const char* name;
  int piecesBeforeStall;  // 0: not even the status line comes
};

class HttpClientStallTest : public HttpClientTest, public ::testing::WithParamInterface<StallCase> {};

TEST_P(HttpClientStallTest, StalledServerIsAbortedAfterTheStallTime) {
  const int piecesBeforeStall = GetParam().piecesBeforeStall;
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    if (piecesBeforeStall == 0) {
      Pause(30s);  // accepted and read, and nothing sent back
      AnswerText(response, "too late");
    } else {
      AnswerSlowly(response, piecesBeforeStall + 1, 100, 30s, true);
    }
  });
  client.SetStallTime(1s);
  const std::string url = server.Url("/update.php");

  const auto start = Clock::now();
  std::string text;
  try {
    client.Get(url);
    ADD_FAILURE() << "the stalled request returned";
  } catch (const HttpCancelled& error) {
    ADD_FAILURE() << "a stall is not a cancel: " << error.what();
  } catch (const HttpError& error) {
    text = error.what();
  }
  const double seconds = SecondsSince(start);

  EXPECT_NE(text.find(url), std::string::npos) << text;
  EXPECT_NE(text.find("nothing received for 1000 ms"), std::string::npos) << text;
  EXPECT_GE(seconds, 0.9);
  EXPECT_LT(seconds, 8.0);
  EXPECT_FALSE(client.Busy());
}

INSTANTIATE_TEST_SUITE_P(Moments, HttpClientStallTest,
                         ::testing::Values(StallCase{"BeforeTheAnswer", 0}, StallCase{"InTheBody", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientTest, SlowAnswerThatKeepsComingOutlastsTheStallTime) {
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    AnswerSlowly(response, 5, 100, 400ms, false);
  });
  client.SetStallTime(1s);

  const auto start = Clock::now();
  EXPECT_EQ(client.Get(server.Url("/update.php")).size(), 500u);
  EXPECT_GT(SecondsSince(start), 1.5);  // longer in all than the stall time
}

TEST_F(HttpClientTest, CancelFromATimerEndsASlowAnswerAndTheClientStaysUsable) {
  LoopbackServer& server = Serve([&](const httplib::Request& request, httplib::Response& response) {
    if (request.path == "/slow")
      AnswerSlowly(response, 100, 10, 100ms, false);
    else
      AnswerText(response, "quick");
  });
  QTimer::singleShot(300ms, [&] { client.Cancel(); });

  const auto start = Clock::now();
  const std::string text = ErrorText<HttpCancelled>([&] { client.Get(server.Url("/slow")); });
  const double seconds = SecondsSince(start);

  EXPECT_NE(text.find("cancelled"), std::string::npos) << text;
  EXPECT_LT(seconds, 5.0);  // the whole answer would take ten
  EXPECT_FALSE(client.Busy());
  EXPECT_EQ(client.Get(server.Url("/next")), "quick");
  client.Cancel();  // nothing running: no effect on the next request
  EXPECT_EQ(client.Get(server.Url("/next")), "quick");
}

// The automatic check's request must not hold up one the person starts: cancelling it frees the
// client at once, though its own call returns only after the newer one.
TEST_F(HttpClientTest, CancelFreesTheClientForARequestMadeBeforeTheCancelledCallReturns) {
  LoopbackServer& server = Serve([&](const httplib::Request& request, httplib::Response& response) {
    if (request.path == "/slow")
      AnswerSlowly(response, 100, 10, 100ms, false);
    else
      AnswerText(response, "quick " + request.path);
  });
  std::string nested;
  bool busyAfterCancel = true;
  QTimer::singleShot(300ms, [&] {
    client.Cancel();
    busyAfterCancel = client.Busy();
    nested = client.Get(server.Url("/person"));
  });

  const std::string text = ErrorText<HttpCancelled>([&] { client.Get(server.Url("/slow")); });

  EXPECT_FALSE(busyAfterCancel);
  EXPECT_EQ(nested, "quick /person");
  EXPECT_NE(text.find(server.Url("/slow")), std::string::npos) << text;
  EXPECT_FALSE(client.Busy());
  EXPECT_EQ(client.Get(server.Url("/after")), "quick /after");
}

TEST_F(HttpClientTest, EventLoopRunsDuringARequestWhichRefusesASecondOne) {
  LoopbackServer& server = Serve([&](const httplib::Request& request, httplib::Response& response) {
    if (request.path == "/slow")
      AnswerSlowly(response, 5, 100, 100ms, true);
    else
      AnswerText(response, "other");
  });
  int ticks = 0;
  std::string refusal;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (++ticks == 2) refusal = ErrorText<HttpError>([&] { client.Get(server.Url("/other")); });
  });
  ticker.start(50ms);

  const std::string body = client.Get(server.Url("/slow"));

  EXPECT_EQ(body.size(), 500u);
  EXPECT_GE(ticks, 3);
  EXPECT_NE(refusal.find(server.Url("/slow")), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("still running"), std::string::npos) << refusal;
  EXPECT_EQ(server.Requests().size(), 1u);  // the refused request never went out
}

struct ProgressCase {
  const char* name;
  bool withLength;
  std::int64_t expectedTotal;
};

class HttpClientProgressTest : public HttpClientTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(HttpClientProgressTest, ProgressSeesReceivedAndTotal) {
  const ProgressCase given = GetParam();
  LoopbackServer& server = Serve([&](const httplib::Request&, httplib::Response& response) {
    AnswerSlowly(response, 4, 1000, 50ms, given.withLength);
  });
  std::vector<std::pair<std::int64_t, std::int64_t>> calls;
  client.SetProgress([&](std::int64_t received, std::int64_t total) { calls.emplace_back(received, total); });

  const std::string body = client.Get(server.Url("/update.php"));

  ASSERT_EQ(body.size(), 4000u);
  ASSERT_GE(calls.size(), 2u);  // the pieces come apart in time, so more than one report
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].second, given.expectedTotal) << "report " << i;
    if (i > 0) {
      EXPECT_GT(calls[i].first, calls[i - 1].first) << "report " << i;
    }
  }
  EXPECT_EQ(calls.back().first, 4000);
}

INSTANTIATE_TEST_SUITE_P(Lengths, HttpClientProgressTest,
                         ::testing::Values(ProgressCase{"WithContentLength", true, 4000},
                                           ProgressCase{"WithoutContentLength", false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientTest, ProgressCallbackMayCancelOrThrowAndTheClientStaysUsable) {
  LoopbackServer& server = Serve([&](const httplib::Request& request, httplib::Response& response) {
    if (request.path == "/slow")
      AnswerSlowly(response, 100, 10, 100ms, true);
    else
      AnswerText(response, "quick");
  });
  struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
  };

  client.SetProgress([&](std::int64_t received, std::int64_t) {
    if (received >= 20) client.Cancel();
  });
  const auto start = Clock::now();
  EXPECT_NE(ErrorText<HttpCancelled>([&] { client.Get(server.Url("/slow")); }).find("cancelled"), std::string::npos);

  client.SetProgress([](std::int64_t, std::int64_t) { throw Refused("no room on the disk"); });
  EXPECT_EQ(ErrorText<Refused>([&] { client.Get(server.Url("/slow")); }), "no room on the disk");
  EXPECT_LT(SecondsSince(start), 5.0);  // each whole answer would take ten

  client.SetProgress(nullptr);
  EXPECT_FALSE(client.Busy());
  EXPECT_EQ(client.Get(server.Url("/next")), "quick");
}

TEST_F(HttpClientTest, ProxyReceivesTheAbsoluteAddressOfAnotherHost) {
  LoopbackServer& proxy = Serve([](const httplib::Request&, httplib::Response& response) { AnswerText(response, "via proxy"); });
  client.SetProxy("127.0.0.1", proxy.Port());

  EXPECT_EQ(client.Get("http://example.invalid/x?y=1"), "via proxy");

  auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, "http://example.invalid/x?y=1");
  EXPECT_EQ(requests[0].Header("Host"), "example.invalid");
  EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
}

struct DirectProxy {
  const char* server;
  int port;
};

class HttpClientDirectTest : public HttpClientTest, public ::testing::WithParamInterface<DirectProxy> {};

TEST_P(HttpClientDirectTest, EmptyServerOrNoPortMeansADirectConnection) {
  LoopbackServer& proxy = Serve([](const httplib::Request&, httplib::Response& response) { AnswerText(response, "via proxy"); });
  LoopbackServer& server = Serve([](const httplib::Request&, httplib::Response& response) { AnswerText(response, "direct"); });
  client.SetProxy("127.0.0.1", proxy.Port());
  client.SetProxy(GetParam().server, GetParam().port == -2 ? proxy.Port() : GetParam().port);

  EXPECT_EQ(client.Get(server.Url("/y")), "direct");

  EXPECT_TRUE(proxy.Requests().empty());
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].target, "/y");
}

// -2 stands for the proxy's real port.
INSTANTIATE_TEST_SUITE_P(Settings, HttpClientDirectTest,
                         ::testing::Values(DirectProxy{"", -2}, DirectProxy{"127.0.0.1", 0},
                                           DirectProxy{"127.0.0.1", -1}));

}  // namespace
