#pragma once
// A gzip stream (RFC 1952) of a text, made by zlib itself, as a producer's server sends an update.
#include <cstddef>
#include <string>

namespace testing_support {

std::string Gzip(const std::string& text);

// A small body that inflates to `size` zero bytes, made without the test holding them. Beyond
// 2 MiB the checksum and length in its trailer are those of less data; a decoder that keeps to a
// bound stops long before the trailer.
std::string GzipOfZeros(std::size_t size);

}  // namespace testing_support
