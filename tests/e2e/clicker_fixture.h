#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "tests/e2e/click_target.h"
#include "tests/e2e/clicker_process.h"

namespace e2e {

inline const std::wstring idleCaption = L"鼠标连点器";
inline const std::wstring startedCaption = L"鼠标连点器[已启动]";
inline const std::wstring stoppedCaption = L"鼠标连点器[已停止]";

// Long enough for the clicks already on their way to have arrived, even on a loaded machine.
inline constexpr DWORD settleTime = 300;

// Waits, pumping messages, until the window's caption reads `expected`.
testing::AssertionResult captionBecomes(HWND window, const std::wstring& expected);

// Every test gets a freshly started clicker, closed again at its end.
class ClickerFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND mainWindow() const { return clicker_.window(); }
  HWND control(platform::Control name) const { return clicker_.control(name); }

  ClickerProcess clicker_;
};

// Adds a window of the test's own under the mouse cursor, which counts the clicks it receives.
class ClickingFixture : public ClickerFixture {
 protected:
  void SetUp() override;

  // Ticks the custom interval check box and types the interval into its edit box.
  void useCustomInterval(const std::wstring& seconds);
  // Fast clicks come quicker than this thread takes them in. The cursor then waits on a bare part of
  // the clicker's own client area, whose loop takes each click in before making the next, and visits
  // the target only to count.
  void parkCursor();
  // The presses on the target within the time; the cursor then goes back to where it was parked.
  size_t clicksOnTargetWithin(DWORD milliseconds);

  ClickTarget target_;
  POINT targetCentre_{};
  POINT parked_{};
};

}  // namespace e2e
