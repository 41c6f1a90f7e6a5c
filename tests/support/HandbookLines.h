#pragma once
// Data lines (UTF-8) for MakeHandbookDatabase. Texts are written as exact literals; an empty
// origin or change mark is written as NULL, which the program reads as empty.
#include <string>

namespace testing_support {

std::string SectionLine(int uid, const std::string& name);
std::string TermLine(int uid, const std::string& headword, const std::string& origin, const std::string& description,
                     int section, const std::string& changed = "");

}  // namespace testing_support
