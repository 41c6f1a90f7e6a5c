#include "exchange/LastUpdateSetting.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/ProducerAddress.h"
#include "tests/exchange/UpdateCheckSettingsFolder.h"

namespace {

class LastUpdateSettingTest : public ::testing::Test {
 protected:
  std::string FileText() const {
    std::ifstream in(folder_.File());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  exchange_testing::UpdateCheckSettingsFolder folder_;
};

TEST_F(LastUpdateSettingTest, KeepsTheTimeOfDayInTheUsersSettingsFile) {
  {
    platform::SettingsStore settings;
    EXPECT_FALSE(exchange::HasLastUpdate(settings));
    exchange::WriteLastUpdate(settings, 39811.75);
  }
  EXPECT_NE(FileText().find("LastUpdate=39811.75"), std::string::npos) << FileText();
  platform::SettingsStore settings;
  EXPECT_TRUE(exchange::HasLastUpdate(settings));
  EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(settings), 39811.75);
  const text::DateTime now = text::EncodeDateTime({2026, 12, 10, 13, 45, 7, 250});
  exchange::WriteLastUpdate(settings, now);
  EXPECT_EQ(text::DecodeDateTime(exchange::ReadLastUpdate(platform::SettingsStore())),
            (text::CalendarTime{2026, 12, 10, 13, 45, 7, 250}));
}

TEST_F(LastUpdateSettingTest, ReadsADecimalNumberWrittenAsText) {
  platform::SettingsStore settings;
  const std::pair<const char*, double> cases[] = {{"39811", 39811.0}, {"39811.5", 39811.5}, {"-1.25", -1.25}, {"3.9811e4", 39811.0}};
  for (const auto& [stored, value] : cases) {
    settings.WriteText(platform::kHandbookSection, "LastUpdate", stored);
    EXPECT_DOUBLE_EQ(exchange::ReadLastUpdate(settings), value) << stored;
  }
}

TEST_F(LastUpdateSettingTest, AMissingOrUnreadableValueIsAnError) {
  platform::SettingsStore settings;
  settings.WriteText(platform::kHandbookSection, "ProducerBaseUrl", "http://producer.test");
  EXPECT_FALSE(exchange::HasLastUpdate(settings)) << "other values of the section are no date";
  EXPECT_THROW(exchange::ReadLastUpdate(settings), platform::SettingsError);
  for (const char* stored : {"", "29.12.2008", "2008-12-29", "39811,5", " 39811", "39811 ", "inf", "nan", "-inf"}) {
    settings.WriteText(platform::kHandbookSection, "LastUpdate", stored);
    EXPECT_TRUE(exchange::HasLastUpdate(settings)) << '"' << stored << '"';
    EXPECT_THROW(exchange::ReadLastUpdate(settings), platform::SettingsError) << '"' << stored << '"';
  }
}

TEST_F(LastUpdateSettingTest, SettingsThatCannotBeWrittenRaiseAnError) {
  std::ofstream(folder_.Folder() / "Korvand") << "a file where the folder should be";
  platform::SettingsStore settings;
  EXPECT_THROW(exchange::WriteLastUpdate(settings, 39811.0), platform::SettingsError);
}

}  // namespace
