#include "exchange/UpdateOfferPrompt.h"

#include "text/Cp1251.h"
#include "text/Format.h"

namespace exchange {

std::string UpdateOfferCaption() { return text::Utf8ToCp1251("Скачать обновления?"); }

std::string UpdateOfferText(const UpdateCount& update) {
  // The reply's parts are values, never pattern: a "%" in them stays as it is.
  static const std::string pattern =
      text::Utf8ToCp1251("Найдено %s обновленых записей. Размер обновления: %s байт");
  return text::Format(pattern, {update.count, update.size});
}

}  // namespace exchange
