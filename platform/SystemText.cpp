#include "platform/SystemText.h"

#include "platform/LinuxVersion.h"
#include "platform/SystemInfo.h"
#include "text/Cp1251.h"
#include "text/Format.h"

namespace platform {

std::string OperatingSystemText(std::string_view name, unsigned build, int servicePackMajor,
                                std::string_view servicePackText) {
  if (servicePackMajor == 0) return text::Format("%s (Build %u)", {name, build});
  return text::Format("%s (Build %u: %s)", {name, build, servicePackText});
}

std::string MemoryText(std::uint64_t totalBytes) {
  return text::Format(text::Utf8ToCp1251("%u КБ"), {totalBytes >> 10});
}

std::string ThisOperatingSystemText() {
  const LinuxVersion version = ThisLinuxVersion();
  return OperatingSystemText(version.name, version.build, version.kernelVersion.empty() ? 0 : 1,
                             version.kernelVersion);
}

std::string ThisMemoryText() { return MemoryText(TotalPhysicalMemory()); }

}  // namespace platform
