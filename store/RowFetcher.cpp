#include "store/RowFetcher.h"

#include <ibase.h>

#include <charconv>
#include <cstring>

#include "store/FirebirdApi.h"
#include "store/ParameterMessage.h"

namespace store {
namespace {

struct ColumnLayout {
  unsigned type;
  unsigned offset;
  unsigned nullOffset;
  unsigned length;
};

std::vector<ColumnLayout> ReadLayout(Firebird::IMessageMetadata* layout, std::vector<std::string>& names) {
  fb::Status status;
  return fb::Guarded([&] {
    const unsigned count = layout->getCount(&status);
    std::vector<ColumnLayout> columns(count);
    names.resize(count);
    for (unsigned i = 0; i < count; ++i) {
      columns[i] = {layout->getType(&status, i) & ~1u, layout->getOffset(&status, i),
                    layout->getNullOffset(&status, i), layout->getLength(&status, i)};
      names[i] = layout->getAlias(&status, i);
    }
    return columns;
  });
}

}  // namespace

std::string ReadBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction, const ISC_QUAD& id) {
  fb::Status status;
  Firebird::IBlob* blob = attachment->openBlob(&status, transaction, const_cast<ISC_QUAD*>(&id), 0, nullptr);
  std::string text;
  try {
    char buffer[32768];
    for (;;) {
      unsigned length = 0;
      const int result = blob->getSegment(&status, sizeof buffer, buffer, &length);
      if (result != Firebird::IStatus::RESULT_OK && result != Firebird::IStatus::RESULT_SEGMENT) break;
      text.append(buffer, length);
    }
    blob->close(&status);
  } catch (...) {
    blob->release();
    throw;
  }
  return text;
}

namespace {

void StoreValue(RowSet& rows, int row, int column, const ColumnLayout& c, const unsigned char* message) {
  if (*reinterpret_cast<const short*>(message + c.nullOffset)) return;  // stays NULL
  const unsigned char* value = message + c.offset;
  char digits[24];
  auto storeInteger = [&](long long number) {
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    rows.Set(row, column, std::string_view(digits, end - digits));
  };
  switch (c.type) {
    case SQL_VARYING: {
      unsigned short length;
      std::memcpy(&length, value, sizeof length);
      rows.Set(row, column, std::string_view(reinterpret_cast<const char*>(value + 2), length));
      break;
    }
    case SQL_TEXT:
      rows.Set(row, column, std::string_view(reinterpret_cast<const char*>(value), c.length));
      break;
    case SQL_SHORT: { std::int16_t n; std::memcpy(&n, value, sizeof n); storeInteger(n); break; }
    case SQL_LONG: { std::int32_t n; std::memcpy(&n, value, sizeof n); storeInteger(n); break; }
    case SQL_INT64: { std::int64_t n; std::memcpy(&n, value, sizeof n); storeInteger(n); break; }
    case SQL_BLOB: {
      std::uint64_t id;
      static_assert(sizeof id == sizeof(ISC_QUAD));
      std::memcpy(&id, value, sizeof id);
      rows.SetBlob(row, column, id);
      break;
    }
    default: break;
  }
}
}  // namespace

void FetchRows(const PreparedStatement& statement, Firebird::IMessageMetadata* layout,
               Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
               std::vector<std::string>& names, RowSet& rows, const ParameterValues& values) {
  const ParameterMessage input(statement, attachment, transaction, values);
  fb::Status status;
  const std::vector<ColumnLayout> columns = ReadLayout(layout, names);
  rows.Reset(static_cast<int>(columns.size()));
  fb::Guarded([&] {
    MessageBuffer message(layout->getMessageLength(&status));
    Firebird::IResultSet* cursor = statement.Get()->openCursor(&status, transaction, input.Layout(), input.Data(), layout, 0);
    try {
      while (cursor->fetchNext(&status, message.Data()) == Firebird::IStatus::RESULT_OK) {
        const int row = rows.AppendRow();
        for (size_t i = 0; i < columns.size(); ++i) {
          StoreValue(rows, row, static_cast<int>(i), columns[i], message.Data());
        }
      }
      cursor->close(&status);
    } catch (...) {
      cursor->release();
      throw;
    }
  });
}

}  // namespace store
