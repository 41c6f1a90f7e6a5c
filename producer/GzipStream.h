#pragma once
// A gzip stream (RFC 1952) of a text, as the update download sends it. No time or name in the
// header, so the same text always gives the same bytes.
#include <string>
#include <string_view>

namespace producer {

std::string GzipCompress(std::string_view text);

}  // namespace producer
