#pragma once
// Start and end of the text utilities. The program calls InitializeTextUtilities first thing in
// main(), after installing its message sink, and FinalizeTextUtilities last.
#include <filesystem>

#include "text/Transliterator.h"

namespace text {

// Fixes DataFolder ($XDG_DATA_HOME/Korvand/Tessaly/, else ~/.local/share/Korvand/Tessaly/) and
// loads DataFolder/Translit.tlt into GlobalTransliterator. A missing or unreadable table is
// reported as a plain message; the program goes on with empty tables.
void InitializeTextUtilities();
void FinalizeTextUtilities();

// Ends with a separator; empty before InitializeTextUtilities.
const std::filesystem::path& DataFolder();
// The folder InitializeTextUtilities fixes as DataFolder, read from the environment now; the
// program settles its files there before the table is loaded.
std::filesystem::path UserDataFolder();
// The one transliterator; it has empty tables until InitializeTextUtilities has run.
TTransliterator& GlobalTransliterator();

}  // namespace text
