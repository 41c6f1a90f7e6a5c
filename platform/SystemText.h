#pragma once
// The two facts about the computer the about window shows, as its texts (Windows-1251).
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// "%s (Build %u)" when the service-pack number is 0, else "%s (Build %u: %s)" with the service
// text: "Windows XP (Build 2600: SP3)".
std::string OperatingSystemText(std::string_view name, unsigned build, int servicePackMajor,
                                std::string_view servicePackText);

// The total installed memory in kilobytes, "2097152 КБ"; the whole 64-bit figure, so machines
// with 4 GB or more show theirs.
std::string MemoryText(std::uint64_t totalBytes);

// This machine's texts: on Linux the distribution's name and version, the kernel's build counter
// as the build and the kernel's version as the service level ("Debian GNU/Linux 12 (Build 1:
// 6.1.76)"); the installed memory.
std::string ThisOperatingSystemText();
std::string ThisMemoryText();

}  // namespace platform
