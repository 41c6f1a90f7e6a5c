#include "store/ScriptRunner.h"

#include <istream>
#include <optional>
#include <sstream>

#include "store/TextCompare.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/SqlExecutor.h"
#include "text/Cp1251.h"

namespace store {
namespace {

std::string Where(const std::string& origin, int line) {
  return text::Utf8ToCp1251(origin) + ", line " + std::to_string(line) + ": ";
}

std::string_view TrimRight(std::string_view s) {
  const auto end = s.find_last_not_of(" \t\r\n");
  return end == std::string_view::npos ? std::string_view() : s.substr(0, end + 1);
}

std::string_view TrimLeft(std::string_view s) {
  const auto start = s.find_first_not_of(" \t\r\n");
  return start == std::string_view::npos ? std::string_view() : s.substr(start);
}

// One line of a script in Windows-1251; a character the code page lacks is an error, not a '?'.
std::string LineToCp1251(std::string_view utf8, const std::string& origin, int line) {
  std::string bytes = text::Utf8ToCp1251(utf8);
  if (text::Cp1251ToUtf8(bytes) != utf8) {
    throw DatabaseError(Where(origin, line) + "a character has no Windows-1251 code (or the file is not UTF-8)");
  }
  return bytes;
}

template <class OnLine>
void ForEachLine(std::string_view utf8, OnLine onLine) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  int number = 0;
  while (!utf8.empty()) {
    const auto end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    onLine(line, number);
  }
}

bool IsComment(std::string_view line) { return TrimLeft(line).substr(0, 2) == "--"; }

bool StartsWithWords(std::string_view text, std::string_view words) {
  return text.size() >= words.size() && SameTextIgnoringCase(text.substr(0, words.size()), words);
}

}  // namespace

std::vector<ScriptStatement> SplitSchemaScript(std::string_view utf8, const std::string& origin) {
  std::vector<ScriptStatement> statements;
  std::string terminator = ";";
  std::string pending;
  int start = 0;
  ForEachLine(utf8, [&](std::string_view raw, int number) {
    if (pending.empty() && (IsComment(raw) || TrimRight(raw).empty())) return;
    const std::string line = LineToCp1251(raw, origin, number);
    const std::string_view content = TrimRight(line);
    if (pending.empty()) start = number;
    pending += line;
    pending += '\n';
    if (content.size() < terminator.size() ||
        content.substr(content.size() - terminator.size()) != terminator) {
      return;
    }
    std::string_view statement = TrimRight(std::string_view(pending));
    statement = TrimLeft(statement.substr(0, statement.size() - terminator.size()));
    statement = TrimRight(statement);
    if (StartsWithWords(statement, "set term ")) {
      std::istringstream words{std::string(statement.substr(9))};
      words >> terminator;
    } else if (!statement.empty()) {
      statements.push_back({std::string(statement), start});
    }
    pending.clear();
  });
  if (!TrimRight(pending).empty()) {
    throw DatabaseError(Where(origin, start) + "the statement does not end with \"" + terminator + "\"");
  }
  return statements;
}

namespace {

// One line of a data script: a statement, or nothing for a comment or a blank line.
std::optional<ScriptStatement> DataStatement(std::string_view raw, int number, const std::string& origin) {
  if (IsComment(raw) || TrimRight(raw).empty()) return std::nullopt;
  const std::string line = LineToCp1251(raw, origin, number);
  std::string_view statement = TrimLeft(TrimRight(line));
  if (statement.back() != ';') {
    throw DatabaseError(Where(origin, number) + "a statement must be one line ending with \";\"");
  }
  statement.remove_suffix(1);
  return ScriptStatement{std::string(statement), number};
}

void RunDataStatement(SqlExecutor& executor, const ScriptStatement& statement, const std::string& origin) {
  try {
    executor.SetSQL(statement.text);
    executor.ExecQuery();
  } catch (const DatabaseError& error) {
    throw DatabaseError(Where(origin, statement.line) + error.what(), error.Codes());
  }
}

}  // namespace

std::vector<ScriptStatement> SplitDataScript(std::string_view utf8, const std::string& origin) {
  std::vector<ScriptStatement> statements;
  ForEachLine(utf8, [&](std::string_view raw, int number) {
    if (auto statement = DataStatement(raw, number, origin)) statements.push_back(std::move(*statement));
  });
  return statements;
}

void RunSchema(Database& database, const std::vector<ScriptStatement>& statements,
               const std::string& origin) {
  SqlExecutor executor(database);
  for (const ScriptStatement& statement : statements) {
    if (SameTextIgnoringCase(statement.text, "commit")) continue;
    try {
      executor.SetSQL(statement.text);
      executor.ExecQuery();
      executor.SetSQL({});
      database.Commit();
    } catch (const DatabaseError& error) {
      throw DatabaseError(Where(origin, statement.line) + error.what(), error.Codes());
    }
  }
}

void RunData(Database& database, const std::vector<ScriptStatement>& statements,
             const std::string& origin) {
  SqlExecutor executor(database);
  for (const ScriptStatement& statement : statements) RunDataStatement(executor, statement, origin);
  database.Commit();
}

void RunDataStream(Database& database, std::istream& utf8, const std::string& origin) {
  SqlExecutor executor(database);
  std::string raw;
  for (int number = 1; std::getline(utf8, raw); ++number) {
    std::string_view line = raw;
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (auto statement = DataStatement(line, number, origin)) RunDataStatement(executor, *statement, origin);
  }
  if (utf8.bad()) throw DatabaseError(Where(origin, 0) + "the script could not be read to its end");
  database.Commit();
}

}  // namespace store
