#include "platform/Clock.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace platform {
namespace {

text::DateTime SystemNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
  text::CalendarTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  t.millisecond = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count());
  return text::EncodeDateTime(t);
}

std::function<text::DateTime()>& CurrentClock() {
  static std::function<text::DateTime()> clock = SystemNow;
  return clock;
}

}  // namespace

text::DateTime Now() { return CurrentClock()(); }

void SetClock(std::function<text::DateTime()> clock) { CurrentClock() = std::move(clock); }

void ResetClock() { CurrentClock() = SystemNow; }

}  // namespace platform
