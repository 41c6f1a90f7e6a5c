#include "bench/BareFetch.h"

#include <ibase.h>

#include <vector>

#include "store/FirebirdApi.h"

namespace bench {

int BareFetch(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const std::string& sql,
              bool blobTexts) {
  return store::fb::Guarded([&] {
    store::fb::Status status;
    Firebird::IStatement* statement =
        attachment->prepare(&status, transaction, static_cast<unsigned>(sql.size()), sql.c_str(),
                            store::fb::kDialect, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    Firebird::IMessageMetadata* rows = statement->getOutputMetadata(&status);
    if (blobTexts) {
      Firebird::IMetadataBuilder* builder = rows->getBuilder(&status);
      for (unsigned i = 0; i < rows->getCount(&status); ++i) {
        if ((rows->getType(&status, i) & ~1u) != SQL_BLOB) continue;
        builder->setType(&status, i, SQL_VARYING);
        builder->setSubType(&status, i, 0);
        builder->setLength(&status, i, 32765);
      }
      rows->release();
      rows = builder->getMetadata(&status);
      builder->release();
    }
    std::vector<double> row(rows->getMessageLength(&status) / sizeof(double) + 1);
    Firebird::IResultSet* cursor = statement->openCursor(&status, transaction, nullptr, nullptr, rows, 0);
    int count = 0;
    while (cursor->fetchNext(&status, row.data()) == Firebird::IStatus::RESULT_OK) ++count;
    cursor->close(&status);
    rows->release();
    statement->free(&status);
    return count;
  });
}

BareAttachment::BareAttachment(const std::string& file) {
  attachment_ = store::fb::WithProvider([&](Firebird::IProvider* provider, store::fb::Status& status) {
    const std::vector<unsigned char> parameters = store::fb::AttachParameters(file, 0);
    return provider->attachDatabase(&status, file.c_str(), static_cast<unsigned>(parameters.size()),
                                    parameters.data());
  });
  store::fb::Status status;
  transaction_ = store::fb::Guarded([&] { return attachment_->startTransaction(&status, 0, nullptr); });
}

BareAttachment::~BareAttachment() {
  store::fb::Status status;
  try {
    transaction_->commit(&status);
    attachment_->detach(&status);
  } catch (const Firebird::FbException&) {
  }
}

}  // namespace bench
