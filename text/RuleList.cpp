#include "text/RuleList.h"

#include <algorithm>
#include <array>

#include "text/AnsiCase.h"

namespace text {
namespace {

// Sort weight of a byte: its capital's code, doubled so that Ё can sit right after Е.
constexpr unsigned short kYoWeight = 0xC5 * 2 + 1;

const std::array<unsigned short, 256> kWeights = [] {
  std::array<unsigned short, 256> w{};
  for (unsigned b = 0; b < 256; ++b)
    w[b] = static_cast<unsigned short>(static_cast<unsigned char>(AnsiUpperChar(static_cast<char>(b))) * 2);
  w[0xA8] = w[0xB8] = kYoWeight;
  return w;
}();

int Compare(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int d = kWeights[static_cast<unsigned char>(a[i])] - kWeights[static_cast<unsigned char>(b[i])];
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool Less(std::string_view a, std::string_view b) { return Compare(a, b) < 0; }

}  // namespace

void RuleList::Add(std::string line) {
  const auto at = std::lower_bound(lines_.begin(), lines_.end(), line, Less);
  if (at != lines_.end() && Compare(*at, line) == 0) return;
  lines_.insert(at, std::move(line));
}

// Lines named `name` are exactly those that begin with name + "=", so they stand together from
// the lower bound of that prefix on.
std::vector<std::string>::const_iterator RuleList::FindNamed(std::string_view name) const {
  if (name.find('=') != std::string_view::npos) return lines_.end();
  const std::string prefix = std::string(name) + '=';
  const auto at = std::lower_bound(lines_.begin(), lines_.end(), prefix, Less);
  if (at != lines_.end() && at->size() >= prefix.size() && Compare(std::string_view(*at).substr(0, prefix.size()), prefix) == 0)
    return at;
  return lines_.end();
}

std::string_view RuleList::ValueOf(std::string_view name) const {
  const auto at = FindNamed(name);
  return at == lines_.end() ? std::string_view() : std::string_view(*at).substr(name.size() + 1);
}

void RuleList::DeleteFirstNamed(std::string_view name) {
  const auto at = FindNamed(name);
  if (at != lines_.end()) lines_.erase(at);
}

std::string_view RuleList::NameAt(std::size_t i) const {
  const std::string_view line = lines_[i];
  const std::size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

std::string_view RuleList::ValueAt(std::size_t i) const {
  const std::string_view line = lines_[i];
  const std::size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

}  // namespace text
