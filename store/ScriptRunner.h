#pragma once
// Private to the store: splits SQL scripts into statements and runs them on a database.
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class Database;

struct ScriptStatement {
  std::string text;  // Windows-1251
  int line;          // where it starts, 1-based
};

// Schema scripts: a statement ends at the end of a line that ends with the terminator, ";"
// unless "set term <new> <old>" changed it; "--" lines are comments.
std::vector<ScriptStatement> SplitSchemaScript(std::string_view utf8, const std::string& origin);
// Data scripts: one statement a line, ending with ";"; "--" lines and blank lines are comments.
std::vector<ScriptStatement> SplitDataScript(std::string_view utf8, const std::string& origin);

// Each schema statement is committed at once, so later ones can use it; "commit" is skipped.
void RunSchema(Database& database, const std::vector<ScriptStatement>& statements,
               const std::string& origin);
// Data statements run in the one transaction, committed at the end.
void RunData(Database& database, const std::vector<ScriptStatement>& statements,
             const std::string& origin);
// The same read line by line from a stream, so a script of any size needs the memory of one line.
void RunDataStream(Database& database, std::istream& utf8, const std::string& origin);

}  // namespace store
