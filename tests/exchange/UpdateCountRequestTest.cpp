#include "exchange/UpdateCountRequest.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ProducerAddress.h"
#include "platform/SettingsStore.h"
#include "tests/exchange/UpdateCheckSettingsFolder.h"
#include "text/FormatSettings.h"

namespace {

struct PathCase {
  text::CalendarTime lastUpdate;
  const char* path;
};

TEST(UpdateCountPath, SendsTheDateOnlyFollowedByAnEncodedMidnight) {
  const PathCase cases[] = {
      {{2008, 12, 29}, "/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1"},
      {{2008, 12, 29, 23, 59, 59, 0}, "/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1"},
      {{2026, 12, 10, 13, 47, 12, 500}, "/includes/dictupdgz.php?date=2026-12-10%2000:00:00&count=1"},
      {{2010, 3, 7, 6}, "/includes/dictupdgz.php?date=2010-03-07%2000:00:00&count=1"},
      {{999, 1, 1}, "/includes/dictupdgz.php?date=0999-01-01%2000:00:00&count=1"},
      {{9999, 12, 31, 12}, "/includes/dictupdgz.php?date=9999-12-31%2000:00:00&count=1"},
  };
  for (const PathCase& c : cases) {
    const text::DateTime lastUpdate = text::EncodeDateTime(c.lastUpdate);
    EXPECT_EQ(exchange::UpdateCountPath(lastUpdate), c.path) << lastUpdate;
  }
}

TEST(UpdateCountPath, KeepsItsFormWhateverTheProcessDateFormatIs) {
  const text::FormatSettings saved = text::CurrentFormatSettings();
  text::FormatSettings dotted = saved;
  dotted.dateSeparator = '.';
  dotted.shortDateFormat = "dd/mm/yy";
  text::SetFormatSettings(dotted);
  const std::string date = exchange::UpdateRequestDate(text::EncodeDateTime({2008, 12, 29}));
  text::SetFormatSettings(saved);
  EXPECT_EQ(date, "2008-12-29");
}

TEST(UpdateCountPath, AValueOutsideTheFourDigitYearsIsNoDate) {
  for (const double value : {-693594.0, 2958466.0, 1e300, -1e300})
    EXPECT_THROW(exchange::UpdateCountPath(value), std::out_of_range) << value;
}

class UpdateCountUrlTest : public ::testing::Test {
 protected:
  exchange_testing::UpdateCheckSettingsFolder folder_;
  const text::DateTime firstRun_ = text::EncodeDateTime({2008, 12, 29});
};

TEST_F(UpdateCountUrlTest, AppendsThePathToTheProducersAddress) {
  EXPECT_EQ(exchange::UpdateCountUrl("http://producer.test", firstRun_),
            "http://producer.test/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1");
  EXPECT_EQ(exchange::UpdateCountUrl(firstRun_),
            platform::kDefaultProducerBaseUrl + std::string("/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1"));

  platform::SettingsStore settings;
  settings.WriteText(platform::kHandbookSection, "ProducerBaseUrl", "https://mirror.test/handbook/");
  EXPECT_EQ(exchange::UpdateCountUrl(firstRun_),
            "https://mirror.test/handbook/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1");
}

}  // namespace
