#include "exchange/UpdateBody.h"

#include <zlib.h>

#include <algorithm>
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

// What one call of the inflater may write.
constexpr std::size_t kPiece = 256 * 1024;

// Room for the whole document at the first go, when the body is a gzip stream ending in its
// trailer: the length there, as far as the body could hold it (deflate shrinks at most 1032 to 1)
// and the bound allows. Only room: the document grows past it or stops short of it all the same.
std::size_t LikelyDocumentSize(std::string_view body, std::size_t maxDocumentBytes) {
  if (body.size() < 18) return 0;  // less than a gzip header and trailer
  const auto byte = [&](std::size_t fromEnd) {
    return static_cast<std::size_t>(static_cast<unsigned char>(body[body.size() - fromEnd]));
  };
  const std::size_t trailerLength = byte(4) | byte(3) << 8 | byte(2) << 16 | byte(1) << 24;
  return std::min({trailerLength, body.size() * 1032, maxDocumentBytes}) + 1;
}

void RequireWithinBound(std::size_t size, std::size_t maxDocumentBytes) {
  if (size > maxDocumentBytes) {
    throw UpdateDownloadError("The update document is larger than " + std::to_string(maxDocumentBytes) + " bytes");
  }
}

}  // namespace

std::string UnpackUpdateBody(std::string_view body, std::size_t maxDocumentBytes) {
  GzipInflater inflater;
  z_stream& stream = inflater.stream();
  // Inflated straight into the document, which grows in large steps: no piece buffer to copy from.
  std::string document(LikelyDocumentSize(body, maxDocumentBytes), '\0');
  std::size_t filled = 0;
  std::string_view input = body;
  for (;;) {
    // zlib counts input in 32-bit units; a larger body is fed in slices.
    if (stream.avail_in == 0 && !input.empty()) {
      const std::size_t slice = std::min<std::size_t>(input.size(), UINT_MAX);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
      stream.avail_in = static_cast<uInt>(slice);
      input.remove_prefix(slice);
    }
    if (document.size() == filled) document.resize(std::max(filled + kPiece, 2 * document.size()));
    const std::size_t room = std::min(document.size() - filled, kPiece);
    stream.next_out = reinterpret_cast<Bytef*>(document.data() + filled);
    stream.avail_out = static_cast<uInt>(room);
    const int result = inflate(&stream, Z_NO_FLUSH);
    const std::size_t produced = room - stream.avail_out;
    RequireWithinBound(filled + produced, maxDocumentBytes);
    filled += produced;

    if (result == Z_STREAM_END) {
      document.resize(filled);
      return document;
    }
    if (result == Z_MEM_ERROR) throw UpdateDownloadError("The gzip decoder ran out of memory");
    const bool inputSpent = stream.avail_in == 0 && input.empty();
    const bool failed = result == Z_DATA_ERROR || result == Z_STREAM_ERROR || result == Z_NEED_DICT;
    if (!failed && !(inputSpent && (result == Z_BUF_ERROR || produced == 0))) continue;

    if (!inflater.headerRead()) {
      RequireWithinBound(body.size(), maxDocumentBytes);
      return std::string(body);
    }
    if (!failed) throw UpdateDownloadError("The gzip body ends before its compressed data does");
    RequireWithinBound(filled + body.size(), maxDocumentBytes);
    document.resize(filled);
    document.append(body);
    return document;
  }
}

}  // namespace exchange
