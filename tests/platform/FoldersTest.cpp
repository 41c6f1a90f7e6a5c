#include "platform/Folders.h"

#include <gtest/gtest.h>

namespace {

TEST(Folders, ProgramFolderHoldsTheRunningProgramAndEndsWithASeparator) {
  const std::filesystem::path folder = platform::ProgramFolder();
  EXPECT_EQ(folder.string().back(), '/');
  EXPECT_TRUE(std::filesystem::exists(folder / "handbook_platform_tests"));
}

}  // namespace
