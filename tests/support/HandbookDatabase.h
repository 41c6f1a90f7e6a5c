#pragma once
// A fresh handbook database made from db/schema.sql in a temporary folder, for tests.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace testing_support {

// Makes `fileName` inside `dir` as a copy of the empty handbook the build makes from the project's
// schema, and loads `dataLines` (UTF-8 data statements, one an element, e.g. `insert into SECTIONS
// (SECTION_UID, SECTION_NAME) values (0, "Общие термины");`) into it. Returns the database's
// path; on an error the file is gone.
std::filesystem::path MakeHandbookDatabase(const TempDir& dir,
                                           const std::vector<std::string>& dataLines = {},
                                           const std::string& fileName = "HANDBOOK.GDB");

// Makes `fileName` inside `dir` as a copy of the demo handbook (db/demo.sql) the build makes.
std::filesystem::path MakeDemoHandbookDatabase(const TempDir& dir, const std::string& fileName = "HANDBOOK.GDB");

// The same as MakeHandbookDatabase, but running the schema itself, for tests of making a database.
std::filesystem::path CreateHandbookDatabaseFromSchema(const TempDir& dir,
                                                       const std::vector<std::string>& dataLines = {},
                                                       const std::string& fileName = "HANDBOOK.GDB");

// The project's db/ folder (schema.sql, demo.sql).
std::filesystem::path DatabaseSourceFolder();

}  // namespace testing_support
