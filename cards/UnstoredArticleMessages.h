#pragma once
// What the editor tells the user when "Сохранить" cannot store the article as typed, so the
// editor stays open with the text. Windows-1251, as every message.
#include <string>
#include <string_view>
#include <vector>

namespace cards {

// A field holding characters the handbook cannot keep: its caption (UTF-8) and those characters.
struct UnkeepableCharacters {
  std::string_view field;
  std::u32string characters;
};

// A blank headword or description.
std::string BlankFieldsMessage();
// Names each field and its characters by code, since the message itself cannot show them.
std::string UnkeepableCharactersMessage(const std::vector<UnkeepableCharacters>& fields);

}  // namespace cards
