#include "exchange/SendChangesMessages.h"

#include "text/Cp1251.h"

namespace exchange {

std::string NoChangesMessage() {
  return text::Utf8ToCp1251("Нет ни одной измененной записи. Нет данных для посылки");
}

std::string SendConfirmationText(std::size_t documentBytes) {
  return text::Utf8ToCp1251("Будет произведена посылка ") + std::to_string(documentBytes) +
         text::Utf8ToCp1251(" байт на сервер производителя");
}

std::string SendConfirmationCaption() { return text::Utf8ToCp1251("Вы хотите продолжить?"); }

std::string UploadSucceededMessage() { return text::Utf8ToCp1251("Данные успешно переданы."); }

std::string UploadFailedMessage(std::string_view supportEmail) {
  return text::Utf8ToCp1251("Данные не удалось передать. Сообщите о проблеме разработчикам на ") +
         std::string(supportEmail) + ".";
}

}  // namespace exchange
