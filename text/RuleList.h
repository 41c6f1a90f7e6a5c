#pragma once
// A list of rule lines kept sorted without regard to case. A line "name=value" is found by its
// name (the text before its first "="); a line without "=" has no name and is never found.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace text {

class RuleList {
 public:
  // Puts the line at its sorted place; a line equal to one present (case ignored) is not added.
  void Add(std::string line);
  void Clear() { lines_.clear(); }
  // The value of the first line, in sorted order, named `name` (case ignored); empty when none.
  std::string_view ValueOf(std::string_view name) const;
  // Removes the first line named `name`, if any.
  void DeleteFirstNamed(std::string_view name);

  std::size_t size() const { return lines_.size(); }
  const std::string& operator[](std::size_t i) const { return lines_[i]; }
  std::string_view NameAt(std::size_t i) const;
  std::string_view ValueAt(std::size_t i) const;

 private:
  std::vector<std::string>::const_iterator FindNamed(std::string_view name) const;

  std::vector<std::string> lines_;
};

}  // namespace text
