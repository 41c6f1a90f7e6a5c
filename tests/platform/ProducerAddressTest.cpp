#include "platform/ProducerAddress.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/SettingsStore.h"
#include "tests/support/TempDir.h"

namespace {

class ProducerAddressTest : public ::testing::Test {
 protected:
  void SetUp() override { unsetenv("KORVAND_PRODUCER_URL"); }
  void TearDown() override { unsetenv("KORVAND_PRODUCER_URL"); }
  testing_support::TempDir folder_;
  platform::SettingsStore settings_{folder_.path() / "Handbook.conf"};
};

TEST_F(ProducerAddressTest, CompiledInDefaultsWhenNothingIsSet) {
  EXPECT_EQ(platform::ProducerBaseUrl(settings_), "http://korvand-med.ru");
  EXPECT_EQ(platform::SupportEmail(settings_), "support@korvand-med.ru");
}

TEST_F(ProducerAddressTest, TheSettingsReplaceTheDefaultsAndTheEnvironmentReplacesTheAddress) {
  settings_.WriteText(platform::kHandbookSection, "ProducerBaseUrl", "http://mirror.example.org/");
  settings_.WriteText(platform::kHandbookSection, "SupportEmail", "help@mirror.example.org");
  EXPECT_EQ(platform::ProducerBaseUrl(settings_), "http://mirror.example.org");
  EXPECT_EQ(platform::SupportEmail(settings_), "help@mirror.example.org");
  setenv("KORVAND_PRODUCER_URL", "http://127.0.0.1:8080//", 1);
  EXPECT_EQ(platform::ProducerBaseUrl(settings_), "http://127.0.0.1:8080");
}

}  // namespace
