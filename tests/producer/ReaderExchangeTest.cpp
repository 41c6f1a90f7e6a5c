// Two readers' programs and an editor around one producer's server on 127.0.0.1, end to end: the
// readers run the program's own exchange code (core::Handbook and core::ProducerExchange), the
// editor the producer's own decisions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Handbook.h"
#include "core/ProducerExchange.h"
#include "exchange/LastUpdateSetting.h"
#include "exchange/SendChangesMessages.h"
#include "exchange/UpdateBody.h"
#include "exchange/UpdateCountReply.h"
#include "exchange/UpdateCountRequest.h"
#include "exchange/UpdateDigest.h"
#include "exchange/UpdateOfferPrompt.h"
#include "platform/Clock.h"
#include "platform/ProducerAddress.h"
#include "platform/SettingsStore.h"
#include "producer/ChangeSets.h"
#include "producer/EditorDecisions.h"
#include "store/OpenHandbookDatabase.h"
#include "store/Query.h"
#include "store/Statements.h"
#include "tests/exchange/SavedEnvironmentVariable.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "text/TextUtilities.h"

namespace {

using platform::MessageAnswer;
using testing_support::ansi;

// One copy of the reader's program: its folder with DB/HANDBOOK.GDB, its state and its exchange.
class ReaderProgram {
 public:
  ReaderProgram() {
    testing_support::MakeHandbookDatabase(folder_, producer_testing::SmallHandbook(), store::kHandbookFileName);
    handbook.OpenDatabase();
  }

  struct Term {
    int uid;
    std::string title;
    std::string description;
    int section;
    std::string changed;
    bool operator==(const Term&) const = default;
  };
  std::vector<Term> Terms() {
    store::Query query(handbook.IBDatabase1);
    query.SetSQL("select * from EUPHEMIZMS order by EUPH_UID");
    query.Open();
    std::vector<Term> terms;
    for (query.First(); !query.Eof(); query.Next()) {
      terms.push_back({query.FieldByName("EUPH_UID").AsInteger(), query.FieldByName("EUPHEMIZM").AsString(),
                       query.FieldByName("DESCRIPTION").AsString(), query.FieldByName("SECTION_UID").AsInteger(),
                       query.FieldByName("CHANGED").AsString()});
    }
    return terms;
  }

  testing_support::TempDir folder_;
  core::Handbook handbook{folder_.path().string() + "/"};
  std::vector<std::string> report;
  core::ProducerExchange exchange{handbook, [this](const std::vector<std::string>& titles) { report = titles; }};
};

class ReaderExchangeTest : public ::testing::Test {
 protected:
  ReaderExchangeTest() {
    configHome_.Set(home_.path().string() + "/config");
    dataHome_.Set(home_.path().string() + "/data");
    const std::filesystem::path tables = home_.path() / "data/Korvand/Tessaly";
    std::filesystem::create_directories(tables);
    std::filesystem::copy_file(std::filesystem::path(HANDBOOK_SOURCE_DIR) / "data/Translit.tlt", tables / "Translit.tlt");
    text::InitializeTextUtilities();
  }
  ~ReaderExchangeTest() override { text::FinalizeTextUtilities(); }

  std::string Download(const std::string& target) {
    httplib::Client client = server_.Client();
    const auto reply = client.Get(target, {{"Accept-Encoding", "gzip"}});
    return reply ? reply->body : "";
  }

  testing_support::TempDir home_;
  exchange_testing::SavedEnvironmentVariable configHome_{"XDG_CONFIG_HOME"};
  exchange_testing::SavedEnvironmentVariable dataHome_{"XDG_DATA_HOME"};
  exchange_testing::SavedEnvironmentVariable producerUrl_{"KORVAND_PRODUCER_URL"};
  testing_support::TempDir producerDir_;
  std::filesystem::path producerFile_ =
      producer_testing::MakeProducerDatabase(producerDir_);
  producer_testing::RunningProducer server_{producerFile_};
  testing_support::ScriptedMessageBoxes boxes_;
};

TEST_F(ReaderExchangeTest, AnEditSentByOneReaderReachesAnotherOnceTheEditorAcceptsIt) {
  // The first reader, pointed at the server through the environment, edits one article and adds
  // one, and sends both.
  producerUrl_.Set(server_.BaseUrl());
  ReaderProgram first;
  first.handbook.IBSQL1.SetSQL("update EUPHEMIZMS set DESCRIPTION = ?, CHANGED = \"+\" where EUPH_UID = 2");
  first.handbook.IBSQL1.ExecQuery({ansi("Воспаление бронхов.\r\nЧасто после простуды.")});
  first.handbook.IBSQL1.SetSQL(std::string(store::statements::InsertLocalTermBound));
  first.handbook.IBSQL1.ExecQuery({ansi("Трахеит"), ansi("греч. tracheia"), ansi("Воспаление трахеи <острое>."), "3"});
  boxes_.WillAnswer(MessageAnswer::Yes);
  first.exchange.SendChanges();
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[1].text, exchange::UploadSucceededMessage());
  EXPECT_EQ(first.Terms().size(), 3u) << "the sent new article leaves the first reader's handbook";

  // The editor reviews the set and accepts it; the new article goes to category 3.
  store::Database editor;
  editor.Open(producerFile_.string());
  const std::vector<producer::ChangeSetRow> sets = producer::ReadChangeSets(editor, true);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].sender, "127.0.0.1");
  ASSERT_EQ(sets[0].terms.size(), 2u);
  EXPECT_EQ(sets[0].terms[0].description, ansi("Воспаление бронхов.\r\nЧасто после простуды."));
  EXPECT_EQ(producer::AcceptChanges(editor, sets[0].setId, {}, 3, platform::Now()),
            (std::vector<producer::AcceptedTerm>{{1, 2, true}, {2, 8, false}}));

  // The second reader, pointed at the server by its settings, last updated yesterday, finds the
  // two articles, downloads them and sees both in the report.
  producerUrl_.Set(std::nullopt);
  platform::SettingsStore().WriteText(platform::kHandbookSection, "ProducerBaseUrl", server_.BaseUrl() + "/");
  ASSERT_EQ(platform::ProducerBaseUrl(), server_.BaseUrl());
  ReaderProgram second;
  second.handbook.FLastUpdate = platform::Now() - 1;
  boxes_.Clear();
  boxes_.WillAnswer(MessageAnswer::Yes);  // download
  boxes_.WillAnswer(MessageAnswer::Yes);  // the report
  second.exchange.QueryUpdateCount();

  const std::string countTarget = exchange::UpdateCountPath(second.handbook.FLastUpdate);
  httplib::Client client = server_.Client();
  const auto count = client.Get(countTarget);
  ASSERT_TRUE(count);
  EXPECT_EQ(exchange::SplitUpdateCountReply(count->body).count, "2");
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[0].text, exchange::UpdateOfferText(exchange::SplitUpdateCountReply(count->body)));
  EXPECT_EQ(second.report, (std::vector<std::string>{ansi("Бронхит"), ansi("Трахеит")}));
  EXPECT_EQ(second.Terms(), (std::vector<ReaderProgram::Term>{
                                {1, ansi("Анамнез"), ansi("Сведения о болезни."), 0, ""},
                                // A line break arrives as readers store one from an update.
                                {2, ansi("Бронхит"), ansi("Воспаление бронхов.\n\rЧасто после простуды."), 3, ""},
                                {7, ansi("Астма"), ansi("Приступы удушья."), 3, ""},
                                {8, ansi("Трахеит"), ansi("Воспаление трахеи <острое>."), 3, ""},
                            }));
  EXPECT_GT(exchange::ReadLastUpdate(platform::SettingsStore()), second.handbook.FLastUpdate);

  // The digest the program checked matches one recomputed over the copy it kept, and that copy is
  // what the server sends for the same date again.
  std::ifstream copy(text::DataFolder() / "1.txt", std::ios::binary);
  std::ostringstream kept;
  kept << copy.rdbuf();
  EXPECT_TRUE(exchange::SplitUpdateDigest(kept.str()).Verified());
  EXPECT_EQ(exchange::UnpackUpdateBody(Download(exchange::UpdateDownloadPath(second.handbook.FLastUpdate))), kept.str());

  // After its download the second reader's client accepts gzip: its upload still reads "OK".
  second.handbook.IBSQL1.SetSQL("update EUPHEMIZMS set EUPHEMIZM = ?, CHANGED = \"+\" where EUPH_UID = 7");
  second.handbook.IBSQL1.ExecQuery({ansi("Астма бронхиальная")});
  boxes_.Clear();
  boxes_.WillAnswer(MessageAnswer::Yes);
  second.exchange.SendChanges();
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  EXPECT_EQ(boxes_.Shown()[1].text, exchange::UploadSucceededMessage());
  editor.Commit();
  EXPECT_EQ(producer::ReadChangeSets(editor, true).size(), 1u);
}

}  // namespace
