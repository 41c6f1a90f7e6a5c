#pragma once
// MD5 message digests (RFC 1321). Update documents are checked against the producer's digest
// with Md5ToHex(Md5OfText(document)); the hexadecimal form is upper case.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

struct Md5Context {
  std::uint32_t state[4];  // A, B, C, D
  std::uint32_t count[2];  // bits fed so far, low word first
  unsigned char buffer[64];
};

// A, B, C, D, each least significant byte first.
using Md5Digest = std::array<unsigned char, 16>;

void Md5Begin(Md5Context& context);
void Md5Add(Md5Context& context, const void* bytes, std::size_t count);
// Writes the digest and clears the context.
void Md5End(Md5Digest& digest, Md5Context& context);

Md5Digest Md5OfBytes(const void* bytes, std::size_t count);
Md5Digest Md5OfText(std::string_view s);
// 32 upper-case hexadecimal digits.
std::string Md5ToHex(const Md5Digest& digest);

}  // namespace text
