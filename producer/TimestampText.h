#pragma once
// Times as the producer's database takes and gives them: "yyyy-mm-dd hh:nn:ss" text, bound as a
// parameter and converted by the engine.
#include <optional>
#include <string>
#include <string_view>

#include "text/DateTime.h"

namespace producer {

std::string TimestampText(text::DateTime time);

// The date of an update request as it arrives decoded ("2008-12-29 00:00:00"), checked field by
// field; nothing else is taken, so nothing else reaches a statement or a cache key.
std::optional<std::string> RequestTimestamp(std::string_view date);

}  // namespace producer
