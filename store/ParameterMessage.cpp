#include "store/ParameterMessage.h"

#include <ibase.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "store/FirebirdApi.h"

namespace store {
namespace {

// A text too long for a VARYING parameter goes as a blob.
ISC_QUAD WriteBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const std::string& text) {
  fb::Status status;
  ISC_QUAD id{};
  Firebird::IBlob* blob = attachment->createBlob(&status, transaction, &id, 0, nullptr);
  try {
    for (size_t at = 0; at < text.size(); at += PreparedStatement::kLongestText) {
      const size_t length = std::min<size_t>(PreparedStatement::kLongestText, text.size() - at);
      blob->putSegment(&status, static_cast<unsigned>(length), text.data() + at);
    }
    blob->close(&status);
  } catch (...) {
    blob->release();
    throw;
  }
  return id;
}

}  // namespace

ParameterMessage::ParameterMessage(const PreparedStatement& statement, Firebird::IAttachment* attachment,
                                   Firebird::ITransaction* transaction, const ParameterValues& values) {
  if (values.empty()) return;
  std::vector<unsigned> lengths;
  for (const auto& value : values) lengths.push_back(value ? static_cast<unsigned>(value->size()) : 0);

  layout_ = statement.ParameterLayout(lengths);
  fb::Status status;
  try {
    fb::Guarded([&] {
      buffer_ = std::make_unique<MessageBuffer>(layout_->getMessageLength(&status));
      unsigned char* message = buffer_->Data();
      for (unsigned i = 0; i < values.size(); ++i) {
        unsigned char* field = message + layout_->getOffset(&status, i);
        const short isNull = values[i].has_value() ? 0 : -1;
        std::memcpy(message + layout_->getNullOffset(&status, i), &isNull, sizeof isNull);
        if (lengths[i] > PreparedStatement::kLongestText) {
          const ISC_QUAD id = WriteBlob(attachment, transaction, *values[i]);
          std::memcpy(field, &id, sizeof id);
          continue;
        }
        const unsigned short length = static_cast<unsigned short>(lengths[i]);
        std::memcpy(field, &length, sizeof length);
        if (length) std::memcpy(field + 2, values[i]->data(), length);
      }
    });
  } catch (...) {
    layout_->release();
    throw;
  }
}

ParameterMessage::~ParameterMessage() {
  if (layout_) layout_->release();
}

}  // namespace store
