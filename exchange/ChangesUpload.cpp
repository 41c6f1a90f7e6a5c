#include "exchange/ChangesUpload.h"

#include <cstdio>

#include "platform/Clock.h"

namespace exchange {

std::string ChangesUploadBoundary(const text::CalendarTime& time) {
  char digits[32];  // room for any int, though each field takes two or three digits
  std::snprintf(digits, sizeof digits, "%02d%02d%02d%02d%02d%02d%03d", time.month % 100, time.day % 100,
                time.year % 100, time.hour % 100, time.minute % 100, time.second % 100, time.millisecond % 1000);
  return std::string("--------") + digits;
}

std::string ChangesUploadBoundary() { return ChangesUploadBoundary(text::DecodeDateTime(platform::Now())); }

std::string ChangesUploadContentType(std::string_view boundary) {
  return "multipart/form-data; boundary=" + std::string(boundary);
}

std::string ChangesUploadBody(std::string_view boundary, std::string_view document) {
  std::string body;
  body.reserve(document.size() + 2 * boundary.size() + 64);
  body.append("--").append(boundary).append("\r\n");
  body.append("Content-Disposition: form-data; name=\"").append(kChangesFieldName).append("\"\r\n");
  body.append("\r\n");
  body.append(document);
  body.append("\r\n");
  body.append("--").append(boundary).append("--\r\n");
  return body;
}

ChangesUploadRequest MakeChangesUploadRequest(std::string_view producerBaseUrl, std::string_view document,
                                              std::string_view boundary) {
  ChangesUploadRequest request;
  request.url = std::string(producerBaseUrl) + std::string(kChangesUploadPath);
  request.contentType = ChangesUploadContentType(boundary);
  request.body = ChangesUploadBody(boundary, document);
  return request;
}

bool IsChangesUploadAccepted(std::string_view reply) { return reply == "OK"; }

}  // namespace exchange
