#include "exchange/UpdateDigest.h"

#include "text/Md5.h"

namespace exchange {

namespace {
constexpr std::size_t kDigestLength = 32;
}

bool SignedUpdateText::Verified() const { return text::Md5ToHex(text::Md5OfText(text)) == expectedDigest; }

SignedUpdateText SplitUpdateDigest(std::string_view document) {
  const std::size_t cut = std::min(document.size(), kDigestLength);
  return {std::string(document.substr(0, cut)), document.substr(cut)};
}

}  // namespace exchange
