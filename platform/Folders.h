#pragma once
// Where the program lives and where its shared data lives.
#include <filesystem>

namespace platform {

// The running executable, links resolved.
std::filesystem::path ProgramFile();

// The executable's folder, ending with a separator; DB/HANDBOOK.GDB and html/ sit in it.
std::filesystem::path ProgramFolder();

// $XDG_DATA_HOME/Korvand/Tessaly/ (~/.local/share when the variable is unset), ending with a
// separator. Not created here.
std::filesystem::path DataFolder();

}  // namespace platform
