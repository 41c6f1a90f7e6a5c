// Producer servers sharing one database on a Firebird server, as several processes or machines
// would: a set one of them receives, once accepted, is counted and sent by the other.
#include <gtest/gtest.h>

#include "exchange/UpdateCountReply.h"
#include "producer/ChangeSets.h"
#include "producer/EditorDecisions.h"
#include "producer/ProducerDatabase.h"
#include "producer/Publishing.h"
#include "platform/Clock.h"
#include "store/Database.h"
#include "tests/producer/ProducerTesting.h"
#include "tests/support/Ansi.h"
#include "tests/support/FirebirdServer.h"
#include "tests/support/HandbookDatabase.h"

namespace {

using testing_support::ansi;

TEST(SharedDatabaseServersTest, WhatOneServerReceivesTheOtherPublishesOnceAccepted) {
  if (const std::string missing = testing_support::FirebirdServer::MissingPrograms(); !missing.empty())
    GTEST_SKIP() << missing;
  testing_support::FirebirdServer firebird;
  testing_support::TempDir dir;
  const std::string name = "localhost/" + std::to_string(firebird.port()) + ":" + (dir.path() / "SHARED.FDB").string();
  {
    store::Database database;
    ASSERT_TRUE(producer::OpenProducerDatabase(database, name)) << "made on the server, as a file would be";
    producer::ImportHandbook(database, testing_support::MakeHandbookDatabase(dir, producer_testing::SmallHandbook()),
                             producer_testing::LongAgo());
  }
  producer::ServerOptions options;
  options.publicationCheck = std::chrono::milliseconds(0);
  producer_testing::RunningProducer receiving(name, options);
  producer_testing::RunningProducer sending(name, options);

  httplib::Client reader = receiving.Client();
  const auto sent = producer_testing::PostChanges(
      reader, producer_testing::ChangeDocument({{1000000001, ansi("Трахеит"), "", "", 3, store::ChangeMark::CreatedLocally}}));
  ASSERT_TRUE(sent);
  ASSERT_EQ(sent->body, "OK");

  const std::string count = "/includes/dictupdgz.php?date=2026-01-01%2000:00:00&count=1";
  httplib::Client other = sending.Client();
  const auto before = other.Get(count);
  ASSERT_TRUE(before);
  EXPECT_EQ(before->body, "0|0");

  store::Database editor;
  editor.Open(name);
  const auto sets = producer::ReadChangeSets(editor, true);
  ASSERT_EQ(sets.size(), 1u);
  producer::AcceptChanges(editor, sets[0].setId, {}, 3, platform::Now());

  const auto after = other.Get(count);
  ASSERT_TRUE(after);
  EXPECT_EQ(exchange::SplitUpdateCountReply(after->body).count, "1") << after->body;
}

}  // namespace
