#include "browse/TermGridModel.h"

#include "platform/QtText.h"
#include "store/DataSource.h"
#include "store/Query.h"

namespace browse {
namespace {

const char* const kFieldNames[] = {"EUPHEMIZM", "ETIOLOGY"};

}  // namespace

TermGridModel::TermGridModel(store::DataSource& source, QObject* parent)
    : QAbstractTableModel(parent), source_(&source), rows_(source.DataSet().RecordCount()) {
  FindColumns();
  store::DataSourceListener listener;
  listener.listReset = [this] { Reset(); };
  listener.rowMoved = [this](int row) { emit CurrentRowMoved(row); };
  listener.rowChanged = [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); };
  listener.rowInserted = [this](int row) { RowInserted(row); };
  listener.rowRemoved = [this](int row) { RowRemoved(row); };
  subscription_ = source_->Subscribe(std::move(listener));
}

TermGridModel::~TermGridModel() { source_->Unsubscribe(subscription_); }

store::Query& TermGridModel::DataSet() const { return source_->DataSet(); }

int TermGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TermGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TermGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const store::Query& query = DataSet();
  if (index.row() >= query.RecordCount()) return {};
  const int column = columns_[index.column()];
  if (column < 0) return {};
  return platform::ToQString(query.Text(index.row(), column));
}

QVariant TermGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  return section == kTermColumn ? QStringLiteral("Термин") : QStringLiteral("Происхождение");
}

void TermGridModel::FindColumns() {
  for (int i = 0; i < 2; ++i) columns_[i] = DataSet().FieldIndex(kFieldNames[i]);
}

void TermGridModel::Reset() {
  restructuring_ = true;
  beginResetModel();
  rows_ = DataSet().RecordCount();
  FindColumns();
  endResetModel();
  restructuring_ = false;
  emit ListReset();
}

void TermGridModel::RowInserted(int row) {
  restructuring_ = true;
  beginInsertRows({}, row, row);
  rows_ = DataSet().RecordCount();
  endInsertRows();
  restructuring_ = false;
}

void TermGridModel::RowRemoved(int row) {
  restructuring_ = true;
  beginRemoveRows({}, row, row);
  rows_ = DataSet().RecordCount();
  endRemoveRows();
  restructuring_ = false;
}

}  // namespace browse
