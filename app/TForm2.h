#pragma once
// The update report "Список новых и обновленных записей": the titles of the terms an update brought,
// shown modally after a download. Created hidden at start-up and reused; the download fills and
// clears its list.
#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace app {

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 419;
  static constexpr int kClientHeight = 332;

  explicit TForm2(QWidget* parent = nullptr);

  // Titles in the order given (Windows-1251); the list is not sorted.
  void AddTitles(const std::vector<std::string>& titles);
  void ClearTitles();
  // Modal; "OK", Enter or Esc close it.
  void ShowModal();

 private:
  QListWidget* ListBox1;
  QPushButton* Button1;  // "OK"
};

}  // namespace app
