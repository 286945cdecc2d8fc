#include "tests/e2e/clicker_fixture.h"

#include "tests/e2e/control_access.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"

namespace e2e {

using platform::Control;

testing::AssertionResult captionBecomes(HWND window, const std::wstring& expected) {
  if (waitUntil([&] { return windowText(window) == expected; })) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "the caption is \"" << windowText(window) << "\", not \"" << expected
                                     << "\"";
}

void ClickerFixture::SetUp() {
  ASSERT_NE(mainWindow(), nullptr) << "clicker.exe did not show its window";
}

// Closing here as well checks that the program ends cleanly from whatever state the test left it in.
// One that never showed its window has failed already; it is ended by force.
void ClickerFixture::TearDown() {
  if (mainWindow() != nullptr && clicker_.isRunning()) {
    EXPECT_EQ(clicker_.close(), 0u);
  }
}

void ClickingFixture::SetUp() {
  ClickerFixture::SetUp();
  ASSERT_TRUE(target_.exists());
  target_.putCursorAtCentre();
  GetCursorPos(&targetCentre_);
  // Lets the target's own start-up and the cursor move settle before anything is counted.
  pumpMessagesFor(200);
  target_.forgetPresses();
}

void ClickingFixture::parkCursor() {
  POINT bare{200, 130};
  ASSERT_EQ(ChildWindowFromPointEx(mainWindow(), bare, CWP_SKIPINVISIBLE), mainWindow());
  ClientToScreen(mainWindow(), &bare);
  parked_ = bare;
  ASSERT_TRUE(moveMouseToAndKeepItThere(parked_));
}

size_t ClickingFixture::clicksOnTargetWithin(DWORD milliseconds) {
  target_.forgetPresses();
  EXPECT_TRUE(moveMouseToAndKeepItThere(targetCentre_));
  pumpMessagesFor(milliseconds);
  const size_t clicks = target_.leftPresses().size();
  EXPECT_TRUE(moveMouseToAndKeepItThere(parked_));
  // The presses still queued are few enough to take in.
  pumpMessagesFor(settleTime);
  return clicks;
}

void ClickingFixture::useCustomInterval(const std::wstring& seconds) {
  click(control(Control::选择框_自定义间隔));
  ASSERT_TRUE(isChecked(control(Control::选择框_自定义间隔)));
  setText(control(Control::编辑框_自定义间隔), seconds);
  ASSERT_EQ(controlText(control(Control::编辑框_自定义间隔)), seconds);
  // On a fresh display the pointer can briefly jump back to where it started after a click on the
  // clicker's window, so the cursor is put back over the target before clicking starts.
  target_.putCursorAtCentre();
}

}  // namespace e2e
