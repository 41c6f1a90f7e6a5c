#include "store/DatabaseError.h"

#include <algorithm>

namespace store {

DatabaseError::DatabaseError(const std::string& message, std::vector<std::intptr_t> codes)
    : std::runtime_error(message), codes_(std::move(codes)) {}

bool DatabaseError::HasCode(std::intptr_t code) const {
  return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

}  // namespace store
