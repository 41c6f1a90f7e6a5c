// main() for the tests under a real window manager: the session first, then the application on it.
#include <QApplication>

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "tests/desktop/DesktopSession.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  desktop_testing::DesktopSession session;
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
