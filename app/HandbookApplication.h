#pragma once
// The application object. An error that no handler catches, from any event, timer or signal, is
// shown in the standard error box, and the program goes on with the next event.
#include <QApplication>

namespace app {

class HandbookApplication : public QApplication {
  Q_OBJECT

 public:
  HandbookApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace app
