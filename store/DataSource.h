#pragma once
// Links a query to the things that show it (a grid model, say): announces moves of the current
// row and changes of rows and of the whole list. Views move the query with Query::MoveTo.
#include <functional>
#include <vector>

namespace store {

class Query;

struct DataSourceListener {
  std::function<void()> listReset;            // opened, closed or re-queried; current row: RecNo()
  std::function<void(int row)> rowMoved;      // the current row is now `row` (-1: none)
  std::function<void(int row)> rowChanged;    // values of `row` changed (posted)
  std::function<void(int row)> rowInserted;   // a new row at `row`
  std::function<void(int row)> rowRemoved;    // `row` left the list
};

class DataSource {
 public:
  explicit DataSource(Query& dataSet);
  ~DataSource();
  DataSource(const DataSource&) = delete;
  DataSource& operator=(const DataSource&) = delete;

  // Not for use after the query is gone (destroying the data source then is still safe).
  Query& DataSet() const { return *dataSet_; }

  int Subscribe(DataSourceListener listener);  // returns an id for Unsubscribe
  void Unsubscribe(int id);

  // Called by the query.
  void AnnounceListReset() const;
  void AnnounceRowMoved(int row) const;
  void AnnounceRowChanged(int row) const;
  void AnnounceRowInserted(int row) const;
  void AnnounceRowRemoved(int row) const;

 private:
  friend class Query;
  Query* dataSet_;  // null once the query is destroyed
  int nextId_ = 1;
  std::vector<std::pair<int, DataSourceListener>> listeners_;
};

}  // namespace store
