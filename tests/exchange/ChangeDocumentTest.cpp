#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/ChangeDocument.h"
#include "exchange/SendChangesMessages.h"
#include "tests/support/Ansi.h"

namespace {

using exchange::ChangeDocumentLines;
using exchange::JoinChangeDocument;
using store::ChangeMark;
using store::TermRecord;
using testing_support::ansi;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";

TermRecord Edited(int uid, std::string title, std::string origin = "", std::string description = "") {
  return TermRecord{uid, std::move(title), std::move(origin), std::move(description), 0, ChangeMark::EditedLocally};
}

TermRecord Created(int uid, std::string title, std::string origin = "", std::string description = "") {
  return TermRecord{uid, std::move(title), std::move(origin), std::move(description), 3, ChangeMark::CreatedLocally};
}

// The seven lines of one term element.
std::vector<std::string> Element(const std::string& uidLine, const std::string& title, const std::string& origin,
                                 const std::string& description) {
  return {"",
          "<euphemizm>",
          uidLine,
          "<title>" + title + "</title>",
          "<etiology>" + origin + "</etiology>",
          "<description>" + description + "</description>",
          "</euphemizm>"};
}

std::vector<std::string> Document(const std::vector<std::vector<std::string>>& elements) {
  std::vector<std::string> lines{kDeclaration, "<update>"};
  for (const auto& element : elements) lines.insert(lines.end(), element.begin(), element.end());
  lines.push_back("</update>");
  return lines;
}

struct DocumentCase {
  const char* name;
  std::vector<TermRecord> terms;
  std::vector<std::string> lines;
};

class ChangeDocumentLinesTest : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(ChangeDocumentLinesTest, GivesTheLinesOfTheDocument) {
  EXPECT_EQ(ChangeDocumentLines(GetParam().terms), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeDocumentLinesTest,
    ::testing::Values(
        DocumentCase{"NoTerms", {}, {kDeclaration, "<update>", "</update>"}},
        DocumentCase{"EditedTermCarriesItsKey", {Edited(7, "A")}, Document({Element("<uid>7</uid>", "A", "", "")})},
        DocumentCase{"CreatedTermsHaveAnEmptyUid",
                     {Created(12, "Alpha", "lat.", "first"), Created(13, "Beta", "", "second")},
                     Document({Element("<uid></uid>", "Alpha", "lat.", "first"),
                               Element("<uid></uid>", "Beta", "", "second")})},
        DocumentCase{"TermsKeepTheOrderGiven",
                     {Edited(40, "Zeta"), Edited(2, "Eta"), Created(1, "Theta")},
                     Document({Element("<uid>40</uid>", "Zeta", "", ""), Element("<uid>2</uid>", "Eta", "", ""),
                               Element("<uid></uid>", "Theta", "", "")})},
        DocumentCase{"LargeAndNegativeKeysAsDecimalText",
                     {Edited(2147483647, "Max"), Edited(-5, "Neg")},
                     Document({Element("<uid>2147483647</uid>", "Max", "", ""),
                               Element("<uid>-5</uid>", "Neg", "", "")})},
        DocumentCase{"TrailingBlanksAndControlCharactersGo",
                     {Edited(1, "Title  ", "origin\t\t", "text\r\n  \r\n ")},
                     Document({Element("<uid>1</uid>", "Title", "origin", "text")})},
        DocumentCase{"LeadingBlanksStay", {Edited(1, "  Title", " \torigin", "\r\ntext")},
                     Document({Element("<uid>1</uid>", "  Title", " \torigin", "\r\ntext")})},
        // Inside a value a line break stays, so the element spans several lines once joined.
        DocumentCase{"InnerLineBreakStays", {Edited(1, "T", "", "first\r\nsecond\r\n")},
                     Document({Element("<uid>1</uid>", "T", "", "first\r\nsecond")})},
        DocumentCase{"PerCentSignsStaySingle", {Edited(1, "5% %d %s %%", "100%", "%r")},
                     Document({Element("<uid>1</uid>", "5% %d %s %%", "100%", "%r")})},
        DocumentCase{"MarkupCharactersAreNotEscaped", {Created(1, "a<b & c>d", "\"quoted\"", "&amp;'")},
                     Document({Element("<uid></uid>", "a<b & c>d", "\"quoted\"", "&amp;'")})},
        // A no-break space (0xA0 in Windows-1251) is no blank: only codes up to 32 are cut.
        DocumentCase{"CyrillicBytesAndNoBreakSpaceStay",
                     {Edited(3, ansi("Анамнез"), ansi("греч. \xC2\xA0"), ansi("Сведения ёЁ"))},
                     Document({Element("<uid>3</uid>", ansi("Анамнез"), ansi("греч. \xC2\xA0"),
                                       ansi("Сведения ёЁ"))})}),
    [](const ::testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.name); });

// A term whose mark is neither "+" nor "*" does not come from the reading of changes; it is given
// the key it has, like an edited one, since only a term made here lacks a key.
TEST(ChangeDocumentLines, OnlyATermCreatedHereLosesItsKey) {
  TermRecord inStep{5, "X", "", "", 0, ChangeMark::InStep};
  EXPECT_EQ(ChangeDocumentLines(std::vector{inStep})[4], "<uid>5</uid>");
}

struct JoinCase {
  const char* name;
  std::vector<TermRecord> terms;
  std::size_t bytes;
  std::size_t lines;
};

class JoinChangeDocumentTest : public ::testing::TestWithParam<JoinCase> {};

// Two bytes for every line ending, the last line included.
TEST_P(JoinChangeDocumentTest, EndsEveryLineWithCrLf) {
  const std::vector<std::string> lines = ChangeDocumentLines(GetParam().terms);
  const std::string document = JoinChangeDocument(lines);
  EXPECT_EQ(lines.size(), GetParam().lines);
  EXPECT_EQ(document.size(), GetParam().bytes);
  EXPECT_EQ(exchange::IsEmptyChangeDocument(lines), GetParam().terms.empty());
  ASSERT_GE(document.size(), 2u);
  EXPECT_EQ(document.substr(document.size() - 2), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, JoinChangeDocumentTest,
                         ::testing::Values(JoinCase{"Empty", {}, 68, 3}, JoinCase{"OneEditedTerm", {Edited(7, "A")}, 181, 10},
                                           JoinCase{"OneCreatedTerm", {Created(7, "A")}, 180, 10},
                                           JoinCase{"TwoTerms", {Edited(7, "A"), Created(8, "B ")}, 293, 17},
                                           JoinCase{"InnerLineBreak", {Edited(7, "A", "", "x\r\ny")}, 185, 10}),
                         [](const ::testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

TEST(JoinChangeDocument, ExampleDocumentByteForByte) {
  const std::vector<TermRecord> terms{Edited(7, "A")};
  EXPECT_EQ(JoinChangeDocument(ChangeDocumentLines(terms)),
            "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
            "<update>\r\n"
            "\r\n"
            "<euphemizm>\r\n"
            "<uid>7</uid>\r\n"
            "<title>A</title>\r\n"
            "<etiology></etiology>\r\n"
            "<description></description>\r\n"
            "</euphemizm>\r\n"
            "</update>\r\n");
}

TEST(SendChangesMessages, TextsAsThePersonReadsThem) {
  EXPECT_EQ(exchange::NoChangesMessage(), ansi("Нет ни одной измененной записи. Нет данных для посылки"));
  EXPECT_EQ(exchange::SendConfirmationCaption(), ansi("Вы хотите продолжить?"));
  EXPECT_EQ(exchange::UploadSucceededMessage(), ansi("Данные успешно переданы."));
  EXPECT_EQ(exchange::UploadFailedMessage("help@example.org"),
            ansi("Данные не удалось передать. Сообщите о проблеме разработчикам на help@example.org."));
}

TEST(SendChangesMessages, ConfirmationNamesTheDocumentLength) {
  const std::string before = ansi("Будет произведена посылка ");
  const std::string after = ansi(" байт на сервер производителя");
  for (std::size_t bytes : {std::size_t{0}, std::size_t{181}, std::size_t{1048576}})
    EXPECT_EQ(exchange::SendConfirmationText(bytes), before + std::to_string(bytes) + after) << bytes;
  const std::vector<TermRecord> terms{Edited(7, "A")};
  EXPECT_EQ(exchange::SendConfirmationText(JoinChangeDocument(ChangeDocumentLines(terms)).size()),
            before + "181" + after);
}

}  // namespace
