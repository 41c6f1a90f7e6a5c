#pragma once
// The body of an update reply turned into the update document. The producer sends the document
// gzip-compressed; a body that is not gzip is the document itself.
#include <cstddef>
#include <string>
#include <string_view>

namespace exchange {

// The largest update document taken; a larger one would only be a fault or an attack.
inline constexpr std::size_t kMaxUpdateDocumentBytes = std::size_t{256} * 1024 * 1024;

// The document held by `body`:
// - a whole gzip stream: its content (bytes after the end of the stream are ignored);
// - an error while the gzip header is read (wrong magic bytes, an unknown method, a damaged header
//   checksum, a header cut short, an empty body): the body as received;
// - an error in the compressed data after the header, the trailer's checksum and length
//   included: what was decompressed so far followed by the body as received.
// Decompresses in pieces and never trusts the trailer's length. Throws UpdateDownloadError when
// the compressed data ends before the stream does, or when the document would grow beyond
// `maxDocumentBytes`.
std::string UnpackUpdateBody(std::string_view body, std::size_t maxDocumentBytes = kMaxUpdateDocumentBytes);

}  // namespace exchange
