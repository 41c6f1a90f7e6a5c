// The real program laid out as the package installs it: the executable in usr/lib/korvand-handbook/
// and its read-only files in usr/share/korvand-handbook/. The user's handbook is made on the first
// start and keeps what the user added.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class InstalledLayoutTest : public ::testing::Test {
 protected:
  InstalledLayoutTest() {
    fs::create_directories(Program().parent_path());
    fs::copy_file(KORVAND_EXECUTABLE, Program());
    // The command, as the package links it; the program finds its files from where it really is.
    fs::create_directories(Command().parent_path());
    fs::create_symlink("../lib/korvand-handbook/Korvand", Command());
    testing_support::MakeHandbookDatabase(
        dir_, {testing_support::SectionLine(0, "Общие термины"), testing_support::SectionLine(1, "Кардиология"),
               testing_support::TermLine(1, "Анемия", "", "x", 0)},
        "usr/share/korvand-handbook/DB/HANDBOOK.GDB");
    fs::copy_file(fs::path(HANDBOOK_SOURCE_DIR) / "data/Translit.tlt", Shared() / "Translit.tlt");
    // As a package leaves them: nobody but root may write them.
    for (const fs::path& file : {Shared() / "DB/HANDBOOK.GDB", Shared() / "Translit.tlt"})
      fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Qt complains of a missing runtime folder on the error stream, which must stay empty.
    fs::create_directories(dir_.path() / "runtime");
    fs::permissions(dir_.path() / "runtime", fs::perms::owner_all);
  }

  fs::path Program() const { return dir_.path() / "usr/lib/korvand-handbook/Korvand"; }
  fs::path Command() const { return dir_.path() / "usr/bin/korvand"; }
  fs::path Shared() const { return dir_.path() / "usr/share/korvand-handbook"; }
  fs::path UserHandbook() const { return dir_.path() / "data/Korvand/Tessaly/DB/HANDBOOK.GDB"; }

  // The program's output; fails the test when it does not end well or complains.
  std::string Start(const std::string& arguments) {
    const std::string errFile = (dir_.path() / "err.txt").string();
    const std::string command = "env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME='" + (dir_.path() / "data").string() +
                                "' XDG_CONFIG_HOME='" + (dir_.path() / "config").string() +
                                "' XDG_RUNTIME_DIR='" + (dir_.path() / "runtime").string() +
                                "' KORVAND_PRODUCER_URL=http://127.0.0.1:9 '" + Command().string() + "' " + arguments +
                                " 2>'" + errFile + "'";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << arguments << "\n" << out;
    std::string err;
    if (FILE* file = std::fopen(errFile.c_str(), "r")) {
      for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) err.append(buffer, n);
      std::fclose(file);
    }
    EXPECT_EQ(err, "") << arguments;
    return out;
  }

  testing_support::TempDir dir_;
};

TEST_F(InstalledLayoutTest, TheFirstStartMakesTheUsersHandbookAndTheNextKeepsTheAddedArticle) {
  const std::string first = Start("--check-add=Бронхит");
  // Started through the lower-case command, the captions still read the program's own name.
  EXPECT_EQ(first.rfind("title: Korvand\ndatabase: " + UserHandbook().string() + "\n", 0), 0u) << first;
  EXPECT_NE(first.find("category: Общие термины\ncategory: Кардиология\n"), std::string::npos) << first;
  EXPECT_TRUE(fs::exists(dir_.path() / "data/Korvand/Tessaly/Translit.tlt"));

  const std::string second = Start("--check-start");
  EXPECT_NE(second.find("\ndatabase: " + UserHandbook().string() + "\n"), std::string::npos) << second;
  EXPECT_NE(second.find("term: Анемия\nterm: Бронхит\n"), std::string::npos) << second;
}

}  // namespace
