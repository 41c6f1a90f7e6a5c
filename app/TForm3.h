#pragma once
// The about window: the handbook's name, the producer's site and support address as links, and
// two facts about the computer. Created hidden at start-up and shown modally from the main
// window's "Показать сведения о программе".
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace app {

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 440;
  static constexpr int kClientHeight = 317;

  explicit TForm3(QWidget* parent = nullptr);

  // Modal; "OK" or Esc close it.
  void ShowModal();

  // Fills the operating system and memory texts; runs every time the window is shown.
  void FormShow();
  // Both web-address labels: the product page in the browser.
  void Label7Click();
  // The support address: a new message in the mail program.
  void Label9Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();

  QFrame* MainPanel;
  QFrame* pnlImage;
  QLabel* imgStarfield;
  QLabel* lblJvHotLink2;
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* lblWindowsVersion;
  QLabel* lblMemory;
  QFrame* Bevel1;
  QFrame* Bevel2;
  QFrame* Bevel3;
  QPushButton* btnOK;
};

}  // namespace app
