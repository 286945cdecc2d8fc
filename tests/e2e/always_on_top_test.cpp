// The always-on-top check box puts the main window above other windows and takes it back down.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/message_pump.h"

namespace e2e {
namespace {

using platform::Control;
using AlwaysOnTop = ClickerFixture;

bool isTopmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(AlwaysOnTop, CheckBoxTurnsItOnAndOff) {
  const HWND checkBox = control(Control::选择框_总在最前);
  ASSERT_FALSE(isTopmost(mainWindow()));

  click(checkBox);
  EXPECT_TRUE(isChecked(checkBox));
  EXPECT_TRUE(waitUntil([&] { return isTopmost(mainWindow()); })) << "WS_EX_TOPMOST was not set";

  click(checkBox);
  EXPECT_FALSE(isChecked(checkBox));
  EXPECT_TRUE(waitUntil([&] { return !isTopmost(mainWindow()); })) << "WS_EX_TOPMOST was not cleared";
}

}  // namespace
}  // namespace e2e
