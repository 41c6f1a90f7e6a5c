#include "exchange/UpdateDocumentReader.h"

#include <gtest/gtest.h>

#include "UpdateDocumentBuilder.h"
#include "text/Cp1251.h"

namespace {

using exchange::ProducerCategory;
using exchange::ProducerTerm;
using exchange::ReadUpdateDocument;
using exchange::UpdateOutcome;
using exchange_test::SignedText;
using exchange_test::UpdateDocumentBuilder;

UpdateDocumentBuilder TwoOfEach() {
  UpdateDocumentBuilder b;
  b.categories = {{"0", "General"}, {"7", text::Utf8ToCp1251("Хирургия")}};
  b.terms = {{"101", "0", "Alpha", "Greek", "The first letter"},
             {"-5", "7", text::Utf8ToCp1251("Бета"), "", text::Utf8ToCp1251("Вторая")}};
  return b;
}

TEST(UpdateDocumentReader, AWellFormedDocumentGivesItsCategoriesAndTermsInOrder) {
  const UpdateDocumentBuilder b = TwoOfEach();
  const struct {
    const char* name;
    std::string document;
  } cases[] = {
      {"plain", b.Signed()},
      {"text after the digest on its line", b.Signed(" trailing words")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const exchange::UpdateDocument read = ReadUpdateDocument(c.document);
    EXPECT_EQ(read.outcome, UpdateOutcome::Complete);
    EXPECT_FALSE(read.info.has_value());
    EXPECT_EQ(read.categories, b.categories);
    EXPECT_TRUE(read.categoriesComplete);
    EXPECT_EQ(read.terms, b.terms);
  }
}

TEST(UpdateDocumentReader, TheMessageBlockIsReadAndChangesNothingElse) {
  const struct {
    const char* written;
    std::string message;
  } cases[] = {
      {"Hello", "Hello"},
      {"line one<br />line two<br />", "line one\n\rline two\n\r"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    UpdateDocumentBuilder b = TwoOfEach();
    b.info = c.written;
    const exchange::UpdateDocument read = ReadUpdateDocument(b.Signed());
    EXPECT_EQ(read.outcome, UpdateOutcome::Complete);
    ASSERT_TRUE(read.info.has_value());
    EXPECT_EQ(*read.info, c.message);
    EXPECT_EQ(read.categories, b.categories);
    EXPECT_EQ(read.terms, b.terms);
  }
}

TEST(UpdateDocumentReader, ValuesKeepTheirTextAndOnlyLineBreaksAreDecoded) {
  UpdateDocumentBuilder b;
  b.categories = {{"1", " spaced  name "}};
  b.terms = {{"2", "1", "x &amp; y", "a\"b", "a<br />b"}, {"3", "1", "<b>bold</b>", "", "<br /><br/>"}};
  const exchange::UpdateDocument read = ReadUpdateDocument(b.Signed());
  ASSERT_EQ(read.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(read.categories[0].name, " spaced  name ");
  ASSERT_EQ(read.terms.size(), 2u);
  EXPECT_EQ(read.terms[0].title, "x &amp; y");
  EXPECT_EQ(read.terms[0].etiology, "a\"b");
  EXPECT_EQ(read.terms[0].description, std::string("a\n\rb"));
  EXPECT_EQ(read.terms[1].title, "<b>bold</b>");
  EXPECT_EQ(read.terms[1].description, "\n\r<br/>");
}

// Nothing is taken from a document whose digest does not match, letter case included.
TEST(UpdateDocumentReader, ADigestMismatchYieldsNothing) {
  const std::string good = TwoOfEach().Signed();
  std::string lowerCase = good;
  for (std::size_t i = 0; i < 32; ++i) lowerCase[i] = static_cast<char>(std::tolower(lowerCase[i]));
  std::string changedByte = good;
  changedByte[good.find("Alpha")] = 'a';
  std::string changedLineEnd = good;
  changedLineEnd.pop_back();
  const struct {
    const char* name;
    std::string document;
  } cases[] = {
      {"lower-case digest", lowerCase},
      {"a changed byte", changedByte},
      {"a byte less at the end", changedLineEnd},
      {"unsigned", TwoOfEach().Lines()},
      {"shorter than a digest", "D41D8CD98F00B204E9800998ECF8427"},
      {"empty", ""},
  };
  ASSERT_EQ(ReadUpdateDocument(good).outcome, UpdateOutcome::Complete);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const exchange::UpdateDocument read = ReadUpdateDocument(c.document);
    EXPECT_EQ(read.outcome, UpdateOutcome::DigestMismatch);
    EXPECT_FALSE(read.info.has_value());
    EXPECT_TRUE(read.categories.empty());
    EXPECT_TRUE(read.terms.empty());
  }
}

// Invalid data ends the reading where it is found; what was read before it is still applied.
TEST(UpdateDocumentReader, InvalidDataKeepsWhatWasReadBeforeIt) {
  const struct {
    const char* name;
    std::string document;
    std::size_t categories;
    bool categoriesComplete;
    std::size_t terms;
  } cases[] = {
      {"no category", [] { UpdateDocumentBuilder b = TwoOfEach(); b.categories.clear(); return b.Signed(); }(), 0,
       false, 0},
      {"first category line not <section>",
       SignedText("\n<update>\n<sections>\n <section>\n<uid>1</uid>\n<name>n</name>\n</section>\n</sections>\n"), 0,
       false, 0},
      {"second category key not a number",
       [] { UpdateDocumentBuilder b = TwoOfEach(); b.categories[1].uid = "7a"; return b.Signed(); }(), 1, false, 0},
      {"category key missing its closing tag",
       [] { UpdateDocumentBuilder b = TwoOfEach(); b.categories[0].uid = "0</ui"; return b.Signed(); }(), 0, false, 0},
      {"first term key empty", [] { UpdateDocumentBuilder b = TwoOfEach(); b.terms[0].uid = ""; return b.Signed(); }(),
       2, true, 0},
      {"second term's category key not a number",
       [] { UpdateDocumentBuilder b = TwoOfEach(); b.terms[1].sectionUid = "x"; return b.Signed(); }(), 2, true, 1},
      {"no term", [] { UpdateDocumentBuilder b = TwoOfEach(); b.terms.clear(); return b.Signed(); }(), 2, true, 0},
      {"a line end after </update>",
       [] { UpdateDocumentBuilder b = TwoOfEach(); b.ending = "</update>\n"; return b.Signed(); }(), 2, true, 2},
      {"something else than </update> at the end",
       [] { UpdateDocumentBuilder b = TwoOfEach(); b.ending = "</updates>"; return b.Signed(); }(), 2, true, 2},
      // A last line with every tag of a term and no line end would be read again and again.
      {"a whole term on a last line without line end",
       [] {
         UpdateDocumentBuilder b = TwoOfEach();
         b.ending = "<uid>9</uid><section_uid>0</section_uid><title>t</title>";
         return b.Signed();
       }(),
       2, true, 3},
      {"a whole category on a last line without line end",
       SignedText("\n<update>\n<sections>\n<section>\n<uid>1</uid>\n<name>n</name>\n</section>\n<uid>2</uid><name>m</name>"),
       2, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const exchange::UpdateDocument read = ReadUpdateDocument(c.document);
    EXPECT_EQ(read.outcome, UpdateOutcome::InvalidData);
    EXPECT_EQ(read.categories.size(), c.categories);
    EXPECT_EQ(read.categoriesComplete, c.categoriesComplete);
    EXPECT_EQ(read.terms.size(), c.terms);
  }
}

// Each value is taken after a fixed count of dropped lines, from the first tags found after that.
TEST(UpdateDocumentReader, ValuesAreFoundByLineCountNotByElement) {
  const std::string lines =
      "\n<update>\n<sections>\n<section>\nignored <uid>4</uid> here\n<name>N</name>\nclosing, not examined\n"
      "</sections>\nanything\n<uid>5</uid>\n<section_uid>4</section_uid>\n<title>T</title>\n"
      "<description>D</description>\n<etiology>E</etiology>\nanything\n</update>";
  const exchange::UpdateDocument read = ReadUpdateDocument(SignedText(lines));
  ASSERT_EQ(read.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(read.categories, (std::vector<ProducerCategory>{{"4", "N"}}));
  // The etiology is searched from the description's line and found on the next one; the
  // description is searched from the etiology's line and its tag lies behind: no closing tag after.
  EXPECT_EQ(read.terms, (std::vector<ProducerTerm>{{"5", "4", "T", "E", ""}}));
}

TEST(UpdateDocumentReader, TheInvalidDataMessageEndsWithTheSupportAddress) {
  EXPECT_EQ(exchange::InvalidUpdateDataMessage("help@example.org"),
            text::Utf8ToCp1251("Сервер вернул неверные данные. Сообщите разработчикам на help@example.org"));
}

}  // namespace
