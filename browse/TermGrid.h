#pragma once
// The term grid: the term list in two titled columns, whole rows selected, nothing edited in
// place. Its current row and the query's current row are one: moving either moves the other.
#include <QTableView>

namespace store {
class DataSource;
}

namespace browse {

class TermGridModel;

class TermGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kTermWidth = 250;
  static constexpr int kOriginWidth = 305;

  explicit TermGrid(store::DataSource& source, QWidget* parent = nullptr);

  TermGridModel& Model() const { return *model_; }
  // The row the grid stands on, -1 when the list is empty.
  int CurrentRow() const;

 signals:
  // A double click on a list that has rows.
  void DblClick();
  // Ctrl+Delete on a list that has rows.
  void DeleteRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void FollowQuery(int row);
  void ListReset();

  TermGridModel* model_;
  bool following_ = false;
};

}  // namespace browse
