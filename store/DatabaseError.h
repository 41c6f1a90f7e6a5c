#pragma once
// The one error type of the store: the server's (or client library's) message, as Windows-1251
// bytes, with the status codes for callers that need to tell errors apart: the engine's error codes
// and the operating system's error numbers (errno) that some of them carry.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace store {

class DatabaseError : public std::runtime_error {
 public:
  explicit DatabaseError(const std::string& message, std::vector<std::intptr_t> codes = {},
                         std::vector<std::intptr_t> systemCodes = {});

  // Every error code of the status vector (the first is often only the wrapping isc_dsql_error).
  const std::vector<std::intptr_t>& Codes() const { return codes_; }
  bool HasCode(std::intptr_t code) const;
  // The system error numbers of the status vector, e.g. ENOENT when a file could not be opened.
  const std::vector<std::intptr_t>& SystemCodes() const { return systemCodes_; }
  bool HasSystemCode(std::intptr_t code) const;

 private:
  std::vector<std::intptr_t> codes_;
  std::vector<std::intptr_t> systemCodes_;
};

}  // namespace store
