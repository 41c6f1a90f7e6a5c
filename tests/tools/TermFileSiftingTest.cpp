#include "tools/TermFileSifting.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "store/Database.h"
#include "store/Query.h"
#include "tests/support/Ansi.h"
#include "tests/support/HandbookDatabase.h"
#include "tests/support/HandbookLines.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ansi;
using testing_support::TermLine;

class TermFileSiftingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto file = testing_support::MakeHandbookDatabase(
        dir_, {TermLine(10, "Гастрит", "", "x", 0), TermLine(11, "Анемия", "", "x", 0),
               TermLine(12, "Симптом \"Щелчка\"", "", "x", 1)});
    database_.Open(file.string());
  }

  void WriteInput(const std::string& bytes) const {
    std::ofstream(input_, std::ios::binary) << bytes;
  }

  std::string Output() const {
    std::ifstream in(output_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void Sift(tools::TermLineParser parse) {
    tools::SiftTermFile(lookup_, parse, {headword_, origin_, description_}, input_, output_);
  }

  testing_support::TempDir dir_;
  store::Database database_;
  store::Query lookup_{database_};
  std::filesystem::path input_ = dir_.path() / "1.txt";
  std::filesystem::path output_ = dir_.path() / "2.txt";
  std::string headword_, origin_, description_;
};

// Found in another letter case, not found, empty and unparsable lines, a double quote in the
// headword, an en dash and mixed line ends: in Windows-1251 and the same text in UTF-8.
const char* const kLines[] = {
    "гастрит - воспаление желудка",    // found, other case
    "Язва – дефект слизистой",         // not found; the en dash stays as it was
    "",                                // empty
    "Просто строка без разделителя",   // no hyphen, no tab
    "АНЕМИЯ (греч.) - малокровие",     // found
    "Симптом \"Щелчка\" - признак",     // found, quote and all
    "Синдром \"Х\" - описание",         // not found, no database error
    "   ",                             // blanks only
    "Гастрит, острый\tвоспаление",     // tab form: "Гастрит, острый" is not in the handbook
};
const char* const kEnds[] = {"\r\n", "\n", "\r\n", "\r", "\n", "\r\n", "\n", "\r\n", ""};

std::string Joined(bool utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < std::size(kLines); ++i) bytes += (utf8 ? kLines[i] : ansi(kLines[i])) + kEnds[i];
  return bytes;
}

std::string Expected(std::initializer_list<int> kept, bool utf8) {
  std::string bytes;
  for (int i : kept) bytes += (utf8 ? std::string(kLines[i]) : ansi(kLines[i])) + "\r\n";
  return bytes;
}

TEST_F(TermFileSiftingTest, WholeTermLinesNotFoundAreCopiedByteForByte) {
  for (const bool utf8 : {false, true}) {
    WriteInput(Joined(utf8));
    Sift(tools::ParseTermLine);
    EXPECT_EQ(Output(), Expected({1, 6, 8}, utf8)) << (utf8 ? "UTF-8" : "Windows-1251");
  }
}

TEST_F(TermFileSiftingTest, HeadwordsAreCutAtACommaOrParenthesisAndAnyNonEmptyLineIsATerm) {
  for (const bool utf8 : {false, true}) {
    WriteInput(Joined(utf8));
    Sift(tools::ParseHeadword);
    // Line 0's headword is the whole line; line 8 is cut at its comma and found.
    EXPECT_EQ(Output(), Expected({0, 1, 3, 5, 6}, utf8)) << (utf8 ? "UTF-8" : "Windows-1251");
  }
}

TEST_F(TermFileSiftingTest, AUtf8MarkStaysAtTheHeadOfTheOutput) {
  WriteInput("\xEF\xBB\xBF" + std::string(kLines[0]) + "\n" + kLines[1] + "\n");
  Sift(tools::ParseTermLine);
  EXPECT_EQ(Output(), "\xEF\xBB\xBF" + std::string(kLines[1]) + "\r\n");
}

TEST_F(TermFileSiftingTest, AnOldOutputIsReplacedAndTheLastLineStaysInThePendingFields) {
  std::ofstream(output_, std::ios::binary) << "old output, longer than the new one\r\n";
  WriteInput(ansi("Гастрит (греч.) - воспаление\r\nЯзва (лат. ulcus) - дефект\r\n"));
  Sift(tools::ParseTermLine);
  EXPECT_EQ(Output(), ansi("Язва (лат. ulcus) - дефект\r\n"));
  EXPECT_EQ(headword_, ansi("Язва"));
  EXPECT_EQ(origin_, ansi("лат. ulcus"));
  EXPECT_EQ(description_, ansi("дефект"));
}

TEST_F(TermFileSiftingTest, AMissingInputEndsTheRunBeforeAnyOutputIsMade) {
  try {
    Sift(tools::ParseTermLine);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(input_.string()), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(output_));
}

}  // namespace
