#include "store/RowSet.h"

#include <algorithm>

namespace store {

void RowSet::Reset(int columnCount) {
  columns_ = columnCount;
  bytes_.clear();
  cells_.clear();
  blobIds_.clear();
  blobTexts_.clear();
}

int RowSet::AppendRow() {
  cells_.resize(cells_.size() + columns_);
  return RowCount() - 1;
}

// Earlier bytes of the cell stay in the buffer: an edit keeps the old value for restoring.
void RowSet::Set(int row, int column, std::string_view bytes) {
  Cell& cell = At(row, column);
  cell.offset = static_cast<std::uint32_t>(bytes_.size());
  cell.length = static_cast<std::int32_t>(bytes.size());
  bytes_.append(bytes);
}

void RowSet::SetNull(int row, int column) { At(row, column) = Cell{}; }

void RowSet::SetBlob(int row, int column, std::uint64_t id) {
  At(row, column) = {static_cast<std::uint32_t>(blobIds_.size()), kBlobUnread};
  blobIds_.push_back(id);
}

void RowSet::SetBlobText(int row, int column, std::string text) {
  At(row, column) = {static_cast<std::uint32_t>(blobTexts_.size()), kBlobRead};
  blobTexts_.push_back(std::move(text));
}

void RowSet::RemoveRow(int row) {
  const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(row) * columns_;
  cells_.erase(first, first + columns_);
}

std::vector<RowSet::Cell> RowSet::SaveRow(int row) const {
  const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(row) * columns_;
  return std::vector<Cell>(first, first + columns_);
}

void RowSet::RestoreRow(int row, const std::vector<Cell>& cells) {
  std::copy(cells.begin(), cells.end(), cells_.begin() + static_cast<std::ptrdiff_t>(row) * columns_);
}

}  // namespace store
