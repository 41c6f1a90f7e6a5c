#pragma once
// The program's command line, read before Qt starts, so that --help, --version and a mistake are
// answered without a display. Qt's own options (-platform, -style, ...) are let through to Qt.
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  enum class Action { Run, Help, Version, Mistake };
  Action action = Action::Run;
  // --editor-tools: the producer's editors' tools bar.
  bool editorTools = false;
  // --check-start: print what the start-up found and end; for checks of an installed program.
  bool checkStart = false;
  // --check-add=HEADWORD (UTF-8): like --check-start, after adding an article HEADWORD through the
  // editor as a user would.
  std::string checkAddHeadword;
  // For Mistake: what is wrong, one line without the program's name.
  std::string mistake;
};

// arguments without the program's own name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints, for a program started as `programName`.
std::string HelpText(const std::string& programName);
// What --version prints.
std::string VersionText();

}  // namespace app
