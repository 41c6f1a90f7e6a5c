// The editors' commands as typed, on a real producer database, and the executable's serve.
#include "producer/ProducerCommands.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include "producer/ChangeSets.h"
#include "store/Database.h"
#include "store/Query.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/Processes.h"

namespace {

using testing_support::ansi;

struct Said {
  int status;
  std::string out;
  std::string err;
};

class ProducerCommandsTest : public ::testing::Test {
 protected:
  Said Run(std::vector<std::string> words) {
    words.insert(words.begin(), {"--database", Database()});
    std::ostringstream out, err;
    const int status = producer::RunProducerCommand(words, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Database() const { return (dir_.path() / "P.FDB").string(); }
  std::string Script() const {
    const std::filesystem::path script = dir_.path() / "handbook.sql";
    std::ofstream(script) << "insert into SECTIONS (SECTION_UID, SECTION_NAME) values (0, \"Общие\");\n"
                             "insert into SECTIONS (SECTION_UID, SECTION_NAME) values (3, \"Пульмонология\");\n"
                             "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, SECTION_UID) values (1, \"Анамнез\", 0);\n"
                             "insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, SECTION_UID) values (2, \"Бронхит\", 3);\n";
    return script.string();
  }

  testing_support::TempDir dir_;
};

TEST_F(ProducerCommandsTest, AnEditorImportsReviewsAndDecides) {
  EXPECT_EQ(Run({"import", Script()}).out, "published 2 categories and 2 terms\n");
  EXPECT_EQ(Run({"changes"}).out, "no change sets to review\n");
  {
    store::Database database;
    database.Open(Database());
    producer::StoreChangeSet(database, "192.0.2.7", text::EncodeDateTime({.year = 2026, .month = 12, .day = 10, .hour = 9}),
                             {{2, ansi("Бронхит острый"), ansi("греч."), ansi("Текст\r\nвторой строкой")},
                              {std::nullopt, ansi("Трахеит"), "", ""}});
  }
  EXPECT_EQ(Run({"changes"}).out,
            "set 1  received 10-DEC-2026 9:00:00 from 192.0.2.7\n"
            "  1  + edits 2  Бронхит острый\n"
            "       origin: греч.\n"
            "       Текст\n"
            "       второй строкой\n"
            "  2  * new  Трахеит\n");

  const Said refused = Run({"accept", "1"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("--category"), std::string::npos) << refused.err;
  EXPECT_EQ(Run({"accept", "1", "1"}).out, "term 1 replaces published term 2\n");
  EXPECT_EQ(Run({"accept", "1", "--category", "3"}).out, "term 2 published as new term 3\n");
  EXPECT_EQ(Run({"changes"}).out, "no change sets to review\n");
  EXPECT_NE(Run({"changes", "--all"}).out.find("  2  * new  Трахеит  [accepted] as 3\n"), std::string::npos);
  EXPECT_EQ(Run({"reject", "1", "2"}).status, 1) << "decided already";

  EXPECT_EQ(Run({"publish"}).out, "published 0 categories and 0 terms\n");
  EXPECT_EQ(Run({"publish", "--term", "1", "--category", "0", "--term", "3"}).out,
            "published 1 categories and 2 terms\n");
  EXPECT_EQ(Run({"publish", "--term", "99"}).status, 1);
}

TEST_F(ProducerCommandsTest, AMistypedCommandSaysHowToTypeIt) {
  const std::vector<std::vector<std::string>> mistyped = {
      {}, {"launch"}, {"accept"}, {"accept", "one"}, {"publish", "--term"}, {"changes", "--some"}, {"import"},
      {"serve", "--port"},
  };
  for (const auto& words : mistyped) {
    const Said said = Run(words);
    EXPECT_EQ(said.status, 2) << testing::PrintToString(words);
    EXPECT_NE(said.err.find("usage: korvand-producer"), std::string::npos) << testing::PrintToString(words);
  }
}

// The executable on a database that does not exist yet: it makes one with the demo handbook and
// serves it until told to stop.
TEST(ProducerExecutableTest, ServeOnANewDatabaseServesTheDemoHandbookUntilSignalled) {
  testing_support::TempDir dir;
  const std::string database = (dir.path() / "NEW.FDB").string();
  const int port = testsupport::UnusedLoopbackPort();
  const std::string log = (dir.path() / "serve.log").string();
  const testing_support::SpawnArguments arguments(
      {"/bin/sh", "-c", "exec \"$0\" --database \"$1\" serve --port \"$2\" 2>\"$3\"", KORVAND_PRODUCER, database,
       std::to_string(port), log},
      {});
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, arguments.Argv(), arguments.Envp()), 0);

  httplib::Client client("127.0.0.1", port);
  std::optional<std::string> countReply;
  for (int attempt = 0; attempt < 300 && !countReply; ++attempt) {
    if (const auto reply = client.Get("/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1")) {
      countReply = reply->body;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  ASSERT_TRUE(countReply) << "no answer within 30 s";

  testing_support::TempDir demoDir;
  store::Database demo;
  demo.Open(testing_support::MakeDemoHandbookDatabase(demoDir).string());
  store::Query terms(demo);
  terms.SetSQL("select count(*) as N from EUPHEMIZMS");
  terms.Open();
  EXPECT_TRUE(countReply->starts_with(terms.FieldByName("N").AsString() + "|")) << *countReply;

  const auto download = client.Get("/includes/dictupdgz.php?date=2008-12-29%2000:00:00", {{"Accept-Encoding", "gzip"}});
  ASSERT_TRUE(download);

  EXPECT_EQ(testing_support::EndProcess(pid, SIGTERM, std::chrono::seconds(10)), 0);
  std::ifstream in(log);
  std::ostringstream said;
  said << in.rdbuf();
  EXPECT_NE(said.str().find("serving " + database + " on http://127.0.0.1:" + std::to_string(port)), std::string::npos)
      << said.str();
  EXPECT_NE(said.str().find("GET /includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1 200"), std::string::npos)
      << "one line a request";
  EXPECT_NE(said.str().find("GET /includes/dictupdgz.php?date=2008-12-29%2000:00:00 200 " +
                            std::to_string(download->body.size()) + "\n"),
            std::string::npos)
      << "the bytes a download sent";
  EXPECT_TRUE(said.str().ends_with("stopped\n")) << said.str();
}

}  // namespace
