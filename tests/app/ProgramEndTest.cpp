// The real program in a folder of its own, ended by a signal as a logout or `kill` ends it.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// True once the process has the file open (the embedded engine holds it while attached).
bool HoldsFile(pid_t pid, const fs::path& file) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    if (fs::read_symlink(entry.path(), error) == file) return true;
  }
  return false;
}

class ProgramEndTest : public ::testing::TestWithParam<int> {
 protected:
  ProgramEndTest() {
    fs::copy_file(KORVAND_EXECUTABLE, dir_.path() / "Korvand");
    database_ = testing_support::MakeHandbookDatabase(
        dir_, {testing_support::SectionLine(0, "Общие термины"), testing_support::TermLine(1, "Анемия", "", "x", 0)},
        "DB/HANDBOOK.GDB");
    fs::create_directories(dir_.path() / "data/Korvand/Tessaly");
    fs::copy_file(fs::path(HANDBOOK_SOURCE_DIR) / "data/Translit.tlt", dir_.path() / "data/Korvand/Tessaly/Translit.tlt");
  }

  pid_t Launch() const {
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      setenv("XDG_DATA_HOME", (dir_.path() / "data").c_str(), 1);
      setenv("XDG_CONFIG_HOME", (dir_.path() / "config").c_str(), 1);
      const std::string program = (dir_.path() / "Korvand").string();
      execl(program.c_str(), program.c_str(), nullptr);
      _exit(127);
    }
    return pid;
  }

  testing_support::TempDir dir_;
  fs::path database_;
};

TEST_P(ProgramEndTest, TheSignalEndsTheProgramWhichLeavesTheHandbookWhole) {
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  bool open = false;
  for (int i = 0; i < 1000 && !open && testing_support::ExitCodeWithin(pid, 0ms) == -1; ++i) {
    open = HoldsFile(pid, database_);
    if (!open) std::this_thread::sleep_for(20ms);
  }
  ASSERT_TRUE(open) << "the program did not open its handbook";

  EXPECT_EQ(testing_support::EndProcess(pid, GetParam(), 30s), 0) << "signal " << GetParam() << ": the program must end as its own \"Выход\" does";

  store::Database reopened;
  ASSERT_NO_THROW(reopened.Open(database_.string())) << "the program left its handbook locked";
  store::Query terms(reopened);
  terms.SetSQL("select count(*) as TERMS from EUPHEMIZMS");
  terms.Open();
  EXPECT_EQ(terms.FieldByName("TERMS").AsInteger(), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramEndTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
