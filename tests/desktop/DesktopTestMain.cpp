// main() for the tests under a real window manager: the session first, then the application on it.
#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include <gtest/gtest.h>

#include "tests/desktop/DesktopSession.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  std::unique_ptr<desktop_testing::DesktopSession> session;
  try {
    session = std::make_unique<desktop_testing::DesktopSession>();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
