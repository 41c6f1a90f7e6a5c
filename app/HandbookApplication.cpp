#include "app/HandbookApplication.h"

#include <exception>

#include "platform/MessageBoxes.h"

namespace app {

HandbookApplication::HandbookApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool HandbookApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    platform::Boxes().ShowError(error.what());
  } catch (...) {
    platform::Boxes().ShowError("Unknown error");
  }
  return false;
}

}  // namespace app
