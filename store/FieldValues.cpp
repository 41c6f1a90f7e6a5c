#include "store/FieldValues.h"

#include "store/TextCompare.h"

namespace store {

const FieldValue* FindFieldValue(const FieldValues& values, std::string_view name) {
  for (const FieldValue& v : values) {
    if (SameTextIgnoringCase(v.name, name)) return &v;
  }
  return nullptr;
}

}  // namespace store
