#pragma once
// Private to the store: fetched rows kept compactly, every value as bytes in one buffer. A blob is
// kept as its id until its text is first asked for: a list shows a few columns of many rows, and
// reading every article along with them took most of a listing's time and memory.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class RowSet {
 public:
  struct Cell {
    std::uint32_t offset = 0;  // into the bytes; for a blob into the blob ids or the blob texts
    std::int32_t length = -1;  // -1: NULL; kBlobUnread, kBlobRead: a blob
  };
  static constexpr std::int32_t kBlobUnread = -2;
  static constexpr std::int32_t kBlobRead = -3;

  void Reset(int columnCount);
  int ColumnCount() const { return columns_; }
  int RowCount() const { return columns_ ? static_cast<int>(cells_.size() / columns_) : 0; }

  int AppendRow();  // all NULL; returns its index
  void Set(int row, int column, std::string_view bytes);
  void SetNull(int row, int column);
  void SetBlob(int row, int column, std::uint64_t id);
  // A blob whose text has not been read yet: its id.
  bool IsUnreadBlob(int row, int column) const { return At(row, column).length == kBlobUnread; }
  std::uint64_t BlobId(int row, int column) const { return blobIds_[At(row, column).offset]; }
  // Keeps the blob's text; earlier views of texts stay valid.
  void SetBlobText(int row, int column, std::string text);
  std::string_view Text(int row, int column) const { return CellBytes(At(row, column)); }
  // Inline: a look-up by letter reads every row of a list.
  std::string_view CellBytes(const Cell& cell) const {
    if (cell.length == kBlobRead) return blobTexts_[cell.offset];
    if (cell.length <= 0) return {};
    return std::string_view(bytes_.data() + cell.offset, static_cast<std::size_t>(cell.length));
  }
  bool IsNull(int row, int column) const { return IsNullCell(At(row, column)); }
  static bool IsNullCell(const Cell& cell) { return cell.length == -1; }
  void RemoveRow(int row);

  std::vector<Cell> SaveRow(int row) const;
  void RestoreRow(int row, const std::vector<Cell>& cells);

 private:
  const Cell& At(int row, int column) const { return cells_[static_cast<size_t>(row) * columns_ + column]; }
  Cell& At(int row, int column) { return cells_[static_cast<size_t>(row) * columns_ + column]; }

  int columns_ = 0;
  std::string bytes_;
  std::vector<Cell> cells_;
  std::vector<std::uint64_t> blobIds_;
  std::deque<std::string> blobTexts_;  // a deque, so that adding one moves none of the others
};

}  // namespace store
