#pragma once
// Hands a web address, a "mailto:" address or a local file to the desktop, which opens it with
// the user's program for it. The program does not wait and learns nothing of the outcome.
#include <string_view>

namespace platform {

// target is Windows-1251: an address with a scheme ("http://…", "mailto:…") or a file path.
void ShellOpen(std::string_view target);

}  // namespace platform
