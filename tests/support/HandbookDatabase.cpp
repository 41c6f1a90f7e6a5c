#include "tests/support/HandbookDatabase.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "store/CreateHandbookDatabase.h"

namespace testing_support {
namespace {

std::filesystem::path NewFile(const TempDir& dir, const std::string& fileName) {
  std::filesystem::path file = dir.path() / fileName;
  std::filesystem::create_directories(file.parent_path());
  return file;
}

}  // namespace

std::filesystem::path DatabaseSourceFolder() {
  return std::filesystem::path(HANDBOOK_SOURCE_DIR) / "db";
}

std::filesystem::path MakeHandbookDatabase(const TempDir& dir, const std::vector<std::string>& dataLines,
                                           const std::string& fileName) {
  const std::filesystem::path file = NewFile(dir, fileName);
  // Copying the file takes a hundredth of the time running the schema takes.
  std::filesystem::copy_file(HANDBOOK_SCHEMA_DATABASE, file);
  try {
    store::LoadHandbookData(file, dataLines);
  } catch (...) {
    std::error_code error;
    std::filesystem::remove(file, error);
    throw;
  }
  return file;
}

std::filesystem::path MakeDemoHandbookDatabase(const TempDir& dir, const std::string& fileName) {
  const std::filesystem::path file = NewFile(dir, fileName);
  std::filesystem::copy_file(HANDBOOK_DEMO_DATABASE, file);
  return file;
}

std::filesystem::path CreateHandbookDatabaseFromSchema(const TempDir& dir, const std::vector<std::string>& dataLines,
                                                       const std::string& fileName) {
  const std::filesystem::path schemaFile = DatabaseSourceFolder() / "schema.sql";
  std::ifstream schema(schemaFile, std::ios::binary);
  if (!schema) throw std::runtime_error("cannot read " + schemaFile.string());
  std::ostringstream schemaText;
  schemaText << schema.rdbuf();

  const std::filesystem::path file = NewFile(dir, fileName);
  store::CreateHandbookDatabaseFromText(file, schemaText.str(), {}, dataLines);
  return file;
}

}  // namespace testing_support
