// The producer's reading of change documents, against documents the readers' own writer makes.
#include "exchange/ChangeDocumentReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/ChangeDocument.h"
#include "tests/support/Ansi.h"

namespace {

using exchange::ReadChangeDocument;
using exchange::ReceivedTerm;
using store::ChangeMark;
using store::TermRecord;
using testing_support::ansi;

std::string Written(const std::vector<TermRecord>& terms) {
  return exchange::JoinChangeDocument(exchange::ChangeDocumentLines(terms));
}

TEST(ChangeDocumentReaderTest, ReadsBackWhatTheReadersWriterSent) {
  const std::vector<TermRecord> sent = {
      {7, "A", "", "", 0, ChangeMark::EditedLocally},
      // Values that are raw in the document: markup characters, quotes, a per-cent sign, a value
      // over several lines, a closing tag that is not followed by the next line of the layout.
      {12, ansi("Синдром \"белого халата\" <i>&amp;</i> 100%"), ansi("лат. <b>"),
       "line one\r\n</description>\r\nline three\r\n\r\n", 0, ChangeMark::EditedLocally},
      {1000000003, ansi("Новый"), "  leading blanks kept", ansi("текст"), 2, ChangeMark::CreatedLocally},
  };
  const exchange::ChangeDocumentReading reading = ReadChangeDocument(Written(sent));
  ASSERT_TRUE(reading.Valid()) << reading.fault;
  EXPECT_EQ(reading.terms,
            (std::vector<ReceivedTerm>{
                {7, "A", "", ""},
                {12, ansi("Синдром \"белого халата\" <i>&amp;</i> 100%"), ansi("лат. <b>"),
                 "line one\r\n</description>\r\nline three"},  // the writer cuts trailing line ends
                {std::nullopt, ansi("Новый"), "  leading blanks kept", ansi("текст")},
            }));
}

TEST(ChangeDocumentReaderTest, ADocumentWithoutTermsIsEmpty) {
  const exchange::ChangeDocumentReading reading = ReadChangeDocument(Written({}));
  EXPECT_TRUE(reading.Valid());
  EXPECT_TRUE(reading.terms.empty());
}

TEST(ChangeDocumentReaderTest, RefusesEveryDamagedDocumentWithAReason) {
  const std::string good = Written({{7, "A", "o", "d", 0, ChangeMark::EditedLocally}});
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string document = good;
    document.replace(document.find(from), from.size(), to);
    return document;
  };
  const struct {
    const char* what;
    std::string document;
  } cases[] = {
      {"empty", ""},
      {"another declaration", replaced("windows-1251", "utf-8")},
      {"LF line ends only", replaced("<update>\r\n", "<update>\n")},
      {"no final line end", good.substr(0, good.size() - 2)},
      {"cut inside a term", good.substr(0, good.find("</title>"))},
      {"text after the end", good + "x"},
      {"uid not a number", replaced("<uid>7</uid>", "<uid>7a</uid>")},
      {"uid too large", replaced("<uid>7</uid>", "<uid>99999999999</uid>")},
      {"a line of the layout missing", replaced("<etiology>o</etiology>\r\n", "")},
      {"lines in another order", replaced("<title>A</title>\r\n<etiology>o</etiology>",
                                          "<etiology>o</etiology>\r\n<title>A</title>")},
      {"no closing </euphemizm>", replaced("</euphemizm>\r\n", "\r\n")},
      {"binary garbage", std::string("\x1f\x8b\x08\0\0\0", 6)},
  };
  for (const auto& c : cases) {
    const exchange::ChangeDocumentReading reading = ReadChangeDocument(c.document);
    EXPECT_FALSE(reading.Valid()) << c.what;
    EXPECT_TRUE(reading.terms.empty()) << c.what;
  }
}

}  // namespace
