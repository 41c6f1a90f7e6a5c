#pragma once
// The name of a Windows version for the about window, from what the system's version query and a
// few other system facts report. Pure: the caller gathers the facts.
#include <optional>
#include <string>

namespace platform {

struct WindowsVersion {
  enum class Family { Windows95, NT, Other };
  Family family = Family::Other;
  unsigned major = 0;
  unsigned minor = 0;
  unsigned build = 0;
  // The query's service text ("Service Pack 3"; " B" on a second release of Windows 95).
  std::string serviceText;
  int servicePackMajor = 0;
  // The product type reports a client (workstation) edition.
  bool clientEdition = true;
  // The system metric of the second release of Windows Server 2003 is non-zero.
  bool serverR2 = false;
  // The processor architecture the system runs natively is x86.
  bool nativeX86 = true;
  // The product version of the system's kernel32 file is 4.90.
  bool kernel32Is490 = false;
  // The registry value CSDVersion under SYSTEM\CurrentControlSet\Control\Windows, if present.
  std::optional<unsigned> registryCsdVersion;
};

// "Windows XP", "Windows NT 4.0", …; empty for a version the table does not know.
std::string WindowsVersionName(const WindowsVersion& version);

// The service level shown after the build: "SP3", or empty when the number is 0 or less. From
// Windows 2000 on the number is the query's; before, the registry's CSDVersion read as decimal
// digits over 100 (0x0300 gives 3).
std::string WindowsServicePackText(const WindowsVersion& version);

// The whole operating system text, "Windows XP (Build 2600: SP3)".
std::string WindowsSystemText(const WindowsVersion& version);

}  // namespace platform
