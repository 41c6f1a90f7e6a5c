#pragma once
// The term list as a two-column table (headword, origin) for the grid. It follows the query
// through its data source: re-queries, moves of the current row, edited, added and removed rows.
#include <QAbstractTableModel>

namespace store {
class DataSource;
class Query;
}  // namespace store

namespace browse {

class TermGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTermColumn = 0, kOriginColumn = 1 };

  explicit TermGridModel(store::DataSource& source, QObject* parent = nullptr);
  ~TermGridModel() override;

  store::Query& DataSet() const;
  // True while the list is re-queried or rows are added or removed, when the view's idea of row
  // numbers is stale.
  bool Restructuring() const { return restructuring_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // The query was opened, closed or re-queried; its current row is where the view should stand.
  void ListReset();
  // The query's current row moved to `row` (-1: none).
  void CurrentRowMoved(int row);

 private:
  void FindColumns();
  void Reset();
  void RowInserted(int row);
  void RowRemoved(int row);

  store::DataSource* source_;
  int subscription_;
  // The number of rows the view has been told of; it trails the query during a change.
  int rows_ = 0;
  bool restructuring_ = false;
  // The query's columns shown in the grid's two columns, found once a listing (-1: none).
  int columns_[2] = {-1, -1};
};

}  // namespace browse
