#pragma once
// The address that asks the producer how many records changed since a date. Only the date goes
// out, as yyyy-mm-dd followed by an encoded blank and midnight; the time of day never does.
#include <string>
#include <string_view>

#include "text/DateTime.h"

namespace exchange {

// "2008-12-29" whatever the process-wide date format is. Throws std::out_of_range outside the
// years 1 to 9999.
std::string UpdateRequestDate(text::DateTime lastUpdate);

// "/includes/dictupdgz.php?date=2008-12-29%2000:00:00": the update itself.
std::string UpdateDownloadPath(text::DateTime lastUpdate);
// "/includes/dictupdgz.php?date=2008-12-29%2000:00:00&count=1": how many records it holds.
std::string UpdateCountPath(text::DateTime lastUpdate);

// The path appended to the producer's address as it stands (it has no trailing "/").
std::string UpdateCountUrl(std::string_view producerBaseUrl, text::DateTime lastUpdate);
// The same at platform::ProducerBaseUrl().
std::string UpdateCountUrl(text::DateTime lastUpdate);
// The update itself at platform::ProducerBaseUrl().
std::string UpdateDownloadUrl(text::DateTime lastUpdate);

}  // namespace exchange
