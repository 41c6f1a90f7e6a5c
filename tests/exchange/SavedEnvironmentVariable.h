#pragma once
// Sets or clears one environment variable for the life of a test and puts the old value back.
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace exchange_testing {

class SavedEnvironmentVariable {
 public:
  explicit SavedEnvironmentVariable(std::string name) : name_(std::move(name)) {
    if (const char* value = std::getenv(name_.c_str())) saved_ = value;
  }
  ~SavedEnvironmentVariable() { Set(saved_); }
  SavedEnvironmentVariable(const SavedEnvironmentVariable&) = delete;
  SavedEnvironmentVariable& operator=(const SavedEnvironmentVariable&) = delete;

  // nullopt removes the variable.
  void Set(const std::optional<std::string>& value) const {
    if (value) setenv(name_.c_str(), value->c_str(), 1);
    else unsetenv(name_.c_str());
  }

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace exchange_testing
