#pragma once
// What the person is told while sending local changes (Windows-1251).
#include <cstddef>
#include <string>
#include <string_view>

namespace exchange {

std::string NoChangesMessage();
// The question before sending, and its caption; `documentBytes` is the document's full length.
std::string SendConfirmationText(std::size_t documentBytes);
std::string SendConfirmationCaption();
std::string UploadSucceededMessage();
std::string UploadFailedMessage(std::string_view supportEmail);

}  // namespace exchange
