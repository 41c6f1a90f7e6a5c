#pragma once
// Private to the store: the client library's entry points, status handling and attach parameters.
#include <firebird/Interface.h>

#include <string>
#include <vector>

#include "store/DatabaseError.h"

namespace store::fb {

Firebird::IMaster* Master();

// A throwing status for one sequence of calls; disposed with the object.
class Status {
 public:
  Status() : wrapper_(Master()->getStatus()) {}
  ~Status() { wrapper_.dispose(); }
  Status(const Status&) = delete;
  Status& operator=(const Status&) = delete;
  Firebird::ThrowStatusWrapper* operator&() { return &wrapper_; }

 private:
  Firebird::ThrowStatusWrapper wrapper_;
};

// The status's message (Windows-1251; file names converted from UTF-8) and codes.
DatabaseError ErrorFrom(const Firebird::FbException& error, const std::string& prefix = {});

// Runs `call`; a client-library exception leaves as DatabaseError.
template <class Call>
auto Guarded(Call&& call) -> decltype(call()) {
  try {
    return call();
  } catch (const Firebird::FbException& error) {
    throw ErrorFrom(error);
  }
}

// Runs `call` with the client library's provider and a status; errors leave as DatabaseError.
template <class Call>
auto WithProvider(Call&& call) {
  Status status;
  Firebird::IProvider* provider = Master()->getDispatcher();
  try {
    auto result = call(provider, status);
    provider->release();
    return result;
  } catch (const Firebird::FbException& error) {
    provider->release();
    throw ErrorFrom(error);
  }
}

// The fixed connection parameters. A plain path is attached by the embedded engine only, with a
// page cache of `pageCache` pages when not 0 (it takes effect when the process attaches to that
// file first); a server-prefixed name goes to `serverPort` when that is not 0.
std::vector<unsigned char> AttachParameters(const std::string& name, int serverPort, int pageCache = 0);
// Creating writes without waiting for the disk: making the schema then takes milliseconds, not a
// second. Attaching with ForcedWritesParameters() switches synchronous writes back on for good.
// Both keep a plain path to the embedded engine, as attaching does; a server name goes to the server.
std::vector<unsigned char> CreateParameters(const std::string& name);
std::vector<unsigned char> ForcedWritesParameters(const std::string& name);

// Once per process, before the engine starts: a UTF-8 LC_CTYPE (for non-ASCII file names) and
// a private lock folder when the default one is not writable for this user.
void PrepareEngineEnvironment();

inline constexpr unsigned kDialect = 1;

}  // namespace store::fb
