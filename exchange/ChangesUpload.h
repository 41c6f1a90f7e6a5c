#pragma once
// The upload of the change document: one multipart/form-data field "xmlfile" posted to the
// producer, and the reading of its reply. No file name and no content type of its own for the
// field: the producer's script reads the document as a plain form value.
#include <string>
#include <string_view>

#include "text/DateTime.h"

namespace exchange {

inline constexpr std::string_view kChangesUploadPath = "/includes/dictadd.php";
inline constexpr std::string_view kChangesFieldName = "xmlfile";

// Eight hyphens and the local time as month, day, two-digit year, hour, minute, second and
// milliseconds ("--------121026132005123"): a fresh boundary for every request.
std::string ChangesUploadBoundary(const text::CalendarTime& time);
// The same from the program's clock.
std::string ChangesUploadBoundary();

// "multipart/form-data; boundary=" and the boundary.
std::string ChangesUploadContentType(std::string_view boundary);

// The body: the opening delimiter, the field's one header, an empty line, the document byte for
// byte (its own final CR LF included), CR LF, the closing delimiter and CR LF.
std::string ChangesUploadBody(std::string_view boundary, std::string_view document);

struct ChangesUploadRequest {
  std::string url;          // the producer's address and kChangesUploadPath
  std::string contentType;  // the value of the Content-Type header
  std::string body;
};

ChangesUploadRequest MakeChangesUploadRequest(std::string_view producerBaseUrl, std::string_view document,
                                              std::string_view boundary);

// Only the exact two letters count as accepted: no case change, no blank, no line break.
bool IsChangesUploadAccepted(std::string_view reply);

}  // namespace exchange
