#include "store/DatabaseError.h"

#include <algorithm>

namespace store {

DatabaseError::DatabaseError(const std::string& message, std::vector<std::intptr_t> codes,
                             std::vector<std::intptr_t> systemCodes)
    : std::runtime_error(message), codes_(std::move(codes)), systemCodes_(std::move(systemCodes)) {}

bool DatabaseError::HasCode(std::intptr_t code) const {
  return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

bool DatabaseError::HasSystemCode(std::intptr_t code) const {
  return std::find(systemCodes_.begin(), systemCodes_.end(), code) != systemCodes_.end();
}

}  // namespace store
