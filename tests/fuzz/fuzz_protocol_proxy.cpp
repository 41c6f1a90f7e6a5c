// The proxy chosen for "http" from any proxy variable: through the environment as the program
// reads it, and straight from the list text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "exchange/ProxyListSelection.h"
#include "exchange/SystemProxyDiscovery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string value(reinterpret_cast<const char*>(data), size);
  exchange::ProxyFromList(value, "http");
  exchange::ProxyFromList(value, "");

  // An environment value ends at its first zero byte.
  value = value.c_str();
  ::setenv("http_proxy", value.c_str(), 1);
  std::string server;
  int port = 0;
  exchange::GetProtocolProxy("http", server, port);
  // The server is a piece of the variable, never more; without a ":" there is no proxy at all.
  if (server.size() > value.size()) std::abort();
  if (value.find(':') == std::string::npos && (!server.empty() || port != 0)) std::abort();
  return 0;
}
