#pragma once
// Facts about the computer for the about window. Texts are Windows-1251.
#include <cstdint>
#include <string>

namespace platform {

// The distribution's name and version, e.g. "Debian GNU/Linux 12 (bookworm)".
std::string OperatingSystemName();
// The kernel's release, e.g. "6.1.0-18-amd64".
std::string KernelRelease();
// The installed physical memory in bytes; 0 when the system does not tell.
std::uint64_t TotalPhysicalMemory();

}  // namespace platform
