// Closing the program and running a second copy: the global hotkey belongs to one copy at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"

namespace e2e {
namespace {

using Lifetime = ClickingFixture;

TEST_F(Lifetime, ClosingWhileClickingEndsTheClicksAndFreesTheHotkey) {
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  ASSERT_TRUE(waitUntil([&] { return !target_.leftPresses().empty(); })) << "it never clicked";

  EXPECT_EQ(clicker_.close(), 0u);
  // Clicks made before the end may still be queued for the target.
  pumpMessagesFor(300);
  const size_t clicksAtClose = target_.leftPresses().size();
  pumpMessagesFor(500);
  EXPECT_EQ(target_.leftPresses().size(), clicksAtClose);

  constexpr int hotkeyId = 1;
  EXPECT_TRUE(RegisterHotKey(nullptr, hotkeyId, 0, VK_F8)) << "F8 is still taken";
  UnregisterHotKey(nullptr, hotkeyId);
}

TEST_F(Lifetime, SecondCopyLeavesTheHotkeyToTheFirst) {
  ClickerProcess second;
  ASSERT_NE(second.window(), nullptr);
  ASSERT_NE(second.window(), mainWindow());

  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
  // The second copy would have reacted to the first press by now.
  pumpMessagesFor(300);
  EXPECT_EQ(windowText(second.window()), idleCaption);

  EXPECT_EQ(second.close(), 0u);
}

}  // namespace
}  // namespace e2e
