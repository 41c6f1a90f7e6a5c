// What the producer publishes and when: imports, publishing by other means, and the update
// documents built from it.
#include "producer/Publishing.h"

#include <gtest/gtest.h>

#include "exchange/UpdateBody.h"
#include "exchange/UpdateDocumentReader.h"
#include "producer/PublishedHandbook.h"
#include "producer/SharedDatabase.h"
#include "producer/UpdateCache.h"
#include "store/SqlExecutor.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"

namespace {

using producer::PublishedCount;
using testing_support::ansi;

// A function, not a constant: the text library's tables are not there yet when constants start.
text::DateTime Now() { return text::EncodeDateTime({.year = 2026, .month = 12, .day = 10, .hour = 15}); }
const std::string kYesterday = "2026-12-09 00:00:00";

std::vector<std::string> TermKeys(const producer::PublishedUpdate& update) {
  std::vector<std::string> keys;
  for (const auto& term : update.terms) keys.push_back(term.uid);
  return keys;
}

class PublishingTest : public ::testing::Test {
 protected:
  PublishingTest() : file_(producer_testing::MakeProducerDatabase(dir_)) {
    database_.Open(file_.string());
  }
  producer::PublishedUpdate Since(const std::string& since) {
    producer::PublishedUpdate update = producer::ReadPublishedSince(database_, since);
    database_.Commit();
    return update;
  }

  testing_support::TempDir dir_;
  std::filesystem::path file_;
  store::Database database_;
};

TEST_F(PublishingTest, AnImportReplacesRowsByKeyAndLeavesTheReadersOwnTermsOut) {
  using testing_support::SectionLine;
  using testing_support::TermLine;
  testing_support::TempDir other;
  const auto handbook = testing_support::MakeHandbookDatabase(
      other, {SectionLine(3, "Пульмонология и аллергология"), TermLine(2, "Бронхит", "", "Новый текст.", 3),
              TermLine(11, "Пневмония", "", "", 3), TermLine(1000000001, "Свой термин", "", "", 3)});
  EXPECT_EQ(producer::ImportHandbook(database_, handbook, Now()), (PublishedCount{1, 2, 1}));

  const producer::PublishedUpdate update = Since(kYesterday);
  EXPECT_EQ(TermKeys(update), (std::vector<std::string>{"2", "11"}));
  EXPECT_EQ(update.terms[0].description, ansi("Новый текст."));
  EXPECT_EQ(update.categories, (std::vector<exchange::ProducerCategory>{
                                   {"0", ansi("Общие термины")}, {"3", ansi("Пульмонология и аллергология")}}))
      << "every category goes out, whenever published";
  EXPECT_EQ(TermKeys(Since("2019-12-31 00:00:00")), (std::vector<std::string>{"1", "2", "7", "11"}));
}

TEST_F(PublishingTest, RowsChangedByOtherMeansArePublishedWhenMarked) {
  store::SqlExecutor sql(database_);
  sql.SetSQL("insert into EUPHEMIZMS (EUPH_UID, EUPHEMIZM, SECTION_UID) values (20, ?, 0)");
  sql.ExecQuery({ansi("Добавлен руками")});
  database_.Commit();
  EXPECT_TRUE(Since(kYesterday).terms.empty()) << "not published yet";

  EXPECT_EQ(producer::PublishUnpublished(database_, Now()), (PublishedCount{0, 1, 0}));
  EXPECT_EQ(TermKeys(Since(kYesterday)), (std::vector<std::string>{"20"}));
  EXPECT_EQ(producer::PublishUnpublished(database_, Now()), (PublishedCount{})) << "once only";

  const int publication = producer::LatestPublication(database_);
  EXPECT_THROW(producer::PublishKeys(database_, {0}, {7, 99}, Now()), std::invalid_argument);
  EXPECT_EQ(TermKeys(Since(kYesterday)), (std::vector<std::string>{"20"})) << "nothing of a refused call";
  EXPECT_EQ(producer::LatestPublication(database_), publication);

  EXPECT_EQ(producer::PublishKeys(database_, {0}, {7}, Now()), (PublishedCount{1, 1, 0}));
  EXPECT_EQ(TermKeys(Since(kYesterday)), (std::vector<std::string>{"7", "20"}));
}

TEST_F(PublishingTest, AKeptUpdateGivesTheSameBytesUntilSomethingNewIsPublished) {
  producer::SharedDatabase shared;
  shared.database.Open(file_.string());
  producer::UpdateCache cache(shared, std::chrono::milliseconds(0));
  const auto old = cache.Since("2019-12-31 00:00:00");
  EXPECT_EQ(old->termCount, 3u);
  EXPECT_EQ(exchange::UnpackUpdateBody(old->gzipBody), old->document);
  EXPECT_EQ(exchange::ReadUpdateDocument(old->document).terms.size(), 3u);
  EXPECT_EQ(cache.Since("2019-12-31 00:00:00"), old) << "kept, not built again";
  EXPECT_EQ(cache.Since(kYesterday)->termCount, 0u);
  EXPECT_TRUE(cache.Since(kYesterday)->gzipBody.empty());

  // Published through another attachment, as an editor's command in another process would.
  producer::PublishKeys(database_, {}, {7}, Now());
  const auto fresh = cache.Since(kYesterday);
  EXPECT_EQ(fresh->termCount, 1u);
  const auto rebuilt = cache.Since("2019-12-31 00:00:00");
  EXPECT_NE(rebuilt, old);
  EXPECT_EQ(rebuilt->document, old->document) << "the same rows give the same bytes";
}

}  // namespace
