#include "cards/UnstoredArticleMessages.h"

#include "text/Cp1251.h"

namespace cards {

std::string BlankFieldsMessage() {
  return text::Utf8ToCp1251("Статья не сохранена: заполните поля «Термин» и «Описание».");
}

std::string UnkeepableCharactersMessage(const std::vector<UnkeepableCharacters>& fields) {
  std::string message = text::Utf8ToCp1251(
      "Статья не сохранена: справочник не может хранить некоторые знаки, они превратились бы в «?».\n");
  for (const UnkeepableCharacters& field : fields) {
    message += text::Utf8ToCp1251("«" + std::string(field.field) + "»: ");
    for (std::size_t i = 0; i < field.characters.size(); ++i)
      message += (i ? ", " : "") + text::CodePointName(field.characters[i]);
    message += '\n';
  }
  return message + text::Utf8ToCp1251("Удалите или замените их и сохраните статью снова.");
}

}  // namespace cards
