#include "browse/AlphabetLetter.h"

#include "text/Cp1251.h"

namespace browse {

std::string AlphabetStripText() {
  return text::Utf8ToCp1251(
      "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z "
      "А Б В Г Д Е Ж З И К Л М Н О П Р С Т У Ф Х Ц Ч Ш Щ Э Ю Я ");
}

std::optional<char> ChooseStripLetter(std::string_view stripText, int gapIndex) {
  const auto length = static_cast<long long>(stripText.size());
  if (gapIndex < 0 || gapIndex > length - 1) return std::nullopt;
  const auto gap = static_cast<std::size_t>(gapIndex);
  if (gap == 0 || stripText[gap - 1] == ' ') return stripText[gap];
  return stripText[gap - 1];
}

}  // namespace browse
