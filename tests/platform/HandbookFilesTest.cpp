// Where the handbook's files are found and where the user's copies are made, in the build layout
// (everything beside the program) and the installed one (read-only files under share/).
#include "platform/HandbookFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& content) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HandbookFilesTest : public ::testing::Test {
 protected:
  // An installed program: the executable's folder and the shared folder two levels up beside it.
  fs::path Program() const { return dir_.path() / "usr/lib/korvand-handbook/"; }
  fs::path Shared() const { return dir_.path() / "usr/share/korvand-handbook/"; }
  fs::path Data() const { return dir_.path() / "home/.local/share/Korvand/Tessaly/"; }

  // The shipped files as a package lays them: read-only for everybody.
  void Ship(const fs::path& folder) {
    for (const auto& [file, content] : {std::pair<std::string, std::string>{"DB/HANDBOOK.GDB", "shipped handbook"},
                                        {"Translit.tlt", "shipped table"}, {"html/index.html", "page"}}) {
      Write(folder / file, content);
      fs::permissions(folder / file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
  }

  testing_support::TempDir dir_;
};

TEST_F(HandbookFilesTest, TheSharedFolderIsTwoLevelsUpFromTheProgramsFolder) {
  EXPECT_EQ(platform::SharedFilesFolder("/usr/lib/korvand-handbook/"), fs::path("/usr/share/korvand-handbook/"));
  EXPECT_EQ(platform::SharedFilesFolder("/tmp/unpacked/usr/lib/korvand-handbook/"),
            fs::path("/tmp/unpacked/usr/share/korvand-handbook/"));
}

TEST_F(HandbookFilesTest, BesideTheProgramEverythingIsUsedInPlaceAndOnlyTheTableIsCopied) {
  fs::create_directories(Program());
  Ship(Program());
  fs::permissions(Program() / "DB/HANDBOOK.GDB", fs::perms::owner_write, fs::perm_options::add);
  Ship(Shared());  // an installed copy elsewhere must not win over the one beside the program

  const platform::HandbookFiles files = platform::SettleHandbookFiles(Program(), Data());
  EXPECT_EQ(files.databaseFolder, Program());
  EXPECT_EQ(files.pageFolder, Program());
  EXPECT_FALSE(fs::exists(Data() / "DB/HANDBOOK.GDB"));
  EXPECT_EQ(Read(Data() / "Translit.tlt"), "shipped table");
}

TEST_F(HandbookFilesTest, AnInstalledProgramMakesTheUsersWritableCopiesOnItsFirstStart) {
  fs::create_directories(Program());
  Ship(Shared());

  const platform::HandbookFiles files = platform::SettleHandbookFiles(Program(), Data());
  EXPECT_EQ(files.databaseFolder, Data());
  EXPECT_EQ(files.pageFolder, Shared());
  EXPECT_EQ(Read(Data() / "DB/HANDBOOK.GDB"), "shipped handbook");
  EXPECT_EQ(Read(Data() / "Translit.tlt"), "shipped table");
  EXPECT_NE(fs::status(Data() / "DB/HANDBOOK.GDB").permissions() & fs::perms::owner_write, fs::perms::none)
      << "the engine must be able to write the user's handbook";
  EXPECT_FALSE(fs::exists(Data() / "DB/HANDBOOK.GDB.part"));
}

TEST_F(HandbookFilesTest, TheUsersCopiesAreNeverOverwritten) {
  fs::create_directories(Program());
  Ship(Shared());
  Write(Data() / "DB/HANDBOOK.GDB", "the user's edits");
  Write(Data() / "Translit.tlt", "the user's table");

  const platform::HandbookFiles files = platform::SettleHandbookFiles(Program(), Data());
  EXPECT_EQ(files.databaseFolder, Data());
  EXPECT_EQ(Read(Data() / "DB/HANDBOOK.GDB"), "the user's edits");
  EXPECT_EQ(Read(Data() / "Translit.tlt"), "the user's table");
}

TEST_F(HandbookFilesTest, ACopyCutShortIsNotKeptButMadeAgain) {
  fs::create_directories(Program());
  Ship(Shared());
  Write(Data() / "DB/HANDBOOK.GDB.part", "shipped hand");

  platform::SettleHandbookFiles(Program(), Data());
  EXPECT_EQ(Read(Data() / "DB/HANDBOOK.GDB"), "shipped handbook");
  EXPECT_FALSE(fs::exists(Data() / "DB/HANDBOOK.GDB.part"));
}

TEST_F(HandbookFilesTest, WithNothingShippedTheProgramsFolderIsNamed) {
  fs::create_directories(Program());
  const platform::HandbookFiles files = platform::SettleHandbookFiles(Program(), Data());
  EXPECT_EQ(files.databaseFolder, Program());
  EXPECT_EQ(files.pageFolder, Program());
  EXPECT_FALSE(fs::exists(Data() / "DB"));
}

TEST_F(HandbookFilesTest, AShippedFileIsLookedForBesideTheProgramFirst) {
  Write(Program() / "Translit.tlt", "beside");
  Write(Shared() / "Translit.tlt", "shared");
  Write(Shared() / "html/index.html", "page");
  EXPECT_EQ(platform::ShippedFile(Program(), "Translit.tlt"), Program() / "Translit.tlt");
  EXPECT_EQ(platform::ShippedFile(Program(), "html/index.html"), Shared() / "html/index.html");
  EXPECT_EQ(platform::ShippedFile(Program(), "missing.txt"), Program() / "missing.txt");
}

}  // namespace
