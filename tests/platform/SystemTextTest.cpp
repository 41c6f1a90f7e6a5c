#include "platform/SystemText.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/LinuxVersion.h"
#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

TEST(MemoryText, ShowsTheWholeTotalInKilobytes) {
  constexpr std::uint64_t kGigabyte = 1024ull * 1024 * 1024;
  EXPECT_EQ(platform::MemoryText(2 * kGigabyte), ansi("2097152 КБ"));
  // Past 32 bits: a 32-bit total would read 0 here.
  EXPECT_EQ(platform::MemoryText(8 * kGigabyte), ansi("8388608 КБ"));
  EXPECT_EQ(platform::MemoryText(4 * kGigabyte + 1536), ansi("4194305 КБ"));
}

TEST(OperatingSystemText, ShowsTheServiceTextOnlyWithAServicePackNumber) {
  EXPECT_EQ(platform::OperatingSystemText("Windows XP", 2600, 0, "SP3"), "Windows XP (Build 2600)");
  EXPECT_EQ(platform::OperatingSystemText("Windows XP", 2600, 3, "SP3"), "Windows XP (Build 2600: SP3)");
  EXPECT_EQ(platform::OperatingSystemText("", 7601, 1, ""), " (Build 7601: )");
}

TEST(LinuxVersion, DistributionNameFromOsRelease) {
  const struct {
    const char* osRelease;
    const char* name;
  } cases[] = {
      {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n",
       "Debian GNU/Linux 12"},
      {"NAME=Fedora\nVERSION_ID=39\nID=fedora\n", "Fedora 39"},
      {"NAME='Arch Linux'\nPRETTY_NAME='Arch Linux'\nBUILD_ID=rolling\n", "Arch Linux"},
      {"PRETTY_NAME=\"Something 1\"\n", "Something 1"},
      {"ID=unknown\nNAME_EXTRA=x\n", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::DistributionName(c.osRelease), c.name) << c.osRelease;
}

TEST(LinuxVersion, KernelBuildAndVersionFromUname) {
  EXPECT_EQ(platform::KernelBuildNumber("#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)"), 1u);
  EXPECT_EQ(platform::KernelBuildNumber("#101-Ubuntu SMP Tue Nov 14 13:30:08 UTC 2023"), 101u);
  EXPECT_EQ(platform::KernelBuildNumber("SMP PREEMPT"), 0u);
  EXPECT_EQ(platform::KernelBuildNumber(""), 0u);
  EXPECT_EQ(platform::KernelVersionNumber("6.1.0-18-amd64"), "6.1.0");
  EXPECT_EQ(platform::KernelVersionNumber("6.18.44-fc-v1523"), "6.18.44");
  EXPECT_EQ(platform::KernelVersionNumber("5.15.0.x"), "5.15.0");
  EXPECT_EQ(platform::KernelVersionNumber("rc-kernel"), "");
}

}  // namespace
