#pragma once
// The Linux counterpart of the Windows version query, for the about window: the distribution's
// name and version from os-release, the kernel's build counter (the "#N" uname reports as the
// kernel version) and the kernel's version number. Texts are Windows-1251.
#include <string>
#include <string_view>

namespace platform {

struct LinuxVersion {
  std::string name;           // "Debian GNU/Linux 12"
  unsigned build = 0;         // 1 for "#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)"
  std::string kernelVersion;  // "6.1.76" for the release "6.1.76-1-amd64"; may be empty
};

// NAME and VERSION_ID of an os-release file's text, quotes removed: "Debian GNU/Linux 12"; the
// PRETTY_NAME when there is no NAME; empty when it holds neither.
std::string DistributionName(std::string_view osRelease);
// The number after "#" at the start of uname's version text; 0 when there is none.
unsigned KernelBuildNumber(std::string_view unameVersion);
// The leading dotted numbers of uname's release text: "6.1.76" of "6.1.76-1-amd64".
std::string KernelVersionNumber(std::string_view unameRelease);

// This machine's: /etc/os-release (else /usr/lib/os-release; "Linux" when both fail) and uname.
LinuxVersion ThisLinuxVersion();

}  // namespace platform
