#include "exchange/SystemProxyDiscovery.h"

#include <cstdlib>
#include <utility>

#include "exchange/ProxyListSelection.h"

namespace exchange {
namespace {

std::string_view Trimmed(std::string_view s) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return Trimmed(value ? std::string_view(value) : std::string_view());
}

}  // namespace

std::string ProxyListFromAddress(std::string_view address) {
  std::string_view rest = Trimmed(address);
  if (const std::size_t scheme = rest.find("://"); scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);
  rest = rest.substr(0, rest.find_first_of("/?#"));
  // A password may hold "@" only encoded, but take the last one anyway: the host follows it.
  if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos) rest.remove_prefix(at + 1);
  return std::string(rest);
}

std::string QuerySystemProxy() {
  std::string_view address = Variable("http_proxy");
  if (address.empty()) address = Variable("HTTP_PROXY");
  return ProxyListFromAddress(address);
}

void GetProtocolProxy(std::string_view protocol, std::string& server, int& port) {
  ProxyAddress proxy = ProxyFromList(QuerySystemProxy(), protocol);
  server = std::move(proxy.server);
  port = proxy.port;
}

}  // namespace exchange
