// The command line: what is read from it, and how the program answers --help, --version and a
// mistake before it needs a display.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Action = app::CommandLine::Action;

struct ParseCase {
  std::vector<std::string> arguments;
  Action action;
  bool editorTools;
  bool checkStart;
  std::string checkAddHeadword;
  std::string mistake;
};

TEST(CommandLine, ReadsItsOwnOptionsLetsQtsThroughAndNamesAMistake) {
  const ParseCase cases[] = {
      {{}, Action::Run, false, false, "", ""},
      {{"--editor-tools"}, Action::Run, true, false, "", ""},
      {{"--help"}, Action::Help, false, false, "", ""},
      {{"-h", "--frobnicate"}, Action::Help, false, false, "", ""},
      {{"--editor-tools", "--version"}, Action::Version, true, false, "", ""},
      {{"-v"}, Action::Version, false, false, "", ""},
      {{"--check-start"}, Action::Run, false, true, "", ""},
      {{"--check-add=Бронхит"}, Action::Run, false, true, "Бронхит", ""},
      // Qt's options, with their values in the same or the next argument, are Qt's business.
      {{"-platform", "offscreen", "--style=fusion", "-reverse", "--editor-tools"}, Action::Run, true, false, "", ""},
      {{"--frobnicate"}, Action::Mistake, false, false, "", "unknown option '--frobnicate'"},
      {{"-x"}, Action::Mistake, false, false, "", "unknown option '-x'"},
      {{"--check-add="}, Action::Mistake, false, false, "", "unknown option '--check-add='"},
      {{"HANDBOOK.GDB"}, Action::Mistake, false, false, "", "unexpected argument 'HANDBOOK.GDB'"},
      {{"--editor-tools", "-style"}, Action::Mistake, true, false, "", "option '-style' needs a value"},
      // A mistake stops the reading: a later --help does not hide it.
      {{"--frobnicate", "--help"}, Action::Mistake, false, false, "", "unknown option '--frobnicate'"},
  };
  for (const ParseCase& c : cases) {
    const app::CommandLine line = app::ParseCommandLine(c.arguments);
    std::string shown;
    for (const std::string& argument : c.arguments) shown += argument + " ";
    EXPECT_EQ(line.action, c.action) << shown;
    EXPECT_EQ(line.editorTools, c.editorTools) << shown;
    EXPECT_EQ(line.checkStart, c.checkStart) << shown;
    EXPECT_EQ(line.checkAddHeadword, c.checkAddHeadword) << shown;
    EXPECT_EQ(line.mistake, c.mistake) << shown;
  }
}

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The program itself with no display at all, as from a terminal without one.
ProgramRun RunProgram(const std::string& arguments) {
  const std::string errFile = testing::TempDir() + "korvand-command-line.err";
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" KORVAND_EXECUTABLE "' " +
                              arguments + " 2>'" + errFile + "'";
  ProgramRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (FILE* err = std::fopen(errFile.c_str(), "r")) {
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, err)) > 0;) run.err.append(buffer, n);
    std::fclose(err);
  }
  return run;
}

TEST(Program, HelpAndVersionPrintAndEndWithoutADisplay) {
  const ProgramRun help = RunProgram("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: " KORVAND_EXECUTABLE " [--editor-tools]\n", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
  EXPECT_EQ(help.err, "");

  // The project's version, the one the package and its metadata carry.
  const ProgramRun version = RunProgram("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "Korvand " KORVAND_PROJECT_VERSION "\n");
  EXPECT_EQ(version.err, "");
}

TEST(Program, AWrongOptionIsAShortErrorOnTheErrorStream) {
  const ProgramRun wrong = RunProgram("--frobnicate");
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_EQ(wrong.out, "");
  EXPECT_EQ(wrong.err, KORVAND_EXECUTABLE ": unknown option '--frobnicate'\nTry '" KORVAND_EXECUTABLE " --help'.\n");
}

}  // namespace
