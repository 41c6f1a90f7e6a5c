#include "exchange/UpdateCountRequest.h"

#include <stdexcept>

#include "platform/ProducerAddress.h"

namespace exchange {

std::string UpdateRequestDate(text::DateTime lastUpdate) {
  // 1 January of year 1 to 31 December 9999: the dates with a four-digit year.
  if (!(lastUpdate >= -693593.0 && lastUpdate < 2958466.0))
    throw std::out_of_range("The date of the last update " + std::to_string(lastUpdate) + " is no date");
  // Literal hyphens rather than "/": the request's form must not follow the date separator.
  return text::FormatDateTimePattern("yyyy-mm-dd", text::DecodeDateTime(lastUpdate));
}

std::string UpdateDownloadPath(text::DateTime lastUpdate) {
  return "/includes/dictupdgz.php?date=" + UpdateRequestDate(lastUpdate) + "%2000:00:00";
}

std::string UpdateCountPath(text::DateTime lastUpdate) { return UpdateDownloadPath(lastUpdate) + "&count=1"; }

std::string UpdateCountUrl(std::string_view producerBaseUrl, text::DateTime lastUpdate) {
  return std::string(producerBaseUrl) + UpdateCountPath(lastUpdate);
}

std::string UpdateCountUrl(text::DateTime lastUpdate) {
  return UpdateCountUrl(platform::ProducerBaseUrl(), lastUpdate);
}

std::string UpdateDownloadUrl(text::DateTime lastUpdate) {
  return platform::ProducerBaseUrl() + UpdateDownloadPath(lastUpdate);
}

}  // namespace exchange
