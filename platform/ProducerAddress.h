#pragma once
// Where the producer lives on the web: the scheme and host of its server, and its support
// mailbox. Both come from the settings with compiled-in defaults; the environment variable
// KORVAND_PRODUCER_URL overrides the address (tests point it at a local server).
#include <string>

namespace platform {

class SettingsStore;

// The settings section that holds the producer's values and the date of the last update.
inline constexpr const char* kHandbookSection = "Software\\Korvand Software\\Korvand Handbook";

inline constexpr const char* kDefaultProducerBaseUrl = "http://korvand-med.ru";
inline constexpr const char* kDefaultSupportEmail = "support@korvand-med.ru";

// Without a trailing "/", so request paths can be appended as they are.
std::string ProducerBaseUrl(const SettingsStore& settings);
std::string ProducerBaseUrl();

std::string SupportEmail(const SettingsStore& settings);
std::string SupportEmail();

}  // namespace platform
