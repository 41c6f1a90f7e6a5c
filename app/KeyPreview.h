#pragma once
// Lets a window see every key press before the control that has the focus, once per press.
#include <QObject>

#include <functional>

class QWidget;

namespace app {

class KeyPreview : public QObject {
 public:
  // Returns true to keep the key from the focused control.
  using Handler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;

  KeyPreview(QWidget& window, Handler handler);
  ~KeyPreview() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Handler handler_;
};

}  // namespace app
