#pragma once
// Sets or clears environment variables for the life of the object and puts the old values back.
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace text_tests {

class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Apply(it->first, it->second);
  }

  // An empty optional clears the variable.
  void Set(const std::string& name, std::optional<std::string> value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    Apply(name, value);
  }

 private:
  static void Apply(const std::string& name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace text_tests
