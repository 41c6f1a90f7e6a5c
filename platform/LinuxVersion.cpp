#include "platform/LinuxVersion.h"

#include <sys/utsname.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "text/Cp1251.h"
#include "text/KorStrUtils.h"

namespace platform {
namespace {

// The value of `key` in os-release text: KEY=value, KEY="value" or KEY='value'.
std::optional<std::string> OsReleaseValue(std::string_view osRelease, std::string_view key) {
  std::istringstream lines{std::string(osRelease)};
  for (std::string line; std::getline(lines, line);) {
    line = text::TrimBlanks(line);
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != '=') continue;
    std::string value = line.substr(key.size() + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return std::nullopt;
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string DistributionName(std::string_view osRelease) {
  std::string name;
  if (const auto plain = OsReleaseValue(osRelease, "NAME")) {
    name = *plain;
    if (const auto version = OsReleaseValue(osRelease, "VERSION_ID"); version && !version->empty())
      name += ' ' + *version;
  } else if (const auto pretty = OsReleaseValue(osRelease, "PRETTY_NAME")) {
    name = *pretty;
  }
  return text::TrimBlanks(text::IsMultibyteUtf8(name) ? text::Utf8ToCp1251(name) : name);
}

unsigned KernelBuildNumber(std::string_view unameVersion) {
  if (!unameVersion.starts_with('#')) return 0;
  unsigned number = 0;
  for (std::size_t i = 1; i < unameVersion.size() && IsDigit(unameVersion[i]) && number < 100000000; ++i)
    number = number * 10 + static_cast<unsigned>(unameVersion[i] - '0');
  return number;
}

std::string KernelVersionNumber(std::string_view unameRelease) {
  std::size_t end = 0;
  while (end < unameRelease.size() && (IsDigit(unameRelease[end]) || unameRelease[end] == '.')) ++end;
  while (end > 0 && unameRelease[end - 1] == '.') --end;
  return std::string(unameRelease.substr(0, end));
}

LinuxVersion ThisLinuxVersion() {
  LinuxVersion version;
  version.name = DistributionName(ReadFile("/etc/os-release"));
  if (version.name.empty()) version.name = DistributionName(ReadFile("/usr/lib/os-release"));
  if (version.name.empty()) version.name = "Linux";
  utsname system{};
  if (uname(&system) == 0) {
    version.build = KernelBuildNumber(system.version);
    version.kernelVersion = KernelVersionNumber(system.release);
  }
  return version;
}

}  // namespace platform
