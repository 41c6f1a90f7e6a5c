#include "tests/support/Gzip.h"

#include <zlib.h>

#include <algorithm>

namespace testing_support {

std::string Gzip(const std::string& text) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  std::string packed(deflateBound(&stream, text.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  deflate(&stream, Z_FINISH);
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  return packed;
}

std::string GzipOfZeros(std::size_t size) {
  // A full flush makes each megabyte's compressed block stand alone, so the block of the second
  // megabyte serves for every one after it: seconds of compressing become a copy.
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  const std::string zeros(kPiece, '\0');
  auto compress = [&](std::size_t count, int flush) {
    std::string out(deflateBound(&stream, count) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
    stream.avail_in = static_cast<uInt>(count);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, flush);
    out.resize(out.size() - stream.avail_out);
    return out;
  };
  std::string packed = compress(std::min(size, kPiece), Z_FULL_FLUSH);
  std::size_t left = size - std::min(size, kPiece);
  if (left > kPiece) {
    const std::string block = compress(kPiece, Z_FULL_FLUSH);
    for (; left > kPiece; left -= kPiece) packed += block;
  }
  packed += compress(left, Z_FINISH);
  deflateEnd(&stream);
  return packed;
}

}  // namespace testing_support
