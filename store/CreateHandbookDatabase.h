#pragma once
// Makes a new handbook database file from the schema script and optional data scripts (UTF-8
// files, converted to Windows-1251). Refuses to overwrite an existing file. After the data, the
// term key generator is set to the local key range (store/LocalKeyRange.h), past the highest
// EUPH_UID if that lies in the range already, so local inserts never collide.
//
// Schema scripts: statements end with the terminator (";" unless changed by "set term"), comment
// lines start with "--". Data scripts: one statement a line ending with ";", lines starting with
// "--" and blank lines ignored. Errors throw DatabaseError naming the script and line.
#include <filesystem>
#include <string>
#include <vector>

namespace store {

void CreateHandbookDatabase(const std::filesystem::path& databaseFile,
                            const std::filesystem::path& schemaScript,
                            const std::vector<std::filesystem::path>& dataScripts = {});

// The same from texts in memory; `dataLines` are further data statements, one an element.
void CreateHandbookDatabaseFromText(const std::filesystem::path& databaseFile,
                                    const std::string& schemaUtf8,
                                    const std::vector<std::string>& dataScriptsUtf8,
                                    const std::vector<std::string>& dataLinesUtf8 = {});

// Loads data lines into an existing handbook database (a copy of a fresh one, say), with the same
// rules and the same key generator step as above. On an error the lines are rolled back; the file
// stays, for the caller to remove.
void LoadHandbookData(const std::filesystem::path& databaseFile, const std::vector<std::string>& dataLinesUtf8);

}  // namespace store
