#pragma once
// Picks the proxy for one protocol out of a proxy list text. The list is either one entry of
// host ":" port that serves every protocol, or entries of protocol "=" host ":" port separated by
// ";". An empty server means a direct connection.
#include <string>
#include <string_view>

namespace exchange {

struct ProxyAddress {
  std::string server;
  int port = 0;

  bool operator==(const ProxyAddress&) const = default;
};

// The text after the first `protocol` "=" (case-sensitive) up to the next ";"; without such an
// entry, the whole list. That text is split at its first ":": the server before it, the port after
// it as a decimal integer (0 when it is none). Without a ":" there is no proxy at all.
ProxyAddress ProxyFromList(std::string_view listText, std::string_view protocol);

}  // namespace exchange
