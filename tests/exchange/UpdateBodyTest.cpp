#include "exchange/UpdateBody.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>
#include <string>

#include "exchange/UpdateDownloadError.h"

namespace {

// A gzip stream made by zlib itself. With `flushAt` the compressor is fully flushed after that
// many bytes, so the following block starts on a byte boundary at the returned offset.
struct GzipBody {
  std::string bytes;
  std::size_t secondBlockOffset = 0;
};

GzipBody Gzip(const std::string& content, std::size_t flushAt = 0, bool headerCrc = false) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  gz_header header{};
  header.hcrc = headerCrc ? 1 : 0;
  header.os = 3;
  deflateSetHeader(&stream, &header);
  GzipBody body;
  std::string out(deflateBound(&stream, content.size()) + 64, '\0');
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  auto feed = [&](std::size_t from, std::size_t count, int flush) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data() + from));
    stream.avail_in = static_cast<uInt>(count);
    const int result = deflate(&stream, flush);
    if (result != Z_OK && result != Z_STREAM_END) throw std::runtime_error("deflate");
  };
  if (flushAt > 0) {
    feed(0, flushAt, Z_FULL_FLUSH);
    body.secondBlockOffset = stream.total_out;
  }
  feed(flushAt, content.size() - flushAt, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  body.bytes = out;
  return body;
}

std::string Sample(std::size_t size) {
  std::string s;
  for (std::size_t i = 0; s.size() < size; ++i) s += "<title>" + std::to_string(i * 7919 % 1000) + "</title>\n";
  s.resize(size);
  return s;
}

TEST(UpdateBody, AWholeGzipStreamGivesItsContent) {
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"empty", ""},
      {"one line", "0123456789ABCDEF0123456789ABCDEF\n</update>"},
      {"Windows-1251 bytes", std::string("\xCF\xF0\xE8\xE2\xE5\xF2\n\0\xFF", 9)},
      {"larger than one piece of output", Sample(300000)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::UnpackUpdateBody(Gzip(c.content).bytes), c.content);
  }
}

// The last bytes of the body then read as a length that is not the document's: the document grows
// past it, or stops short of it, all the same.
TEST(UpdateBody, BytesAfterTheStreamAreIgnored) {
  const std::string large = Sample(600000);
  const struct {
    const char* name;
    std::string content;
    std::string after;
  } cases[] = {
      {"text", "document", "trailing"},
      {"a length of 1 after several pieces of output", large, std::string("\x01\0\0\0", 4)},
      {"a length of 4 GiB", large, "\xff\xff\xff\xff"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::UnpackUpdateBody(Gzip(c.content).bytes + c.after), c.content);
  }
}

// Whatever goes wrong while the header is read, the body is taken as the document.
TEST(UpdateBody, AnUnreadableHeaderMakesTheBodyTheDocument) {
  const std::string gzip = Gzip("the compressed document").bytes;
  std::string wrongMagic = gzip;
  wrongMagic[1] = 'x';
  std::string unknownMethod = gzip;
  unknownMethod[2] = 7;
  std::string damagedHeaderCrc = Gzip("the compressed document", 0, true).bytes;
  damagedHeaderCrc[10] = static_cast<char>(damagedHeaderCrc[10] ^ 0x55);
  const struct {
    const char* name;
    std::string body;
  } cases[] = {
      {"plain document", "0123456789ABCDEF0123456789ABCDEF\n<update>\n</update>"},
      {"empty body", ""},
      {"one byte", "\x1f"},
      {"wrong magic bytes", wrongMagic},
      {"unknown method", unknownMethod},
      {"damaged header checksum", damagedHeaderCrc},
      {"header cut short", gzip.substr(0, 6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::UnpackUpdateBody(c.body), c.body);
  }
}

TEST(UpdateBody, TheUndamagedHeaderChecksumIsAccepted) {
  EXPECT_EQ(exchange::UnpackUpdateBody(Gzip("with header crc", 0, true).bytes), "with header crc");
}

// After the header, a damage leaves what was decompressed so far followed by the whole body.
TEST(UpdateBody, DamagedDataAfterTheHeaderGivesTheDecompressedPartThenTheBody) {
  const std::string first = Sample(5000);
  const std::string content = first + Sample(3000);
  GzipBody twoBlocks = Gzip(content, first.size());
  std::string invalidBlock = twoBlocks.bytes;
  invalidBlock[twoBlocks.secondBlockOffset] = 0x06;  // not final, block type 3: no such type
  std::string damagedCrc = Gzip(content).bytes;
  damagedCrc[damagedCrc.size() - 8] = static_cast<char>(damagedCrc[damagedCrc.size() - 8] ^ 1);
  std::string damagedLength = Gzip(content).bytes;
  damagedLength[damagedLength.size() - 4] = static_cast<char>(damagedLength[damagedLength.size() - 4] ^ 1);
  const struct {
    const char* name;
    std::string body;
    std::string decompressed;
  } cases[] = {
      {"invalid block type in the middle", invalidBlock, first},
      {"damaged data checksum", damagedCrc, content},
      {"damaged length in the trailer", damagedLength, content},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(exchange::UnpackUpdateBody(c.body), c.decompressed + c.body);
  }
}

// The trailer's length sizes nothing and bounds nothing: a claim of 4 GiB under a bound of 100 bytes
// is only a trailer that disagrees with the data.
TEST(UpdateBody, AHugeLengthInTheTrailerIsNotTrusted) {
  std::string body = Gzip("short").bytes;
  for (std::size_t i = body.size() - 4; i < body.size(); ++i) body[i] = '\xff';
  EXPECT_EQ(exchange::UnpackUpdateBody(body, 100), "short" + body);
}

TEST(UpdateBody, ABodyThatEndsInsideTheCompressedDataIsAFailedDownload) {
  const std::string gzip = Gzip(Sample(20000)).bytes;
  for (const std::size_t keep : {std::size_t{11}, gzip.size() / 2, gzip.size() - 1}) {
    SCOPED_TRACE(keep);
    EXPECT_THROW(exchange::UnpackUpdateBody(gzip.substr(0, keep)), exchange::UpdateDownloadError);
  }
}

TEST(UpdateBody, ADocumentLargerThanTheBoundIsAFailedDownload) {
  const std::string content = Sample(100000);
  const std::string gzip = Gzip(content).bytes;
  std::string damagedCrc = gzip;
  damagedCrc[damagedCrc.size() - 8] = static_cast<char>(damagedCrc[damagedCrc.size() - 8] ^ 1);
  const struct {
    const char* name;
    std::string body;
    std::size_t bound;
    bool refused;
  } cases[] = {
      {"gzip exactly at the bound", gzip, content.size(), false},
      {"gzip one byte over", gzip, content.size() - 1, true},
      {"gzip far over, stopped early", gzip, 10, true},
      {"plain body at the bound", content, content.size(), false},
      {"plain body one byte over", content, content.size() - 1, true},
      {"damaged: decompressed part and body together over", damagedCrc, content.size() + 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.refused) {
      try {
        exchange::UnpackUpdateBody(c.body, c.bound);
        ADD_FAILURE() << "not refused";
      } catch (const exchange::UpdateDownloadError& error) {
        EXPECT_EQ(std::string(error.what()), "The update document is larger than " + std::to_string(c.bound) + " bytes");
      }
    } else {
      EXPECT_EQ(exchange::UnpackUpdateBody(c.body, c.bound).size(), c.bound);
    }
  }
}

}  // namespace
