// The pieces the update reader takes values with: the digest split, the tag extraction, the line
// cursor and the key test.
#include <gtest/gtest.h>

#include "exchange/UpdateCursor.h"
#include "exchange/UpdateDigest.h"
#include "exchange/UpdateKey.h"

namespace {

TEST(UpdateDigest, TheFirst32CharactersAreTheDigestOfAllAfterThem) {
  const struct {
    std::string document;
    std::string expected;
    std::string text;
    bool verified;
  } cases[] = {
      {"D41D8CD98F00B204E9800998ECF8427E", "D41D8CD98F00B204E9800998ECF8427E", "", true},
      {"900150983CD24FB0D6963F7D28E17F72abc", "900150983CD24FB0D6963F7D28E17F72", "abc", true},
      {"900150983cd24fb0d6963f7d28e17f72abc", "900150983cd24fb0d6963f7d28e17f72", "abc", false},
      {"900150983CD24FB0D6963F7D28E17F72abcd", "900150983CD24FB0D6963F7D28E17F72", "abcd", false},
      {"D41D8CD98F00B204", "D41D8CD98F00B204", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.document);
    const exchange::SignedUpdateText split = exchange::SplitUpdateDigest(c.document);
    EXPECT_EQ(split.expectedDigest, c.expected);
    EXPECT_EQ(split.text, c.text);
    EXPECT_EQ(split.Verified(), c.verified);
  }
}

TEST(ExtractTag, TakesTheTextBetweenTheFirstTagsWithLineBreaksDecoded) {
  const struct {
    std::string text;
    std::string name;
    std::string value;
  } cases[] = {
      {"<uid>12</uid>\n<uid>13</uid>", "uid", "12"},
      {"x\n<name>a b</name> tail", "name", "a b"},
      {"<section_uid>3</section_uid><uid>4</uid>", "uid", "4"},
      {"<description>a<br />b</description>", "description", "a\n\rb"},
      {"<title><br /><br /></title>", "title", "\n\r\n\r"},
      {"<title>a<br/>b<BR /></title>", "title", "a<br/>b<BR />"},
      {"<uid>12", "uid", ""},
      {"<uid>12</UID>", "uid", ""},
      {"</uid><uid>1</uid>", "uid", ""},
      {"", "uid", ""},
      // Without an opening tag the value starts where the tag's length ends, as TextBetween does.
      {"0123456789</uid>", "uid", "456789"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(exchange::ExtractTag(c.text, c.name), c.value);
  }
}

TEST(UpdateCursor, DropsWholeLinesAndStaysOnTheLastOne) {
  exchange::UpdateCursor cursor("one\ntwo\n\nlast");
  EXPECT_TRUE(cursor.BeginsWith("one"));
  cursor.DropLine();
  EXPECT_EQ(cursor.Rest(), "two\n\nlast");
  cursor.DropLines(2);
  EXPECT_EQ(cursor.Rest(), "last");
  EXPECT_FALSE(cursor.BeginsWith("Last"));
  cursor.DropLines(3);
  EXPECT_EQ(cursor.Rest(), "last");
}

TEST(UpdateCursor, ExtractsFromItsPositionOn) {
  exchange::UpdateCursor cursor("<uid>1</uid>\n<uid>2</uid>\n");
  EXPECT_EQ(cursor.ExtractTag("uid"), "1");
  cursor.DropLine();
  EXPECT_EQ(cursor.ExtractTag("uid"), "2");
  cursor.DropLine();
  EXPECT_EQ(cursor.ExtractTag("uid"), "");
}

TEST(IsIntegerKey, AcceptsSignedDecimalNumbersWithin32Bits) {
  const struct {
    const char* text;
    bool integer;
  } cases[] = {
      {"0", true},           {"42", true},          {"007", true},         {"-7", true},
      {"+7", true},          {"2147483647", true},  {"-2147483648", true}, {"", false},
      {"-", false},          {"+", false},          {" 1", false},         {"1 ", false},
      {"1\n", false},        {"2147483648", false}, {"-2147483649", false}, {"99999999999999999999", false},
      {"1a", false},         {"$1F", false},        {"0x10", false},       {"1.0", false},
      {"--1", false},        {"+-1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(exchange::IsIntegerKey(c.text), c.integer) << '"' << c.text << '"';
}

}  // namespace
