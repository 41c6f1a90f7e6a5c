#include "platform/SystemInfo.h"

#include <QSysInfo>

#include <unistd.h>

#include "platform/QtText.h"

namespace platform {

std::string OperatingSystemName() { return FromQString(QSysInfo::prettyProductName()); }

std::string KernelRelease() { return FromQString(QSysInfo::kernelVersion()); }

std::uint64_t TotalPhysicalMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

}  // namespace platform
