#include "platform/ProducerAddress.h"

#include <cstdlib>

#include "platform/SettingsStore.h"

namespace platform {
namespace {

std::string WithoutTrailingSlashes(std::string address) {
  while (!address.empty() && address.back() == '/') address.pop_back();
  return address;
}

}  // namespace

std::string ProducerBaseUrl(const SettingsStore& settings) {
  if (const char* fromEnvironment = std::getenv("KORVAND_PRODUCER_URL"); fromEnvironment && *fromEnvironment)
    return WithoutTrailingSlashes(fromEnvironment);
  const std::optional<std::string> stored = settings.ReadText(kHandbookSection, "ProducerBaseUrl");
  return WithoutTrailingSlashes(stored && !stored->empty() ? *stored : kDefaultProducerBaseUrl);
}

std::string ProducerBaseUrl() { return ProducerBaseUrl(SettingsStore()); }

std::string SupportEmail(const SettingsStore& settings) {
  const std::optional<std::string> stored = settings.ReadText(kHandbookSection, "SupportEmail");
  return stored && !stored->empty() ? *stored : kDefaultSupportEmail;
}

std::string SupportEmail() { return SupportEmail(SettingsStore()); }

}  // namespace platform
