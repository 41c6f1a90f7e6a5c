#include "platform/WindowsVersionName.h"

#include <cstdio>

#include "platform/SystemText.h"
#include "text/Format.h"
#include "text/KorStrUtils.h"

namespace platform {
namespace {

using Family = WindowsVersion::Family;

std::string Windows95Name(const WindowsVersion& v) {
  const std::string service = text::TrimBlanks(v.serviceText);
  if (v.minor < 10) return service == "B" || service == "C" ? "Windows 95 OSR2" : "Windows 95";
  if (v.minor < 90) {
    if (v.kernel32Is490) return "Windows ME";
    return service == "A" || service == "B" ? "Windows 98 SE" : "Windows 98";
  }
  if (v.minor == 90) return "Windows ME";
  return {};
}

std::string NtName(const WindowsVersion& v) {
  if (v.major == 3 && (v.minor == 1 || v.minor == 5 || v.minor == 51))
    return text::Format("Windows NT 3.%u", {v.minor});
  if (v.major == 4) return text::Format("Windows NT 4.%u", {v.minor});
  if (v.major == 5 && v.minor == 0) return "Windows 2000";
  if (v.major == 5 && v.minor == 1) return "Windows XP";
  if (v.major == 5 && v.minor == 2) {
    if (v.serverR2) return "Windows Server 2003 \"R2\"";
    if (!v.nativeX86 && v.clientEdition) return "Windows XP x64";
    return "Windows Server 2003";
  }
  if (v.major == 6 && v.minor == 0) return v.clientEdition ? "Windows Vista" : "Windows Server 2008";
  return {};
}

// The names from Windows 2000 on take the service pack from the version query.
bool FromWindows2000On(const WindowsVersion& v) { return v.family == Family::NT && v.major >= 5 && v.major <= 6; }

int RegistryServicePack(const WindowsVersion& v) {
  if (!v.registryCsdVersion) return 0;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04X", *v.registryCsdVersion);
  // Read as decimal; hexadecimal letters end the number there.
  int value = 0;
  for (const char* c = hex; *c >= '0' && *c <= '9'; ++c) value = value * 10 + (*c - '0');
  return value / 100;
}

}  // namespace

std::string WindowsVersionName(const WindowsVersion& version) {
  switch (version.family) {
    case Family::Windows95:
      return Windows95Name(version);
    case Family::NT:
      return NtName(version);
    case Family::Other:
      break;
  }
  return {};
}

std::string WindowsServicePackText(const WindowsVersion& version) {
  const int number = FromWindows2000On(version) && !WindowsVersionName(version).empty() ? version.servicePackMajor
                                                                                         : RegistryServicePack(version);
  return number > 0 ? text::Format("SP%u", {number}) : std::string();
}

std::string WindowsSystemText(const WindowsVersion& version) {
  return OperatingSystemText(WindowsVersionName(version), version.build, version.servicePackMajor,
                             WindowsServicePackText(version));
}

}  // namespace platform
