#pragma once
// The one error type of the store: the server's (or client library's) message, as Windows-1251
// bytes, with the status codes for callers that need to tell errors apart.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace store {

class DatabaseError : public std::runtime_error {
 public:
  explicit DatabaseError(const std::string& message, std::vector<std::intptr_t> codes = {});

  // Every error code of the status vector (the first is often only the wrapping isc_dsql_error).
  const std::vector<std::intptr_t>& Codes() const { return codes_; }
  bool HasCode(std::intptr_t code) const;

 private:
  std::vector<std::intptr_t> codes_;
};

}  // namespace store
