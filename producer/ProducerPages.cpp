#include "producer/ProducerPages.h"

#include "text/Cp1251.h"

namespace producer {
namespace {

std::string Page(const char* titleUtf8, const char* bodyUtf8) {
  return text::Utf8ToCp1251(std::string("<!DOCTYPE html>\n<html lang=\"ru\"><head><meta charset=\"windows-1251\">"
                                        "<title>") +
                            titleUtf8 + "</title></head>\n<body><h1>" + titleUtf8 + "</h1>\n" + bodyUtf8 +
                            "\n</body></html>\n");
}

}  // namespace

std::string HandbookPage() {
  return Page("Справочник медицинских терминов Korvand",
              "<p>Справочник сам спрашивает у этого сервера обновления раз в неделю и предлагает их скачать.</p>"
              "<p>Статьи, добавленные или исправленные у себя, отправьте командой «Послать изменения "
              "производителю»: редакторы просмотрят их и опубликуют в следующем обновлении.</p>");
}

std::string ForumPage() {
  return Page("Форум читателей справочника",
              "<p>Форум пока закрыт. Вопросы и замечания присылайте вместе с изменениями статей: "
              "редакторы читают каждую присланную статью.</p>");
}

}  // namespace producer
