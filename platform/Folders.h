#pragma once
// Where the program lives.
#include <filesystem>

namespace platform {

// The running executable, links resolved.
std::filesystem::path ProgramFile();

// The executable's folder, ending with a separator; DB/HANDBOOK.GDB and html/ sit in it.
std::filesystem::path ProgramFolder();

// The shared data folder is text::DataFolder(), fixed once at start-up.

}  // namespace platform
