// Reads any update document: the input as received (digest line and all), and the input signed
// with its own digest, so the walk past the digest sees every shape the fuzzer makes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/UpdateDocumentReader.h"
#include "exchange/UpdateKey.h"
#include "text/Md5.h"

namespace {

// What the applier relies on: keys that go bare into statements are integers, and a complete
// document has all its categories.
void Check(const exchange::UpdateDocument& document) {
  if (document.outcome == exchange::UpdateOutcome::Complete && !document.categoriesComplete) std::abort();
  for (const auto& category : document.categories)
    if (!exchange::IsIntegerKey(category.uid)) std::abort();
  for (const auto& term : document.terms)
    if (!exchange::IsIntegerKey(term.uid) || !exchange::IsIntegerKey(term.sectionUid)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Check(exchange::ReadUpdateDocument(input));
  const exchange::UpdateDocument signedDocument =
      exchange::ReadUpdateDocument(text::Md5ToHex(text::Md5OfText(input)) + std::string(input));
  if (signedDocument.outcome == exchange::UpdateOutcome::DigestMismatch) std::abort();
  Check(signedDocument);
  return 0;
}
