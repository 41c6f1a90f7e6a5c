#pragma once
// Private to the store: the input message that binds a prepared statement's "?" parameters, in
// order, to text values. Values go as Windows-1251 VARYING texts (a text over kLongestText bytes as
// a text blob, written first) and the server converts them to the parameters' types.
#include <firebird/Interface.h>

#include <memory>

#include "store/FieldValues.h"
#include "store/PreparedStatement.h"

namespace store {

class ParameterMessage {
 public:
  // No values: no message (null layout and data), for statements without parameters.
  ParameterMessage(const PreparedStatement& statement, Firebird::IAttachment* attachment,
                   Firebird::ITransaction* transaction, const ParameterValues& values);
  ~ParameterMessage();
  ParameterMessage(const ParameterMessage&) = delete;
  ParameterMessage& operator=(const ParameterMessage&) = delete;

  Firebird::IMessageMetadata* Layout() const { return layout_; }
  unsigned char* Data() const { return buffer_ ? buffer_->Data() : nullptr; }

 private:
  Firebird::IMessageMetadata* layout_ = nullptr;
  std::unique_ptr<MessageBuffer> buffer_;
};

}  // namespace store
