// The main window's exchange with a real producer server on 127.0.0.1: the update check, the
// offered download applied to the handbook, and sending the local changes.
#include <QByteArray>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "exchange/HttpError.h"
#include "exchange/UpdateBody.h"
#include "exchange/LastUpdateSetting.h"
#include "exchange/UpdateCountReply.h"
#include "exchange/UpdateOfferPrompt.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "store/Query.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/exchange/UpdateDocumentBuilder.h"
#include "tests/support/Ansi.h"
#include "tests/support/Gzip.h"
#include "tests/support/LoopbackServer.h"
#include "widgets/CollapsibleBarItem.h"
#include "text/DateTime.h"
#include "text/TextUtilities.h"

namespace app_tests {
namespace {

using platform::MessageAnswer;
using testing_support::ansi;

constexpr const char* kCountTarget = "/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1";
constexpr const char* kUpdateTarget = "/includes/dictupdgz.php?date=2008-12-29%2000:00:00";

class ProducerExchangeFlowTest : public MainWindowTest {
 protected:
  ProducerExchangeFlowTest() : savedDataHome_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir_.path() / "data").string()));
    const std::filesystem::path tables = dir_.path() / "data/Korvand/Tessaly";
    std::filesystem::create_directories(tables);
    std::filesystem::copy_file(std::filesystem::path(HANDBOOK_SOURCE_DIR) / "data/Translit.tlt", tables / "Translit.tlt");
    text::InitializeTextUtilities();
    qputenv("KORVAND_PRODUCER_URL", QByteArray::fromStdString(server_.Url("")));
    platform::SetClock([this] { return now_; });
  }
  ~ProducerExchangeFlowTest() override {
    platform::ResetClock();
    text::FinalizeTextUtilities();
    if (savedDataHome_.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", savedDataHome_);
  }

  app::TForm1& StartOnHandbook() {
    app::TForm1& form =
        Start({SectionLine(0, "Общие термины"), Term(1, "Анемия", 0), Term(2, "Бронхит", 0)});
    form.UpdateCheckHook = nullptr;
    return form;
  }

  // What the other attachment sees: only what was committed; the first column of each row.
  std::vector<std::string> Committed(const std::string& sql) const {
    store::Database other;
    other.Open(DatabaseFile());
    store::Query query(other);
    query.SetSQL(sql);
    query.Open();
    std::vector<std::string> values;
    for (int row = 0; row < query.RecordCount(); ++row) values.emplace_back(query.Text(row, 0));
    return values;
  }
  std::vector<std::string> CommittedHeadwords() const {
    return Committed("select EUPHEMIZM from EUPHEMIZMS order by EUPH_UID");
  }

  std::string Answer(const httplib::Request& request) {
    if (request.target.ends_with("&count=1")) {
      if (slowCount_) server_.Pause(std::chrono::seconds(10));
      return countReply_;
    }
    if (request.target == kUpdateTarget) {
      if (slowDownload_) server_.Pause(std::chrono::milliseconds(1200));
      return testing_support::Gzip(document_);
    }
    if (request.path == "/includes/dictadd.php") {
      if (slowUpload_) server_.Pause(std::chrono::seconds(10));
      return uploadReply_;
    }
    return "?";
  }

  const text::DateTime now_ = text::EncodeDateTime({.year = 2026, .month = 12, .day = 10, .hour = 12});
  QByteArray savedDataHome_;
  std::string countReply_ = "0|0";
  std::string uploadReply_ = "OK";
  bool slowUpload_ = false;
  bool slowCount_ = false;
  bool slowDownload_ = false;
  std::string document_;
  // Answers a request in its own way when it returns true, as a server gone wrong would.
  std::function<bool(const httplib::Request&, httplib::Response&)> fault_;
  testsupport::LoopbackServer server_{[this](const httplib::Request& request, httplib::Response& response) {
    if (fault_ && fault_(request, response)) return;
    // Not a text type: the server would gzip a text answer once more for a client that accepts it.
    response.set_content(Answer(request), "application/octet-stream");
  }};
};

TEST_F(ProducerExchangeFlowTest, TheFirstCheckOffersTheUpdateAndAppliesItWhenAccepted) {
  app::TForm1& form = StartOnHandbook();
  exchange_test::UpdateDocumentBuilder update;
  update.categories = {{"0", ansi("Общие термины")}};
  update.terms = {{"500", "0", ansi("Дисбактериоз"), ansi("греч."), ansi("нарушение флоры")},
                  {"2", "0", ansi("Бронхит"), "", ansi("воспаление бронхов")}};
  document_ = update.Signed();
  countReply_ = "2|345";
  boxes_.WillAnswer(MessageAnswer::Yes);  // download
  boxes_.WillAnswer(MessageAnswer::No);   // no report

  form.Timer1Timer();

  const std::vector<testsupport::RecordedRequest> requests = server_.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].target, kCountTarget);
  EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(requests[0].HeaderCount("Accept-Encoding"), 0u);
  EXPECT_EQ(requests[1].target, kUpdateTarget);
  EXPECT_EQ(requests[1].Header("Accept-Encoding"), "compress; q=.5, gzip");
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[0].text, exchange::UpdateOfferText({"2", "345"}));
  EXPECT_EQ(boxes_.Shown()[0].caption, exchange::UpdateOfferCaption());
  EXPECT_EQ(boxes_.Shown()[1].text, ansi("Вы хотите увидеть список новых и обновленных записей?"));
  EXPECT_EQ(CommittedHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Бронхит"), ansi("Дисбактериоз")}));
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Бронхит"), ansi("Дисбактериоз")}));
  EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), now_);
  std::ifstream copy(text::DataFolder() / "1.txt", std::ios::binary);
  std::ostringstream copied;
  copied << copy.rdbuf();
  EXPECT_EQ(copied.str(), document_) << "the copy of the last update document";
}

TEST_F(ProducerExchangeFlowTest, NothingNewSaysNothingAndDecliningWaitsAWeek) {
  app::TForm1& form = StartOnHandbook();
  form.CheckForUpdates();
  EXPECT_TRUE(boxes_.Shown().empty()) << "0|0";
  EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), text::EncodeDateTime({.year = 2008, .month = 12, .day = 29}));

  countReply_ = "7|1000";
  boxes_.WillAnswer(MessageAnswer::No);
  form.CheckForUpdates();
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(server_.Requests().size(), 2u) << "declined: nothing downloaded";
  EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), now_);

  form.Timer2Timer();  // an hour later: not yet a week
  EXPECT_EQ(server_.Requests().size(), 2u);
}

TEST_F(ProducerExchangeFlowTest, ATickWhileTheOfferIsOpenStartsNoSecondCheck) {
  app::TForm1& form = StartOnHandbook();
  countReply_ = "1|10";
  boxes_.WillAnswer(MessageAnswer::No);
  boxes_.WhileShown([&] { form.Timer2Timer(); });
  form.CheckForUpdates();
  EXPECT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(boxes_.Shown().size(), 1u);
}

TEST_F(ProducerExchangeFlowTest, ADownloadAcceptedFromTheScheduledCheckKeepsTheWindowBusyAndCountsTheTerms) {
  app::TForm1& form = StartOnHandbook();
  exchange_test::UpdateDocumentBuilder update;
  update.categories = {{"0", ansi("Общие термины")}};
  update.terms = {{"500", "0", ansi("Дисбактериоз"), "", "x"}, {"501", "0", ansi("Ежа"), "", "y"}};
  document_ = update.Signed();
  countReply_ = "2|345";
  slowDownload_ = true;
  boxes_.WillAnswer(MessageAnswer::Yes);
  boxes_.WillAnswer(MessageAnswer::No);
  bool busyWhenDone = false;
  QString progressText;
  boxes_.WhileShown([&] {
    if (boxes_.Shown().size() != 2) return;  // the report question, after the terms went in
    busyWhenDone = !form.isEnabled() && QApplication::overrideCursor() &&
                   QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(window)) progressText = progress->labelText();
  });

  form.Timer1Timer();

  EXPECT_TRUE(busyWhenDone);
  EXPECT_EQ(progressText, QStringLiteral("Обновлено записей: 2 из 2"));
  EXPECT_TRUE(form.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The scheduled count request is silent and slow behind a dead link; the person's own request
// ends it instead of waiting for it.
TEST_F(ProducerExchangeFlowTest, ASendDuringTheScheduledCountRequestEndsThatRequestAndGoesThrough) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), testing_support::TermLine(2, "Бронхит", "", "x", 0, "+")});
  form.UpdateCheckHook = nullptr;
  slowCount_ = true;
  countReply_ = "1|10";
  boxes_.WillAnswer(MessageAnswer::Yes);
  bool usableMeanwhile = false;
  QTimer::singleShot(300, &form, [&] {
    usableMeanwhile = form.isEnabled() && QApplication::overrideCursor() == nullptr;
    Action4()->trigger();
  });

  form.CheckForUpdates();

  EXPECT_TRUE(usableMeanwhile);
  ASSERT_EQ(boxes_.Shown().size(), 2u) << "the send's question and its outcome, no offer";
  EXPECT_EQ(boxes_.Shown()[1].text, ansi("Данные успешно переданы."));
  ASSERT_EQ(server_.Requests().size(), 2u);
  EXPECT_EQ(server_.Requests()[1].method, "POST");
}

TEST_F(ProducerExchangeFlowTest, ClosingTheWindowEndsTheScheduledCountRequest) {
  app::TForm1& form = StartOnHandbook();
  slowCount_ = true;
  countReply_ = "1|10";
  QTimer::singleShot(300, &form, [&] { form.close(); });
  QElapsedTimer waited;
  waited.start();

  form.CheckForUpdates();

  EXPECT_LT(waited.elapsed(), 5000) << "the server holds the answer back for ten seconds";
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ProducerExchangeFlowTest, AProducerOutOfReachIsNoNewsToTheReader) {
  qputenv("KORVAND_PRODUCER_URL", "http://127.0.0.1:1");
  app::TForm1& form = StartOnHandbook();
  form.CheckForUpdates();
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ProducerExchangeFlowTest, SentChangesLeaveTheHandbookAndTheGridOnce) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), Term(1, "Анемия", 0),
                             testing_support::TermLine(2, "Бронхит", "", "x", 0, "+"),
                             testing_support::TermLine(3, "Вирус", "", "y", 0, "*")});
  boxes_.WillAnswer(MessageAnswer::Yes);
  Action4()->trigger();
  (void)form;

  const std::vector<testsupport::RecordedRequest> requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_NE(requests[0].body.find("<title>" + ansi("Бронхит") + "</title>"), std::string::npos);
  EXPECT_NE(requests[0].body.find("<title>" + ansi("Вирус") + "</title>"), std::string::npos);
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[1].text, ansi("Данные успешно переданы."));
  EXPECT_EQ(CommittedHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Бронхит")}));
  EXPECT_EQ(GridHeadwords(), (std::vector<std::string>{ansi("Анемия"), ansi("Бронхит")}));
}

// One edited term with key 7, the title "A" and nothing else: 10 lines, 181 bytes.
TEST_F(ProducerExchangeFlowTest, TheExampleChangeGoesOutAsOneFormFieldByteForByte) {
  Start({SectionLine(0, "Общие термины"), testing_support::TermLine(7, "A", "", "", 0, "+")});
  boxes_.WillAnswer(MessageAnswer::Yes);
  Action4()->trigger();

  ASSERT_FALSE(boxes_.Shown().empty());
  EXPECT_EQ(boxes_.Shown()[0].text, ansi("Будет произведена посылка 181 байт на сервер производителя"));
  ASSERT_EQ(server_.Requests().size(), 1u);
  const testsupport::RecordedRequest sent = server_.Requests()[0];
  EXPECT_EQ(sent.target, "/includes/dictadd.php");
  const std::string contentType = sent.Header("Content-Type");
  const std::string prefix = "multipart/form-data; boundary=";
  ASSERT_EQ(contentType.rfind(prefix, 0), 0u) << contentType;
  const std::string boundary = contentType.substr(prefix.size());
  EXPECT_EQ(boundary.size(), 8u + 15u) << boundary;
  EXPECT_EQ(sent.body, "--" + boundary +
                           "\r\nContent-Disposition: form-data; name=\"xmlfile\"\r\n\r\n"
                           "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<update>\r\n\r\n<euphemizm>\r\n"
                           "<uid>7</uid>\r\n<title>A</title>\r\n<etiology></etiology>\r\n<description></description>\r\n"
                           "</euphemizm>\r\n</update>\r\n"
                           "\r\n--" + boundary + "--\r\n");
}

TEST_F(ProducerExchangeFlowTest, ASendToAProducerOutOfReachFailsAndKeepsTheMarks) {
  qputenv("KORVAND_PRODUCER_URL", "http://127.0.0.1:1");
  Start({SectionLine(0, "Общие термины"), testing_support::TermLine(2, "Бронхит", "", "x", 0, "+"),
         testing_support::TermLine(3, "Вирус", "", "y", 0, "*")});
  boxes_.WillAnswer(MessageAnswer::Yes);
  EXPECT_THROW(Action4()->trigger(), exchange::HttpError);

  EXPECT_EQ(Committed("select EUPH_UID || CHANGED from EUPHEMIZMS order by EUPH_UID"),
            (std::vector<std::string>{"2+", "3*"}));
}

TEST_F(ProducerExchangeFlowTest, ASendTheReaderStartedKeepsTheWindowBusyUntilItEnds) {
  app::TForm1& form = Start({SectionLine(0, "Общие термины"), testing_support::TermLine(2, "Бронхит", "", "x", 0, "+")});
  bool busyWhileAsked = false;
  boxes_.WillAnswer(MessageAnswer::Yes);
  boxes_.WhileShown([&] {
    busyWhileAsked = busyWhileAsked || (!form.isEnabled() && QApplication::overrideCursor() &&
                                        QApplication::overrideCursor()->shape() == Qt::WaitCursor);
  });
  Action4()->trigger();
  EXPECT_TRUE(busyWhileAsked);
  EXPECT_TRUE(form.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ProducerExchangeFlowTest, ASlowSendShowsItsProgressAndCancelEndsItLikeAFailure) {
  app::TForm1& form =
      Start({SectionLine(0, "Общие термины"), testing_support::TermLine(3, "Вирус", "", "y", 0, "*")});
  slowUpload_ = true;
  boxes_.WillAnswer(MessageAnswer::Yes);
  bool progressShown = false;
  // Bound to the window, which the test frees: a send that ended early leaves no timer to a later test.
  QTimer::singleShot(1500, &form, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<QProgressDialog*>(window);
      if (!progress || !progress->isVisible()) continue;
      progressShown = true;
      progress->findChild<QPushButton*>()->click();  // as the person does
    }
  });
  EXPECT_THROW(Action4()->trigger(), exchange::HttpCancelled);
  EXPECT_TRUE(progressShown);
  EXPECT_EQ(CommittedHeadwords(), std::vector<std::string>{ansi("Вирус")}) << "nothing settled";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ProducerExchangeFlowTest, WithNothingToSendNoProgressShows) {
  Start({SectionLine(0, "Общие термины"), Term(1, "Анемия", 0)});
  bool progressShown = false;
  boxes_.WhileShown([&] {
    // The person reads the message for a while.
    QElapsedTimer reading;
    reading.start();
    while (reading.elapsed() < 800) QApplication::processEvents(QEventLoop::AllEvents, 50);
    for (QWidget* window : QApplication::topLevelWidgets())
      progressShown = progressShown || (qobject_cast<QProgressDialog*>(window) && window->isVisible());
  });
  Action4()->trigger();
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_FALSE(progressShown);
}

TEST_F(ProducerExchangeFlowTest, TheHiddenToolAsksForTheCountAtOnce) {
  StartOnHandbook();
  platform::SettingsStore settings;
  exchange::WriteLastUpdate(settings, now_ - 1);  // a day ago: the schedule would not ask
  JvXPBarAction()->Item(3).click();
  EXPECT_TRUE(boxes_.Shown().empty());
  ASSERT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(server_.Requests()[0].target.rfind("/includes/dictupdgz.php?date=", 0), 0u);
}

// Sends `head` under a length announced for twice as much, then closes the connection.
void AnswerCutShort(httplib::Response& response, std::string head) {
  const std::size_t announced = 2 * head.size() + 1;
  response.set_content_provider(announced, "application/octet-stream",
                                [head = std::move(head)](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                  return offset == 0 && sink.write(head.data(), head.size());
                                });
}

struct ServerFault {
  const char* name;
  std::function<void(httplib::Response&, const std::string& body)> answer;
};

const ServerFault kFaults[] = {
    {"error status", [](httplib::Response& r, const std::string&) { r.status = 500; }},
    {"reset in the body", [](httplib::Response& r, const std::string& body) { AnswerCutShort(r, body.substr(0, body.size() / 2)); }},
};

// However the download goes wrong, the reader hears nothing of it and the handbook and the date of
// the last update stay, so the next check asks again.
TEST_F(ProducerExchangeFlowTest, ADownloadThatGoesWrongChangesNothingAndSaysNothing) {
  exchange_test::UpdateDocumentBuilder update;
  update.terms = {{"500", "0", ansi("Дисбактериоз"), "", ansi("нарушение флоры")}};
  document_ = update.Signed();
  const std::string packed = testing_support::Gzip(document_);
  std::vector<ServerFault> faults(std::begin(kFaults), std::end(kFaults));
  faults.push_back({"truncated gzip", [&](httplib::Response& r, const std::string&) {
                      r.set_content(packed.substr(0, packed.size() - 12), "application/octet-stream");
                    }});
  // A quarter of a megabyte that inflates past the largest document taken.
  const std::string bomb = testing_support::GzipOfZeros(exchange::kMaxUpdateDocumentBytes + 1);
  faults.push_back({"gzip bomb", [&](httplib::Response& r, const std::string&) {
                      r.set_content(bomb, "application/octet-stream");
                    }});
  app::TForm1& form = StartOnHandbook();
  const std::vector<std::string> before = CommittedHeadwords();
  const double lastUpdate = text::EncodeDateTime({.year = 2008, .month = 12, .day = 29});
  countReply_ = "1|100";
  for (const ServerFault& fault : faults) {
    SCOPED_TRACE(fault.name);
    fault_ = [&](const httplib::Request& request, httplib::Response& response) {
      if (request.target != kUpdateTarget) return false;
      fault.answer(response, packed);
      return true;
    };
    boxes_.Clear();
    boxes_.WillAnswer(MessageAnswer::Yes);
    QElapsedTimer took;
    took.start();
    form.CheckForUpdates();
    EXPECT_LT(took.elapsed(), 20000);
    ASSERT_EQ(boxes_.Shown().size(), 1u) << "the offer only";
    EXPECT_EQ(CommittedHeadwords(), before);
    EXPECT_EQ(GridHeadwords(), before);
    EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), lastUpdate);
    EXPECT_FALSE(std::filesystem::exists(text::DataFolder() / "1.txt"));
  }
}

// The count request fails silently on an error status or a reply over 64 KB (no memory is spent
// on a server gone wrong); a reply of 64 KB is still offered as it came.
TEST_F(ProducerExchangeFlowTest, ACountReplyIsOfferedAsItCameUpTo64KilobytesAndIsSilentlyDroppedBeyond) {
  app::TForm1& form = StartOnHandbook();
  const std::string longest = "1|" + std::string(exchange::kMaxUpdateCountReplyBytes - 2, '9');
  const struct {
    const char* name;
    std::string reply;
    int status;
    bool offered;
  } cases[] = {
      {"64 KB", longest, 200, true},
      {"a byte more", longest + "9", 200, false},
      {"a megabyte", std::string(1 << 20, '7'), 200, false},
      {"error status", "1|100", 503, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fault_ = [&](const httplib::Request&, httplib::Response& response) {
      response.status = c.status;
      response.set_content(c.reply, "application/octet-stream");
      return true;
    };
    boxes_.Clear();
    {
      platform::SettingsStore settings;
      exchange::WriteLastUpdate(settings, 39811.0);
    }
    if (c.offered) boxes_.WillAnswer(MessageAnswer::No);
    JvXPBarAction()->Item(3).click();  // asks at once, whatever the date
    if (c.offered) {
      ASSERT_EQ(boxes_.Shown().size(), 1u);
      EXPECT_EQ(boxes_.Shown()[0].text, exchange::UpdateOfferText(exchange::SplitUpdateCountReply(c.reply)));
    } else {
      EXPECT_TRUE(boxes_.Shown().empty());
      EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), 39811.0) << "as after a failed request";
    }
  }
  (void)form;
}

// Sending is the reader's own act: a failure comes out as the error that ended it, for the
// application's error box, and the local changes stay to be sent again.
TEST_F(ProducerExchangeFlowTest, ASendThatGoesWrongRaisesItsErrorAndKeepsTheChanges) {
  Start({SectionLine(0, "Общие термины"), testing_support::TermLine(2, "Бронхит", "", "x", 0, "+"),
         testing_support::TermLine(3, "Вирус", "", "y", 0, "*")});
  for (const ServerFault& fault : kFaults) {
    SCOPED_TRACE(fault.name);
    fault_ = [&](const httplib::Request&, httplib::Response& response) {
      fault.answer(response, "OK and some more text to cut");
      return true;
    };
    boxes_.Clear();
    boxes_.WillAnswer(MessageAnswer::Yes);
    std::string error;
    try {
      Action4()->trigger();
    } catch (const exchange::HttpError& e) {
      error = e.what();
    }
    EXPECT_NE(error.find("/includes/dictadd.php"), std::string::npos) << error;
    EXPECT_EQ(boxes_.Shown().size(), 1u) << "the question only";
    EXPECT_EQ(CommittedHeadwords(), (std::vector<std::string>{ansi("Бронхит"), ansi("Вирус")}));
  }
}

}  // namespace
}  // namespace app_tests
