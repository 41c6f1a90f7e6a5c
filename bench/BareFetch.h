#pragma once
// The reference for the store's listings: one statement prepared and fetched on the client library
// directly, each row into one message buffer and dropped. Blobs come as their ids (or, with
// `blobTexts`, as inline texts of up to 32,765 bytes, the cheapest way to have their contents).
#include <firebird/Interface.h>

#include <string>

namespace bench {

// Returns the number of rows.
int BareFetch(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const std::string& sql,
              bool blobTexts = false);

// An attachment of its own to `file`, detached when the object goes.
class BareAttachment {
 public:
  explicit BareAttachment(const std::string& file);
  ~BareAttachment();
  BareAttachment(const BareAttachment&) = delete;
  BareAttachment& operator=(const BareAttachment&) = delete;

  Firebird::IAttachment* Get() const { return attachment_; }
  Firebird::ITransaction* Transaction() const { return transaction_; }

 private:
  Firebird::IAttachment* attachment_ = nullptr;
  Firebird::ITransaction* transaction_ = nullptr;
};

}  // namespace bench
