// Test program for start-up. Run with --report-version it prints what the
// version tests make of the system it runs on, so a test can start it under
// another Windows version setting.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "startup/TextRules.h"
#include "startup/modWindowsVersion.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--report-version") == 0) {
    std::printf("%s|%s\n", WindowsVersionText().c_str(), FontsKeyFor(QueryWindowsVersion()).c_str());
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
