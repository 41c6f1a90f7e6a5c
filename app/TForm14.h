#pragma once
// The splash picture shown while the main window is being built: no frame, above other windows,
// centred on the primary screen. It frees itself when closed.
#include <QWidget>

namespace app {

class TForm14 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 402;
  static constexpr int kHeight = 294;

  explicit TForm14(QWidget* parent = nullptr);
};

}  // namespace app
