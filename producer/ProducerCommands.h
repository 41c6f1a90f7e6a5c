#pragma once
// The command line of korvand-producer:
//   korvand-producer [--database NAME] COMMAND [ARGUMENTS]
// NAME is a database file (embedded; made with the demo handbook by serve when missing) or
// host:path on a Firebird server; korvand-producer.fdb in the current folder by default.
//   import FILE                   a handbook database, or a data script ending in .sql
//   changes [--all]               the received change sets with terms still undecided (or all)
//   accept SET [TERM...] [--category N]
//   reject SET [TERM...]
//   publish [--category N]... [--term N]...   what was changed by other means (all never published when none named)
//   serve [--address A] [--port P] [--threads N]
#include <iosfwd>
#include <string>
#include <vector>

namespace producer {

inline constexpr const char* kDefaultDatabase = "korvand-producer.fdb";

// Runs one command; what it says goes to `out` (UTF-8), errors to `err`. Returns the exit status.
int RunProducerCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace producer
