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

  ClickTarget target_;
};

}  // namespace e2e
