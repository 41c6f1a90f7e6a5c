#include "tests/kill/KillJournal.h"

#include <sstream>

namespace kill_trials {

ArticleTexts TextsOf(const std::string& key, int version, std::size_t fill) {
  const std::string tag = key + "v" + std::to_string(version);
  return {tag, "o" + tag, "d" + tag + ":" + std::string(fill, 'x')};
}

std::pair<std::string, std::string> StateOfRow(const std::string& headword, const std::string& origin,
                                               const std::string& description, const std::string& mark) {
  const std::size_t v = headword.rfind('v');
  if (v == std::string::npos || v == 0) return {};
  const std::string& tag = headword;
  if (origin != "o" + tag || description.rfind("d" + tag + ":", 0) != 0) return {};
  return {headword.substr(0, v), headword.substr(v) + mark};
}

std::string BeginLine(const std::string& kind, const ArticleStates& intended) {
  std::string line = "begin " + kind;
  for (const auto& [key, state] : intended) line += " " + key + "=" + state;
  return line + "\n";
}

Journal ReadJournal(const std::string& output) {
  Journal journal;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (lines.eof() && !output.ends_with('\n')) break;  // a line cut by the kill says nothing
    if (line == "ready") {
      journal.ready = true;
    } else if (line == "done") {
      for (const auto& [key, state] : journal.pending) journal.confirmed[key] = state;
      journal.pending.clear();
      ++journal.doneByKind[journal.pendingKind];
      journal.pendingKind.clear();
      ++journal.writesDone;
    } else if (line.rfind("begin", 0) == 0) {
      journal.pending.clear();
      std::istringstream words(line.substr(5));
      std::string word;
      words >> journal.pendingKind;
      while (words >> word) {
        const std::size_t eq = word.find('=');
        journal.pending[word.substr(0, eq)] = word.substr(eq + 1);
      }
    }
  }
  return journal;
}

}  // namespace kill_trials
