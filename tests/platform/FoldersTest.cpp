#include "platform/Folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Folders, ProgramFolderHoldsTheRunningProgramAndEndsWithASeparator) {
  const std::filesystem::path folder = platform::ProgramFolder();
  EXPECT_EQ(folder.string().back(), '/');
  EXPECT_TRUE(std::filesystem::exists(folder / "handbook_platform_tests"));
}

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* value = std::getenv("XDG_DATA_HOME")) saved_ = value;
  }
  void TearDown() override {
    if (saved_) setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
  }
  std::optional<std::string> saved_;
};

TEST_F(DataFolderTest, FollowsXdgDataHomeAndFallsBackToTheHomeFolder) {
  setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(platform::DataFolder(), "/srv/data/Korvand/Tessaly/");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::DataFolder(), std::filesystem::path(std::getenv("HOME")) / ".local/share/Korvand/Tessaly/");
}

}  // namespace
