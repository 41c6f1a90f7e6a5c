#include "text/Md5.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace text {
namespace {

inline std::uint32_t Word(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

// The four auxiliary functions in forms that need fewer operations than the textbook ones.
inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return z ^ (x & (y ^ z)); }
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (z & (x ^ y)); }
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (x | ~z); }

#define MD5_STEP(f, a, b, c, d, x, t, s) \
  a += f(b, c, d) + (x) + (t);           \
  a = std::rotl(a, s) + (b)

// Transforms `blocks` consecutive 64-byte blocks.
void Transform(std::uint32_t state[4], const unsigned char* data, std::size_t blocks) {
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  for (; blocks > 0; --blocks, data += 64) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i) x[i] = Word(data + 4 * i);
    const std::uint32_t aa = a, bb = b, cc = c, dd = d;

    MD5_STEP(F, a, b, c, d, x[0], 0xd76aa478, 7);
    MD5_STEP(F, d, a, b, c, x[1], 0xe8c7b756, 12);
    MD5_STEP(F, c, d, a, b, x[2], 0x242070db, 17);
    MD5_STEP(F, b, c, d, a, x[3], 0xc1bdceee, 22);
    MD5_STEP(F, a, b, c, d, x[4], 0xf57c0faf, 7);
    MD5_STEP(F, d, a, b, c, x[5], 0x4787c62a, 12);
    MD5_STEP(F, c, d, a, b, x[6], 0xa8304613, 17);
    MD5_STEP(F, b, c, d, a, x[7], 0xfd469501, 22);
    MD5_STEP(F, a, b, c, d, x[8], 0x698098d8, 7);
    MD5_STEP(F, d, a, b, c, x[9], 0x8b44f7af, 12);
    MD5_STEP(F, c, d, a, b, x[10], 0xffff5bb1, 17);
    MD5_STEP(F, b, c, d, a, x[11], 0x895cd7be, 22);
    MD5_STEP(F, a, b, c, d, x[12], 0x6b901122, 7);
    MD5_STEP(F, d, a, b, c, x[13], 0xfd987193, 12);
    MD5_STEP(F, c, d, a, b, x[14], 0xa679438e, 17);
    MD5_STEP(F, b, c, d, a, x[15], 0x49b40821, 22);

    MD5_STEP(G, a, b, c, d, x[1], 0xf61e2562, 5);
    MD5_STEP(G, d, a, b, c, x[6], 0xc040b340, 9);
    MD5_STEP(G, c, d, a, b, x[11], 0x265e5a51, 14);
    MD5_STEP(G, b, c, d, a, x[0], 0xe9b6c7aa, 20);
    MD5_STEP(G, a, b, c, d, x[5], 0xd62f105d, 5);
    MD5_STEP(G, d, a, b, c, x[10], 0x02441453, 9);
    MD5_STEP(G, c, d, a, b, x[15], 0xd8a1e681, 14);
    MD5_STEP(G, b, c, d, a, x[4], 0xe7d3fbc8, 20);
    MD5_STEP(G, a, b, c, d, x[9], 0x21e1cde6, 5);
    MD5_STEP(G, d, a, b, c, x[14], 0xc33707d6, 9);
    MD5_STEP(G, c, d, a, b, x[3], 0xf4d50d87, 14);
    MD5_STEP(G, b, c, d, a, x[8], 0x455a14ed, 20);
    MD5_STEP(G, a, b, c, d, x[13], 0xa9e3e905, 5);
    MD5_STEP(G, d, a, b, c, x[2], 0xfcefa3f8, 9);
    MD5_STEP(G, c, d, a, b, x[7], 0x676f02d9, 14);
    MD5_STEP(G, b, c, d, a, x[12], 0x8d2a4c8a, 20);

    MD5_STEP(H, a, b, c, d, x[5], 0xfffa3942, 4);
    MD5_STEP(H, d, a, b, c, x[8], 0x8771f681, 11);
    MD5_STEP(H, c, d, a, b, x[11], 0x6d9d6122, 16);
    MD5_STEP(H, b, c, d, a, x[14], 0xfde5380c, 23);
    MD5_STEP(H, a, b, c, d, x[1], 0xa4beea44, 4);
    MD5_STEP(H, d, a, b, c, x[4], 0x4bdecfa9, 11);
    MD5_STEP(H, c, d, a, b, x[7], 0xf6bb4b60, 16);
    MD5_STEP(H, b, c, d, a, x[10], 0xbebfbc70, 23);
    MD5_STEP(H, a, b, c, d, x[13], 0x289b7ec6, 4);
    MD5_STEP(H, d, a, b, c, x[0], 0xeaa127fa, 11);
    MD5_STEP(H, c, d, a, b, x[3], 0xd4ef3085, 16);
    MD5_STEP(H, b, c, d, a, x[6], 0x04881d05, 23);
    MD5_STEP(H, a, b, c, d, x[9], 0xd9d4d039, 4);
    MD5_STEP(H, d, a, b, c, x[12], 0xe6db99e5, 11);
    MD5_STEP(H, c, d, a, b, x[15], 0x1fa27cf8, 16);
    MD5_STEP(H, b, c, d, a, x[2], 0xc4ac5665, 23);

    MD5_STEP(I, a, b, c, d, x[0], 0xf4292244, 6);
    MD5_STEP(I, d, a, b, c, x[7], 0x432aff97, 10);
    MD5_STEP(I, c, d, a, b, x[14], 0xab9423a7, 15);
    MD5_STEP(I, b, c, d, a, x[5], 0xfc93a039, 21);
    MD5_STEP(I, a, b, c, d, x[12], 0x655b59c3, 6);
    MD5_STEP(I, d, a, b, c, x[3], 0x8f0ccc92, 10);
    MD5_STEP(I, c, d, a, b, x[10], 0xffeff47d, 15);
    MD5_STEP(I, b, c, d, a, x[1], 0x85845dd1, 21);
    MD5_STEP(I, a, b, c, d, x[8], 0x6fa87e4f, 6);
    MD5_STEP(I, d, a, b, c, x[15], 0xfe2ce6e0, 10);
    MD5_STEP(I, c, d, a, b, x[6], 0xa3014314, 15);
    MD5_STEP(I, b, c, d, a, x[13], 0x4e0811a1, 21);
    MD5_STEP(I, a, b, c, d, x[4], 0xf7537e82, 6);
    MD5_STEP(I, d, a, b, c, x[11], 0xbd3af235, 10);
    MD5_STEP(I, c, d, a, b, x[2], 0x2ad7d2bb, 15);
    MD5_STEP(I, b, c, d, a, x[9], 0xeb86d391, 21);

    a += aa;
    b += bb;
    c += cc;
    d += dd;
  }
  state[0] = a;
  state[1] = b;
  state[2] = c;
  state[3] = d;
}

#undef MD5_STEP

std::size_t Buffered(const Md5Context& context) { return (context.count[0] >> 3) & 63; }

}  // namespace

void Md5Begin(Md5Context& context) {
  std::memset(&context, 0, sizeof context);
  context.state[0] = 0x67452301;
  context.state[1] = 0xefcdab89;
  context.state[2] = 0x98badcfe;
  context.state[3] = 0x10325476;
}

void Md5Add(Md5Context& context, const void* bytes, std::size_t count) {
  if (count == 0) return;
  const auto* data = static_cast<const unsigned char*>(bytes);
  std::size_t used = Buffered(context);
  const std::uint64_t bits = (std::uint64_t{context.count[1]} << 32 | context.count[0]) + (std::uint64_t{count} << 3);
  context.count[0] = static_cast<std::uint32_t>(bits);
  context.count[1] = static_cast<std::uint32_t>(bits >> 32);
  if (used > 0) {
    const std::size_t take = std::min(count, 64 - used);
    std::memcpy(context.buffer + used, data, take);
    data += take;
    count -= take;
    used += take;
    if (used < 64) return;
    Transform(context.state, context.buffer, 1);
  }
  Transform(context.state, data, count / 64);
  std::memcpy(context.buffer, data + count / 64 * 64, count % 64);
}

void Md5End(Md5Digest& digest, Md5Context& context) {
  unsigned char length[8];
  for (int i = 0; i < 4; ++i) {
    length[i] = static_cast<unsigned char>(context.count[0] >> (8 * i));
    length[4 + i] = static_cast<unsigned char>(context.count[1] >> (8 * i));
  }
  static constexpr unsigned char kPadding[64] = {0x80};
  const std::size_t used = Buffered(context);
  Md5Add(context, kPadding, used < 56 ? 56 - used : 120 - used);
  Md5Add(context, length, 8);
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 4; ++k) digest[static_cast<std::size_t>(4 * i + k)] = static_cast<unsigned char>(context.state[i] >> (8 * k));
  std::memset(&context, 0, sizeof context);
}

Md5Digest Md5OfBytes(const void* bytes, std::size_t count) {
  Md5Context context;
  Md5Begin(context);
  Md5Add(context, bytes, count);
  Md5Digest digest;
  Md5End(digest, context);
  return digest;
}

Md5Digest Md5OfText(std::string_view s) { return Md5OfBytes(s.data(), s.size()); }

std::string Md5ToHex(const Md5Digest& digest) {
  std::string hex;
  hex.reserve(32);
  for (const unsigned char byte : digest) {
    hex += "0123456789ABCDEF"[byte >> 4];
    hex += "0123456789ABCDEF"[byte & 15];
  }
  return hex;
}

}  // namespace text
