#include "store/CreateHandbookDatabase.h"

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/FirebirdApi.h"
#include "store/LocalKeyRange.h"
#include "store/ScriptRunner.h"
#include "text/Cp1251.h"

namespace store {
namespace {

std::ifstream OpenScript(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw DatabaseError("Cannot read " + text::Utf8ToCp1251(file.string()));
  return in;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in = OpenScript(file);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// Runs the data scripts into the database; each is given as a way to run it.
using DataScripts = std::function<void(Database&)>;

DataScripts ScriptsInMemory(std::vector<std::pair<std::string, std::string>> scripts) {
  return [scripts = std::move(scripts)](Database& database) {
    for (const auto& [content, origin] : scripts) RunData(database, SplitDataScript(content, origin), origin);
  };
}

void SwitchOnForcedWrites(const std::filesystem::path& file) {
  const std::vector<unsigned char> parameters = fb::ForcedWritesParameters(file.string());
  Firebird::IAttachment* attachment = fb::WithProvider([&](Firebird::IProvider* provider, fb::Status& status) {
    return provider->attachDatabase(&status, file.c_str(), static_cast<unsigned>(parameters.size()),
                                    parameters.data());
  });
  try {
    fb::Status status;
    attachment->detach(&status);
  } catch (const Firebird::FbException& error) {
    attachment->release();
    throw fb::ErrorFrom(error);
  }
}

void LoadData(Database& database, const DataScripts& dataScripts, const std::vector<std::string>& dataLinesUtf8) {
  if (dataScripts) dataScripts(database);
  std::string lines;
  for (const std::string& line : dataLinesUtf8) lines += line + "\n";
  RunData(database, SplitDataScript(lines, "data line"), "data line");
  // Local inserts take keys from the generator: start it in the local range, past any key loaded
  // there already.
  KeepLocalKeysApart(database);
  MoveLocalKeysPastLoadedOnes(database);
}

void Fill(Database& database, const std::string& schemaUtf8, const std::string& schemaOrigin,
          const DataScripts& dataScripts, const std::vector<std::string>& dataLinesUtf8) {
  RunSchema(database, SplitSchemaScript(schemaUtf8, schemaOrigin), schemaOrigin);
  LoadData(database, dataScripts, dataLinesUtf8);
  database.Close();
  SwitchOnForcedWrites(database.DatabaseName());
}

void Create(const std::filesystem::path& file, const std::string& schemaUtf8, const std::string& schemaOrigin,
            const DataScripts& dataScripts, const std::vector<std::string>& dataLinesUtf8) {
  std::error_code error;
  if (std::filesystem::exists(file, error)) {
    throw DatabaseError(text::Utf8ToCp1251(file.string()) +
                        " already exists; it is left as it is (remove it to make a new one)");
  }
  Database database;
  database.Create(file.string());
  try {
    Fill(database, schemaUtf8, schemaOrigin, dataScripts, dataLinesUtf8);
  } catch (...) {
    // Half a handbook is worse than none: the next attempt starts afresh.
    database.Close();
    std::filesystem::remove(file, error);
    throw;
  }
}

}  // namespace

void CreateHandbookDatabase(const std::filesystem::path& databaseFile,
                            const std::filesystem::path& schemaScript,
                            const std::vector<std::filesystem::path>& dataScripts) {
  const std::string schema = ReadFile(schemaScript);
  // Opened before the database is made, so an unreadable script leaves nothing behind; read line
  // by line afterwards, so a script of hundreds of megabytes needs no more memory than a line.
  auto streams = std::make_shared<std::vector<std::pair<std::ifstream, std::string>>>();
  for (const auto& script : dataScripts) streams->emplace_back(OpenScript(script), script.filename().string());
  const DataScripts run = [streams](Database& database) {
    for (auto& [in, origin] : *streams) RunDataStream(database, in, origin);
  };
  Create(databaseFile, schema, schemaScript.filename().string(), run, {});
}

void CreateHandbookDatabaseFromText(const std::filesystem::path& databaseFile,
                                    const std::string& schemaUtf8,
                                    const std::vector<std::string>& dataScriptsUtf8,
                                    const std::vector<std::string>& dataLinesUtf8) {
  std::vector<std::pair<std::string, std::string>> data;
  for (size_t i = 0; i < dataScriptsUtf8.size(); ++i) {
    data.emplace_back(dataScriptsUtf8[i], "data script " + std::to_string(i + 1));
  }
  Create(databaseFile, schemaUtf8, "schema", ScriptsInMemory(std::move(data)), dataLinesUtf8);
}

void LoadHandbookData(const std::filesystem::path& databaseFile, const std::vector<std::string>& dataLinesUtf8) {
  Database database;
  database.Open(databaseFile.string());
  try {
    LoadData(database, {}, dataLinesUtf8);
  } catch (...) {
    // Closing would commit the lines before the failing one.
    database.Rollback();
    database.Close();
    throw;
  }
  database.Close();
}

}  // namespace store
