#include "platform/WindowsVersionName.h"

#include <gtest/gtest.h>

namespace {

using platform::WindowsVersion;
using Family = WindowsVersion::Family;

WindowsVersion Nt(unsigned major, unsigned minor, unsigned build, int servicePack = 0) {
  WindowsVersion v;
  v.family = Family::NT;
  v.major = major;
  v.minor = minor;
  v.build = build;
  v.servicePackMajor = servicePack;
  if (servicePack > 0) v.serviceText = "Service Pack " + std::to_string(servicePack);
  return v;
}

WindowsVersion Windows95(unsigned minor, const char* serviceText, bool kernel32Is490 = false) {
  WindowsVersion v;
  v.family = Family::Windows95;
  v.major = 4;
  v.minor = minor;
  v.build = 1111;
  v.serviceText = serviceText;
  v.kernel32Is490 = kernel32Is490;
  return v;
}

struct Case {
  const char* name;
  WindowsVersion version;
  const char* text;
};

TEST(WindowsVersionName, NamesTheVersionsTheTableKnowsAndNothingElse) {
  WindowsVersion xpX64 = Nt(5, 2, 3790, 2);
  xpX64.nativeX86 = false;
  WindowsVersion server2003 = Nt(5, 2, 3790, 1);
  server2003.clientEdition = false;
  WindowsVersion server2003OnX64 = server2003;
  server2003OnX64.nativeX86 = false;
  WindowsVersion server2003R2 = Nt(5, 2, 3790, 2);
  server2003R2.serverR2 = true;
  server2003R2.nativeX86 = false;
  WindowsVersion server2008 = Nt(6, 0, 6001, 1);
  server2008.clientEdition = false;
  WindowsVersion nt4 = Nt(4, 0, 1381, 6);
  nt4.registryCsdVersion = 0x0600;
  WindowsVersion nt351 = Nt(3, 51, 1057, 5);
  nt351.registryCsdVersion = 0x0500;
  WindowsVersion ntWithoutRegistryValue = Nt(4, 0, 1381, 3);
  WindowsVersion meFrom98Numbers = Windows95(10, "", true);

  const Case cases[] = {
      {"XP with service pack 3", Nt(5, 1, 2600, 3), "Windows XP (Build 2600: SP3)"},
      {"XP without service pack", Nt(5, 1, 2600), "Windows XP (Build 2600)"},
      {"2000", Nt(5, 0, 2195, 4), "Windows 2000 (Build 2195: SP4)"},
      {"XP x64: client edition, not x86", xpX64, "Windows XP x64 (Build 3790: SP2)"},
      {"Server 2003", server2003, "Windows Server 2003 (Build 3790: SP1)"},
      {"Server 2003 on x64 stays a server", server2003OnX64, "Windows Server 2003 (Build 3790: SP1)"},
      {"Server 2003 R2 wins over x64", server2003R2, "Windows Server 2003 \"R2\" (Build 3790: SP2)"},
      {"Vista, client edition", Nt(6, 0, 6000), "Windows Vista (Build 6000)"},
      {"Server 2008, same numbers", server2008, "Windows Server 2008 (Build 6001: SP1)"},
      {"NT 4 takes the service pack from the registry", nt4, "Windows NT 4.0 (Build 1381: SP6)"},
      {"NT 3.51", nt351, "Windows NT 3.51 (Build 1057: SP5)"},
      {"NT 4 without the registry value", ntWithoutRegistryValue, "Windows NT 4.0 (Build 1381: )"},
      {"NT 3.0 is not in the table", Nt(3, 0, 100), " (Build 100)"},
      {"95", Windows95(0, ""), "Windows 95 (Build 1111)"},
      {"95 OSR2 by \" B\"", Windows95(0, " B "), "Windows 95 OSR2 (Build 1111)"},
      {"95 OSR2 by \"C\"", Windows95(3, "C"), "Windows 95 OSR2 (Build 1111)"},
      {"95 with another letter", Windows95(0, "A"), "Windows 95 (Build 1111)"},
      {"98", Windows95(10, ""), "Windows 98 (Build 1111)"},
      {"98 SE by \"A\"", Windows95(10, " A "), "Windows 98 SE (Build 1111)"},
      {"98 SE by \"B\"", Windows95(89, "B"), "Windows 98 SE (Build 1111)"},
      {"ME by kernel32 4.90", meFrom98Numbers, "Windows ME (Build 1111)"},
      {"ME by minor 90", Windows95(90, ""), "Windows ME (Build 1111)"},
      {"unknown: Windows 7", Nt(6, 1, 7601, 1), " (Build 7601: )"},
      {"unknown family", WindowsVersion{}, " (Build 0)"},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::WindowsSystemText(c.version), c.text) << c.name;
}

TEST(WindowsServicePackText, ReadsTheRegistryNumberAsDecimalDigitsOverAHundred) {
  const struct {
    unsigned stored;
    const char* text;
  } cases[] = {{0x0300, "SP3"}, {0x0600, "SP6"}, {0x0099, ""}, {0x1000, "SP10"}, {0, ""}};
  for (const auto& c : cases) {
    WindowsVersion nt4 = Nt(4, 0, 1381, 1);
    nt4.registryCsdVersion = c.stored;
    EXPECT_EQ(platform::WindowsServicePackText(nt4), c.text) << std::hex << c.stored;
  }
}

}  // namespace
