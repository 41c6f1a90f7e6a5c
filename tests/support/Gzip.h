#pragma once
// A gzip stream (RFC 1952) of a text, made by zlib itself, as a producer's server sends an update.
#include <string>

namespace testing_support {

std::string Gzip(const std::string& text);

}  // namespace testing_support
