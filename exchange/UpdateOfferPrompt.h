#pragma once
// The question that offers a found update: caption "Скачать обновления?", the count and size of
// the reply in the text as received. Texts are Windows-1251.
#include <string>

#include "exchange/UpdateCountReply.h"

namespace exchange {

std::string UpdateOfferCaption();
std::string UpdateOfferText(const UpdateCount& update);

}  // namespace exchange
