#pragma once
// The digest line of an update document: its first 32 characters are the upper-case MD5 of
// everything after them, the rest of that first line included.
#include <string>
#include <string_view>

namespace exchange {

struct SignedUpdateText {
  std::string expectedDigest;  // the first 32 characters, fewer when the document is shorter
  std::string_view text;       // everything after them: a view into the split document

  // The digest of `text` equals the expected one, letter case included.
  bool Verified() const;
};

// `document` must outlive the result, whose text is part of it (no copy of a document of megabytes).
SignedUpdateText SplitUpdateDigest(std::string_view document);

}  // namespace exchange
