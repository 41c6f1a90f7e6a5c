#include <gtest/gtest.h>

#include "cards/LookupKeys.h"
#include "tests/support/Ansi.h"

namespace {

using testing_support::ansi;

struct KeyCase {
  const char* input;
  const char* key;
};

TEST(LookupKeys, CrossReferenceDropsTheClosingStopThenTrims) {
  const KeyCase cases[] = {
      {" Гастрит.", "Гастрит"},
      {" Гастрит", "Гастри"},  // no closing stop: the last letter goes, the prefix look-up still finds it
      {"\t Язва желудка.", "Язва желудка"},
      {".", ""},
      {"", ""},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(cards::CrossReferenceKey(ansi(c.input)), ansi(c.key)) << c.input;
}

TEST(LookupKeys, SelectionLosesEveryStopThenTrims) {
  const KeyCase cases[] = {
      {"гастрит.", "гастрит"},
      {"\r\n Т.е. язва. ", "Те язва"},
      {"...", ""},
      {"", ""},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(cards::SelectionKey(ansi(c.input)), ansi(c.key)) << c.input;
}

}  // namespace
