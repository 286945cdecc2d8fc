#pragma once

#include <windows.h>

#include <vector>

#include "platform/unique_handle.h"

namespace e2e {

// A window of the test's own, clear of the clicker's window, that notes when each mouse button goes
// down on it. It receives clicks only while its thread pumps messages (pumpMessagesFor).
class ClickTarget {
 public:
  // A target that never activates leaves the keyboard with the clicker's window while it is clicked.
  enum class Activation { onClick, never };

  explicit ClickTarget(Activation activation = Activation::onClick);
  ClickTarget(const ClickTarget&) = delete;
  ClickTarget& operator=(const ClickTarget&) = delete;
  ~ClickTarget() = default;

  bool exists() const { return static_cast<bool>(window_); }
  HWND window() const { return window_.get(); }
  // Puts the mouse cursor at the window's centre, where the clicker then clicks.
  void putCursorAtCentre() const;
  // When each button press happened, on the GetTickCount clock: the input's own time, not when this
  // thread got round to it, so a backlog of clicks does not shift them.
  const std::vector<DWORD>& leftPresses() const { return leftPresses_; }
  const std::vector<DWORD>& rightPresses() const { return rightPresses_; }
  void forgetPresses();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  platform::Unique<HWND, &DestroyWindow> window_;
  std::vector<DWORD> leftPresses_;
  std::vector<DWORD> rightPresses_;
};

}  // namespace e2e
