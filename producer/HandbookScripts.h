#pragma once
// The handbook's schema (db/schema.sql) and the demo handbook (db/demo.sql), compiled in, so that
// the server makes its database wherever it runs.
#include <string_view>

namespace producer {

std::string_view HandbookSchemaScript();
std::string_view DemoHandbookScript();

}  // namespace producer
