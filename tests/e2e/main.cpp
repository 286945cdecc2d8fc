#include <gtest/gtest.h>

// The program is linked with -municode, so its entry point takes wide arguments.
int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
