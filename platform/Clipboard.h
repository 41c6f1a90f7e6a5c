#pragma once
// The system clipboard as Windows-1251 text; characters outside the code page read as "?".
#include <string>
#include <string_view>

namespace platform {

std::string ReadClipboardText();
void CopyTextToClipboard(std::string_view cp1251);

}  // namespace platform
