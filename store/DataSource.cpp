#include "store/DataSource.h"

#include <algorithm>

#include "store/Query.h"

namespace store {

DataSource::DataSource(Query& dataSet) : dataSet_(&dataSet) { dataSet_->AttachDataSource(this); }

DataSource::~DataSource() {
  if (dataSet_) dataSet_->DetachDataSource(this);
}

int DataSource::Subscribe(DataSourceListener listener) {
  listeners_.emplace_back(nextId_, std::move(listener));
  return nextId_++;
}

void DataSource::Unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

// A listener may unsubscribe while being told, so each announcement walks a copy.
void DataSource::AnnounceListReset() const {
  for (const auto& [id, l] : std::vector(listeners_)) if (l.listReset) l.listReset();
}
void DataSource::AnnounceRowMoved(int row) const {
  for (const auto& [id, l] : std::vector(listeners_)) if (l.rowMoved) l.rowMoved(row);
}
void DataSource::AnnounceRowChanged(int row) const {
  for (const auto& [id, l] : std::vector(listeners_)) if (l.rowChanged) l.rowChanged(row);
}
void DataSource::AnnounceRowInserted(int row) const {
  for (const auto& [id, l] : std::vector(listeners_)) if (l.rowInserted) l.rowInserted(row);
}
void DataSource::AnnounceRowRemoved(int row) const {
  for (const auto& [id, l] : std::vector(listeners_)) if (l.rowRemoved) l.rowRemoved(row);
}

}  // namespace store
