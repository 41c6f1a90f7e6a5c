#include <QDateTime>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemInfo.h"

namespace {

TEST(Clock, TestsCanStopItAndTheRealOneIsLocalTime) {
  platform::SetClock([] { return 39811.25; });
  EXPECT_DOUBLE_EQ(platform::Now(), 39811.25);
  platform::ResetClock();

  const QDateTime local = QDateTime::currentDateTime();
  const QDate date = local.date();
  const QTime time = local.time();
  const double expected = text::EncodeDateTime(
      {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()});
  EXPECT_NEAR(platform::Now(), expected, 5.0 / 86400);
}

TEST(MessageBoxes, WithNoneInstalledEveryQuestionIsDeclined) {
  platform::MessageBoxes* previous = platform::InstallMessageBoxes(nullptr);
  platform::MessageBoxes& boxes = platform::Boxes();
  EXPECT_EQ(boxes.Ask("Delete record?", "", platform::MessageButtons::OkCancel, platform::MessageIcon::Question),
            platform::MessageAnswer::Cancel);
  EXPECT_EQ(boxes.Ask("Download?", "", platform::MessageButtons::YesNo, platform::MessageIcon::None),
            platform::MessageAnswer::No);
  platform::InstallMessageBoxes(previous);
}

TEST(SystemInfo, MemoryMatchesWhatTheKernelReports) {
  std::ifstream meminfo("/proc/meminfo");
  std::string label;
  unsigned long long kilobytes = 0;
  meminfo >> label >> kilobytes;
  ASSERT_EQ(label, "MemTotal:");
  EXPECT_EQ(platform::TotalPhysicalMemory() / 1024, kilobytes);
  EXPECT_FALSE(platform::OperatingSystemName().empty());
  EXPECT_FALSE(platform::KernelRelease().empty());
}

}  // namespace
