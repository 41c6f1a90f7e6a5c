#pragma once
// The editorial tools' work on the handbook's state: the pending fields, the term list's current
// row and the term files in the data folder. The main window's hidden tools bar calls these.
#include <filesystem>

#include "tools/TermLineParsing.h"

namespace core {

class Handbook;

// The input of the sifting, also where the last update's document is copied: 1.txt in the data
// folder. The sifting writes its output to 2.txt beside it.
std::filesystem::path TermInputFile();
std::filesystem::path TermOutputFile();

// A pasted line split into FPendingTitle, FPendingOrigin and FPendingDescription; a line that fits
// no shape leaves them as they were.
void ParseIntoPending(Handbook& handbook, std::string_view line);

// Writes FPendingOrigin into ETIOLOGY of the term list's current row (its change mark stays) and
// keeps it at once (commit retaining). False, with nothing written, when the list has no row.
bool StorePendingOrigin(Handbook& handbook);

// Sifts TermInputFile() into TermOutputFile() with IBQuery4, parsing into the pending fields.
void SiftTermFile(Handbook& handbook, tools::TermLineParser parse);

}  // namespace core
