// The producer's update documents, read by the readers' own parser: the line layout and the
// digest are a contract between the two sides.
#include "exchange/UpdateDocumentWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "exchange/UpdateDigest.h"
#include "exchange/UpdateDocumentReader.h"
#include "tests/exchange/UpdateDocumentBuilder.h"
#include "tests/support/Ansi.h"

namespace {

using exchange::EncodeLineBreaks;
using exchange::ProducerCategory;
using exchange::ProducerTerm;
using exchange::UpdateOutcome;
using exchange::WriteUpdateDocument;
using testing_support::ansi;

TEST(UpdateDocumentWriterTest, EveryKindOfLineBreakBecomesOneBreakTag) {
  const struct {
    std::string value;
    std::string written;
  } cases[] = {
      {"a\r\nb", "a<br />b"},           // sent by a reader
      {"a\n\rb", "a<br />b"},           // stored by a reader from an earlier update
      {"a\nb\rc", "a<br />b<br />c"},   // lone ones
      {"a\r\n\r\nb", "a<br /><br />b"},  // an empty line between
      {"a\n\nb", "a<br /><br />b"},
      {"\r\n", "<br />"},
      {"<&\"%>", "<&\"%>"},  // raw, nothing escaped
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeLineBreaks(c.value), c.written) << c.value;
}

TEST(UpdateDocumentWriterTest, TheReadersParserReadsEveryValueBack) {
  const std::vector<ProducerCategory> categories = {{"0", ansi("Общие термины")}, {"12", ansi("  Хирургия ")}};
  const std::vector<ProducerTerm> terms = {
      {"5", "0", ansi("Гастрит"), ansi("греч. gaster – желудок"), ansi("строка\r\nещё строка")},
      {"999999999", "12", "<b>&amp;\"100%\"</b>", "", "a\n\rb"},
  };
  for (const std::optional<std::string>& info : {std::optional<std::string>(), std::optional(ansi("Новое\r\nв справочнике"))}) {
    const std::string document = WriteUpdateDocument(info, categories, terms);
    EXPECT_TRUE(document.ends_with("</euphemizm>\n</update>")) << "no line end after the last line";
    EXPECT_EQ(document.find('\r'), std::string::npos) << "LF line ends only";
    EXPECT_TRUE(exchange::SplitUpdateDigest(document).Verified());

    const exchange::UpdateDocument read = exchange::ReadUpdateDocument(document);
    ASSERT_EQ(read.outcome, UpdateOutcome::Complete);
    EXPECT_EQ(read.info, info ? std::optional(ansi("Новое\n\rв справочнике")) : std::nullopt);
    EXPECT_EQ(read.categories, categories);
    ASSERT_EQ(read.terms.size(), 2u);
    EXPECT_EQ(read.terms[0].description, ansi("строка\n\rещё строка")) << "a break reads back as LF CR";
    EXPECT_EQ(read.terms[1], (ProducerTerm{"999999999", "12", "<b>&amp;\"100%\"</b>", "", "a\n\rb"}));
  }
}

TEST(UpdateDocumentWriterTest, WritesTheLayoutTheTestsOwnBuilderWrites) {
  exchange_test::UpdateDocumentBuilder builder;
  builder.categories = {{"0", "general"}};
  builder.terms = {{"1", "0", "t", "e", "d"}, {"2", "0", "u", "", ""}};
  builder.info = "message";
  EXPECT_EQ(WriteUpdateDocument("message", builder.categories, builder.terms), builder.Signed());
}

TEST(UpdateDocumentWriterTest, RefusesWhatTheReaderCouldNotRead) {
  const std::vector<ProducerCategory> category = {{"0", "c"}};
  const std::vector<ProducerTerm> term = {{"1", "0", "t", "", ""}};
  EXPECT_THROW(WriteUpdateDocument(std::nullopt, {}, term), std::invalid_argument) << "no category";
  EXPECT_THROW(WriteUpdateDocument(std::nullopt, category, {}), std::invalid_argument) << "no term";
  const std::vector<ProducerTerm> badKey = {{"1x", "0", "t", "", ""}};
  EXPECT_THROW(WriteUpdateDocument(std::nullopt, category, badKey), std::invalid_argument);
  const std::vector<ProducerCategory> badCategory = {{"", "c"}};
  EXPECT_THROW(WriteUpdateDocument(std::nullopt, badCategory, term), std::invalid_argument);
}

}  // namespace
