#include "tests/support/HandbookDatabase.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "store/CreateHandbookDatabase.h"

namespace testing_support {

std::filesystem::path DatabaseSourceFolder() {
  return std::filesystem::path(HANDBOOK_SOURCE_DIR) / "db";
}

std::filesystem::path MakeHandbookDatabase(const TempDir& dir,
                                           const std::vector<std::string>& dataLines,
                                           const std::string& fileName) {
  const std::filesystem::path schemaFile = DatabaseSourceFolder() / "schema.sql";
  std::ifstream schema(schemaFile, std::ios::binary);
  if (!schema) throw std::runtime_error("cannot read " + schemaFile.string());
  std::ostringstream schemaText;
  schemaText << schema.rdbuf();

  std::filesystem::path file = dir.path() / fileName;
  std::filesystem::create_directories(file.parent_path());
  store::CreateHandbookDatabaseFromText(file, schemaText.str(), {}, dataLines);
  return file;
}

}  // namespace testing_support
