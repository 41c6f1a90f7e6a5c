#pragma once
// What the kill writer tells the trials about its writes, one line each on its standard output:
//   "ready"                             the handbook is open, writes begin
//   "begin <kind> <key>=<state> ..."    a write of this kind (add, edit, delete, settle, update)
//                                       starts that is to leave these articles so
//   "done"                              the write before it is complete (committed)
// An article's key is "A<n>" (written here) or "P<n>" (the producer's); its state is "gone" or
// "v<version>" followed by its change mark ("", "*" or "+"). Every text of an article carries
// its key and version, so a row mixing two versions is a half-applied article.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace kill_trials {

using ArticleStates = std::map<std::string, std::string>;

struct ArticleTexts {
  std::string headword;
  std::string origin;
  std::string description;
};

// `fill` pads the description, so writes differ in size and take their time.
ArticleTexts TextsOf(const std::string& key, int version, std::size_t fill);

// The key and state of a stored row, or an empty key when its texts disagree (or are none of ours).
std::pair<std::string, std::string> StateOfRow(const std::string& headword, const std::string& origin,
                                               const std::string& description, const std::string& mark);

std::string BeginLine(const std::string& kind, const ArticleStates& intended);

// What the lines say: the writes reported done, and the one begun but not reported.
struct Journal {
  bool ready = false;
  std::map<std::string, int> doneByKind;
  int writesDone = 0;
  ArticleStates confirmed;
  std::string pendingKind;  // empty when no write was under way
  ArticleStates pending;
};
Journal ReadJournal(const std::string& output);

}  // namespace kill_trials
