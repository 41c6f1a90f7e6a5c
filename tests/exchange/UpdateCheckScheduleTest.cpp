#include "exchange/UpdateCheckSchedule.h"

#include <gtest/gtest.h>

#include <fstream>

#include "exchange/LastUpdateSetting.h"
#include "platform/Clock.h"
#include "platform/ProducerAddress.h"
#include "tests/exchange/UpdateCheckSettingsFolder.h"

namespace {

constexpr double kSecond = 1.0 / 86400;

text::DateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
  return text::EncodeDateTime({year, month, day, hour, minute});
}

TEST(UpdateIsDue, AtSevenDaysOnTheFractionalDayCount) {
  struct Case {
    const char* what;
    text::DateTime lastUpdate, now;
    bool due;
  };
  const text::DateTime last = At(2026, 12, 1, 18, 30);
  const Case cases[] = {
      {"exactly 7.0 days", last, last + 7.0, true},
      {"6.9 days", last, last + 6.9, false},
      {"one second short of 7 days", last, last + 7.0 - kSecond, false},
      {"7 days by the calendar, earlier in the day", last, At(2026, 12, 8, 18, 29), false},
      {"7 days by the calendar, at the same time", last, At(2026, 12, 8, 18, 30), true},
      {"years ago", exchange::FirstRunLastUpdate(), last, true},
      {"the same moment", last, last, false},
      {"a date in the future", last + 3.0, last, false},
      {"7 days after a future date", last + 3.0, last + 10.0, true},
  };
  for (const Case& c : cases) EXPECT_EQ(exchange::UpdateIsDue(c.lastUpdate, c.now), c.due) << c.what;
}

TEST(UpdateIsDue, TheFirstRunDateIs29December2008AtMidnight) {
  EXPECT_EQ(text::DecodeDateTime(exchange::FirstRunLastUpdate()), (text::CalendarTime{2008, 12, 29, 0, 0, 0, 0}));
}

class UpdateCheckScheduleTest : public ::testing::Test {
 protected:
  static void StopClockAt(text::DateTime now) {
    platform::SetClock([now] { return now; });
  }
  exchange_testing::UpdateCheckSettingsFolder folder_;
};

TEST_F(UpdateCheckScheduleTest, TheFirstCheckStoresThe2008DateAndAsksAtOnce) {
  StopClockAt(At(2008, 12, 30));  // one day after the stored date: the interval is not tested
  platform::SettingsStore settings;
  const exchange::UpdateCheckDecision decision = exchange::DecideUpdateCheck(settings);
  EXPECT_TRUE(decision.askProducer);
  EXPECT_EQ(decision.lastUpdate, exchange::FirstRunLastUpdate());
  platform::SettingsStore reread;
  EXPECT_TRUE(reread.HasSection(platform::kHandbookSection));
  EXPECT_EQ(exchange::ReadLastUpdate(reread), exchange::FirstRunLastUpdate());

  const exchange::UpdateCheckDecision second = exchange::DecideUpdateCheck(reread);
  EXPECT_FALSE(second.askProducer) << "the second check tests the interval against the stored date";
}

TEST_F(UpdateCheckScheduleTest, ASectionHoldingOtherValuesOnlyIsStillAFirstRun) {
  StopClockAt(At(2026, 12, 10, 13, 30));
  platform::SettingsStore settings;
  settings.WriteText(platform::kHandbookSection, "ProducerBaseUrl", "http://producer.test");
  const exchange::UpdateCheckDecision decision = exchange::DecideUpdateCheck(settings);
  EXPECT_TRUE(decision.askProducer);
  EXPECT_EQ(exchange::ReadLastUpdate(settings), exchange::FirstRunLastUpdate());
}

TEST_F(UpdateCheckScheduleTest, AStoredDateAsksOnlyAfterSevenDaysAndIsLeftAlone) {
  struct Case {
    const char* what;
    double daysSinceLastUpdate;
    bool ask;
  };
  const Case cases[] = {{"7.0 days", 7.0, true}, {"6.9 days", 6.9, false}, {"30 days", 30.0, true},
                        {"a date one day in the future", -1.0, false}};
  const text::DateTime lastUpdate = At(2026, 11, 20, 9, 15);
  for (const Case& c : cases) {
    platform::SettingsStore settings;
    exchange::WriteLastUpdate(settings, lastUpdate);
    StopClockAt(lastUpdate + c.daysSinceLastUpdate);
    const exchange::UpdateCheckDecision decision = exchange::DecideUpdateCheck(settings);
    EXPECT_EQ(decision.askProducer, c.ask) << c.what;
    EXPECT_EQ(decision.lastUpdate, lastUpdate) << c.what;
    EXPECT_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), lastUpdate) << c.what << ": the check wrote";
  }
}

TEST_F(UpdateCheckScheduleTest, AFutureDateWaitsSevenDaysFromThatDate) {
  const text::DateTime future = At(2027, 3, 1, 12, 0);
  platform::SettingsStore settings;
  exchange::WriteLastUpdate(settings, future);
  StopClockAt(At(2026, 12, 10));
  EXPECT_FALSE(exchange::DecideUpdateCheck(settings).askProducer);
  StopClockAt(future + 6.9);
  EXPECT_FALSE(exchange::DecideUpdateCheck(settings).askProducer);
  StopClockAt(future + 7.0);
  EXPECT_TRUE(exchange::DecideUpdateCheck(settings).askProducer);
}

TEST_F(UpdateCheckScheduleTest, AnUnreadableDateFailsEveryCheckAndStaysAsItIs) {
  platform::SettingsStore settings;
  settings.WriteText(platform::kHandbookSection, "LastUpdate", "29.12.2008");
  for (int check = 0; check < 2; ++check)
    EXPECT_THROW(exchange::DecideUpdateCheck(settings), platform::SettingsError) << "check " << check;
  EXPECT_EQ(settings.ReadText(platform::kHandbookSection, "LastUpdate"), "29.12.2008");
}

TEST_F(UpdateCheckScheduleTest, SettingsThatCannotBeWrittenFailTheFirstCheck) {
  std::ofstream(folder_.Folder() / "Korvand") << "a file where the folder should be";
  platform::SettingsStore settings;
  EXPECT_THROW(exchange::DecideUpdateCheck(settings), platform::SettingsError);
}

TEST_F(UpdateCheckScheduleTest, DecliningStoresNowWithItsTimeOfDay) {
  const text::DateTime declined = At(2026, 12, 10, 13, 47) + 12 * kSecond;
  platform::SettingsStore settings;
  exchange::WriteLastUpdate(settings, exchange::FirstRunLastUpdate());
  StopClockAt(declined);
  exchange::RememberDeclinedUpdate(settings);
  EXPECT_EQ(exchange::ReadLastUpdate(platform::SettingsStore()), declined);
  StopClockAt(declined + 6.9);
  EXPECT_FALSE(exchange::DecideUpdateCheck(settings).askProducer);
  StopClockAt(declined + 7.0);
  const exchange::UpdateCheckDecision decision = exchange::DecideUpdateCheck(settings);
  EXPECT_TRUE(decision.askProducer);
  EXPECT_EQ(decision.lastUpdate, declined);
}

}  // namespace
