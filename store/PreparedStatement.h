#pragma once
// Private to the store: one prepared statement (dialect 1) and the message layouts to run it.
// Text blobs are read inline as long VARYING texts and integers in their binary form; every other
// type is read as the server's text for it.
#include <firebird/Interface.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace store {

class PreparedStatement {
 public:
  PreparedStatement() = default;
  ~PreparedStatement() { Release(); }
  PreparedStatement(const PreparedStatement&) = delete;
  PreparedStatement& operator=(const PreparedStatement&) = delete;

  void Prepare(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
               const std::string& sql);
  void Release();
  bool IsPrepared() const { return statement_ != nullptr; }
  bool IsSelect() const { return select_; }
  Firebird::IStatement* Get() const { return statement_; }

  // Layout of fetched rows (select only): text blobs inline, up to 32765 bytes each.
  Firebird::IMessageMetadata* RowLayout() const { return rowLayout_; }
  // The same with blobs as ids, for rows whose blobs are longer.
  Firebird::IMessageMetadata* BlobRowLayout() const { return blobRowLayout_; }
  // Parameter layout for texts of the given lengths: VARYING, Windows-1251, or a text blob for one
  // longer than kLongestText; one length a parameter, else DatabaseError. The caller releases it.
  Firebird::IMessageMetadata* ParameterLayout(const std::vector<unsigned>& lengths) const;

  static constexpr unsigned kLongestText = 32765;  // the longest VARYING the engine takes

 private:
  Firebird::IStatement* statement_ = nullptr;
  Firebird::IMessageMetadata* rowLayout_ = nullptr;
  Firebird::IMessageMetadata* blobRowLayout_ = nullptr;
  bool select_ = false;
};

// A message buffer aligned for every field type.
class MessageBuffer {
 public:
  explicit MessageBuffer(unsigned length) : data_(new std::max_align_t[length / sizeof(std::max_align_t) + 1]) {}
  unsigned char* Data() const { return reinterpret_cast<unsigned char*>(data_.get()); }

 private:
  std::unique_ptr<std::max_align_t[]> data_;
};

}  // namespace store
