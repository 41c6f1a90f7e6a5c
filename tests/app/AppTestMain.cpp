// main() for the main-window tests: the program's own application object, so errors that escape
// a handler take the same road as in the program.
#include <gtest/gtest.h>

#include "app/HandbookApplication.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app::HandbookApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
