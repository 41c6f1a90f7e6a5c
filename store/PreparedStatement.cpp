#include "store/PreparedStatement.h"

#include <ibase.h>

#include <string>

#include "store/DatabaseError.h"
#include "store/FirebirdApi.h"

namespace store {
namespace {

constexpr unsigned kLongestText = PreparedStatement::kLongestText;
constexpr unsigned kCharsetWin1251 = 52;
constexpr unsigned kCharsetNone = 0;

bool IsInteger(unsigned type, int scale) {
  return scale == 0 && (type == SQL_SHORT || type == SQL_LONG || type == SQL_INT64);
}

// Output layout: texts and integers as they come, the rest as text; text blobs inline, or, with
// `blobsInline` false, as blob ids to be read one by one.
Firebird::IMessageMetadata* MakeRowLayout(Firebird::IMessageMetadata* original, bool blobsInline) {
  fb::Status status;
  Firebird::IMetadataBuilder* builder = original->getBuilder(&status);
  try {
    const unsigned count = original->getCount(&status);
    for (unsigned i = 0; i < count; ++i) {
      const unsigned type = original->getType(&status, i) & ~1u;
      if (type == SQL_TEXT || type == SQL_VARYING || IsInteger(type, original->getScale(&status, i))) continue;
      if (type == SQL_BLOB && !blobsInline) continue;
      builder->setType(&status, i, SQL_VARYING);
      builder->setSubType(&status, i, 0);
      builder->setScale(&status, i, 0);
      if (type == SQL_BLOB) {
        const bool text = original->getSubType(&status, i) == 1;
        builder->setLength(&status, i, kLongestText);
        builder->setCharSet(&status, i, text ? original->getCharSet(&status, i) : kCharsetNone);
      } else {
        builder->setLength(&status, i, 64);
        builder->setCharSet(&status, i, kCharsetNone);
      }
    }
    Firebird::IMessageMetadata* layout = builder->getMetadata(&status);
    builder->release();
    return layout;
  } catch (...) {
    builder->release();
    throw;
  }
}

}  // namespace

void PreparedStatement::Prepare(Firebird::IAttachment* attachment,
                                Firebird::ITransaction* transaction, const std::string& sql) {
  Release();
  fb::Status status;
  try {
    fb::Guarded([&] {
      statement_ = attachment->prepare(&status, transaction, static_cast<unsigned>(sql.size()),
                                       sql.data(), fb::kDialect,
                                       Firebird::IStatement::PREPARE_PREFETCH_METADATA);
      const unsigned type = statement_->getType(&status);
      select_ = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
      if (!select_) return;
      Firebird::IMessageMetadata* original = statement_->getOutputMetadata(&status);
      try {
        rowLayout_ = MakeRowLayout(original, true);
        blobRowLayout_ = MakeRowLayout(original, false);
      } catch (...) {
        original->release();
        throw;
      }
      original->release();
    });
  } catch (...) {
    Release();  // never half prepared
    throw;
  }
}

void PreparedStatement::Release() {
  if (rowLayout_) rowLayout_->release();
  rowLayout_ = nullptr;
  if (blobRowLayout_) blobRowLayout_->release();
  blobRowLayout_ = nullptr;
  if (!statement_) return;
  try {
    fb::Status status;
    statement_->free(&status);
  } catch (const Firebird::FbException&) {
    statement_->release();
  }
  statement_ = nullptr;
  select_ = false;
}

Firebird::IMessageMetadata* PreparedStatement::ParameterLayout(
    const std::vector<unsigned>& lengths) const {
  fb::Status status;
  return fb::Guarded([&] {
    Firebird::IMessageMetadata* original = statement_->getInputMetadata(&status);
    Firebird::IMetadataBuilder* builder = nullptr;
    try {
      // The engine would take a short message and read the missing values from beyond its end.
      if (original->getCount(&status) != lengths.size()) {
        throw DatabaseError("The statement has " + std::to_string(original->getCount(&status)) + " parameters, " +
                            std::to_string(lengths.size()) + " values were given");
      }
      builder = original->getBuilder(&status);
      original->release();
      original = nullptr;
      for (unsigned i = 0; i < lengths.size(); ++i) {
        const bool blob = lengths[i] > kLongestText;
        builder->setType(&status, i, blob ? SQL_BLOB : SQL_VARYING);
        builder->setSubType(&status, i, blob ? 1 : 0);
        builder->setScale(&status, i, 0);
        if (!blob) builder->setLength(&status, i, lengths[i] == 0 ? 1 : lengths[i]);
        builder->setCharSet(&status, i, kCharsetWin1251);
      }
      Firebird::IMessageMetadata* layout = builder->getMetadata(&status);
      builder->release();
      return layout;
    } catch (...) {
      if (original) original->release();
      if (builder) builder->release();
      throw;
    }
  });
}

}  // namespace store
