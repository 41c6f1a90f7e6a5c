#pragma once
// The caption of the program's own message windows: the program's file name without its
// extension, first character as it is, the rest in lower case ("KORVAND.EXE" gives "Korvand").
#include <string>
#include <string_view>

namespace platform {

// fileName may carry a folder; the result is Windows-1251.
std::string ApplicationTitleFromFileName(std::string_view fileName);

// The title of the running program.
std::string ApplicationTitle();

}  // namespace platform
