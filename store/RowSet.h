#pragma once
// Private to the store: fetched rows kept compactly, every value as bytes in one buffer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class RowSet {
 public:
  struct Cell {
    std::uint32_t offset = 0;
    std::int32_t length = -1;  // -1: NULL
  };

  void Reset(int columnCount);
  int ColumnCount() const { return columns_; }
  int RowCount() const { return columns_ ? static_cast<int>(cells_.size() / columns_) : 0; }

  int AppendRow();  // all NULL; returns its index
  void Set(int row, int column, std::string_view bytes);
  void SetNull(int row, int column);
  std::string_view Text(int row, int column) const { return CellBytes(At(row, column)); }
  std::string_view CellBytes(const Cell& cell) const;
  bool IsNull(int row, int column) const { return At(row, column).length < 0; }
  void RemoveRow(int row);

  std::vector<Cell> SaveRow(int row) const;
  void RestoreRow(int row, const std::vector<Cell>& cells);

 private:
  const Cell& At(int row, int column) const { return cells_[static_cast<size_t>(row) * columns_ + column]; }
  Cell& At(int row, int column) { return cells_[static_cast<size_t>(row) * columns_ + column]; }

  int columns_ = 0;
  std::string bytes_;
  std::vector<Cell> cells_;
};

}  // namespace store
