#include "exchange/UpdateBody.h"

#include <zlib.h>

#include <array>
#include <climits>

#include "exchange/UpdateDownloadError.h"

namespace exchange {
namespace {

// Owns a gzip inflater and the header it reports into; zlib keeps pointers to both.
class GzipInflater {
 public:
  GzipInflater() {
    if (inflateInit2(&stream_, 16 + MAX_WBITS) != Z_OK) throw UpdateDownloadError("The gzip decoder could not start");
    inflateGetHeader(&stream_, &header_);
  }
  ~GzipInflater() { inflateEnd(&stream_); }
  GzipInflater(const GzipInflater&) = delete;
  GzipInflater& operator=(const GzipInflater&) = delete;

  z_stream& stream() { return stream_; }
  bool headerRead() const { return header_.done == 1; }

 private:
  z_stream stream_{};
  gz_header header_{};
};

void RequireWithinBound(std::size_t size, std::size_t maxDocumentBytes) {
  if (size > maxDocumentBytes) {
    throw UpdateDownloadError("The update document is larger than " + std::to_string(maxDocumentBytes) + " bytes");
  }
}

}  // namespace

std::string UnpackUpdateBody(std::string_view body, std::size_t maxDocumentBytes) {
  GzipInflater inflater;
  z_stream& stream = inflater.stream();
  std::string document;
  std::array<unsigned char, 64 * 1024> piece;
  std::string_view input = body;
  for (;;) {
    // zlib counts input in 32-bit units; a larger body is fed in slices.
    if (stream.avail_in == 0 && !input.empty()) {
      const std::size_t slice = std::min<std::size_t>(input.size(), UINT_MAX);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
      stream.avail_in = static_cast<uInt>(slice);
      input.remove_prefix(slice);
    }
    stream.next_out = piece.data();
    stream.avail_out = static_cast<uInt>(piece.size());
    const int result = inflate(&stream, Z_NO_FLUSH);
    const std::size_t produced = piece.size() - stream.avail_out;
    RequireWithinBound(document.size() + produced, maxDocumentBytes);
    document.append(reinterpret_cast<const char*>(piece.data()), produced);

    if (result == Z_STREAM_END) return document;
    if (result == Z_MEM_ERROR) throw UpdateDownloadError("The gzip decoder ran out of memory");
    const bool inputSpent = stream.avail_in == 0 && input.empty();
    const bool failed = result == Z_DATA_ERROR || result == Z_STREAM_ERROR || result == Z_NEED_DICT;
    if (!failed && !(inputSpent && (result == Z_BUF_ERROR || produced == 0))) continue;

    if (!inflater.headerRead()) {
      RequireWithinBound(body.size(), maxDocumentBytes);
      return std::string(body);
    }
    if (!failed) throw UpdateDownloadError("The gzip body ends before its compressed data does");
    RequireWithinBound(document.size() + body.size(), maxDocumentBytes);
    document.append(body);
    return document;
  }
}

}  // namespace exchange
