#include <gtest/gtest.h>

#include <string>

#include "cards/ArticleHtml.h"
#include "store/Records.h"
#include "tests/support/Ansi.h"
#include "text/Cp1251.h"

namespace {

using testing_support::ansi;

struct ArticleCase {
  const char* name;
  const char* headword;
  const char* origin;
  const char* description;
  const char* html;
};

// Texts in UTF-8 here; the fragment is compared byte for byte in Windows-1251.
const ArticleCase kCases[] = {
    {"full article, trailing blanks dropped", "Гастрит   ", "греч. gaster – желудок  ", "воспаление желудка. \r\n",
     "<strong>Гастрит</strong><br /><i><font color=#FF7500>(Греч. gaster – желудок)</font></i>"
     "<br /><br />&nbsp;&nbsp;Воспаление желудка."},
    {"empty origin adds nothing", "Гастрит", "", "воспаление желудка.",
     "<strong>Гастрит</strong><br /><br />&nbsp;&nbsp;Воспаление желудка."},
    {"origin of spaces adds nothing", "Гастрит", "    ", "Воспаление.",
     "<strong>Гастрит</strong><br /><br />&nbsp;&nbsp;Воспаление."},
    {"headword keeps its case, only first letters raised", "гастрит", "ёлка зелёная", "абв ГДЕ",
     "<strong>гастрит</strong><br /><i><font color=#FF7500>(Ёлка зелёная)</font></i>"
     "<br /><br />&nbsp;&nbsp;Абв ГДЕ"},
    {"lower-case reference capitalised and linked", "Желудок", "", "см. Гастрит.",
     "<strong>Желудок</strong><br /><br />&nbsp;&nbsp;См. <A href=\" Гастрит.\"> Гастрит.</A>"},
    {"reference without a space keeps R as stored", "Желудок", "", "См.Гастрит",
     "<strong>Желудок</strong><br /><br />&nbsp;&nbsp;См. <A href=\"Гастрит\">Гастрит</A>"},
    {"exactly the reference mark gives an empty link", "Желудок", "", "См.",
     "<strong>Желудок</strong><br /><br />&nbsp;&nbsp;См. <A href=\"\"></A>"},
    {"capital СМ. is no reference", "Желудок", "", "СМ. Гастрит.",
     "<strong>Желудок</strong><br /><br />&nbsp;&nbsp;СМ. Гастрит."},
    {"reference mark later in the text is plain", "Желудок", "", "Орган. См. Гастрит.",
     "<strong>Желудок</strong><br /><br />&nbsp;&nbsp;Орган. См. Гастрит."},
    {"empty description ends with the indent", "Гастрит", "", "",
     "<strong>Гастрит</strong><br /><br />&nbsp;&nbsp;"},
    {"empty headword", "", "", "Текст", "<strong></strong><br /><br />&nbsp;&nbsp;Текст"},
    {"stored markup and line breaks kept as they are", "<u>Ген</u>", "лат. <b>gen</b>",
     "первая<br />вторая\r\nтретья & <i>четвёртая</i>",
     "<strong><u>Ген</u></strong><br /><i><font color=#FF7500>(Лат. <b>gen</b>)</font></i>"
     "<br /><br />&nbsp;&nbsp;Первая<br />вторая\r\nтретья & <i>четвёртая</i>"},
};

TEST(ArticleHtml, BuildsTheFragmentByteForByte) {
  for (const ArticleCase& c : kCases) {
    store::TermRecord term;
    term.euphemizm = ansi(c.headword);
    term.etiology = ansi(c.origin);
    term.description = ansi(c.description);
    const std::string html = cards::BuildArticleHtml(term);
    EXPECT_EQ(html, ansi(c.html)) << c.name << "\n got: " << text::Cp1251ToUtf8(html);
  }
}

}  // namespace
