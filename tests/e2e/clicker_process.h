#pragma once

#include <windows.h>

#include <optional>

#include "platform/controls.h"
#include "platform/unique_handle.h"

namespace e2e {

// A running clicker.exe from this program's own folder. Ended by force if it is still running when
// the object goes away, so a failed test leaves no copy behind to hold the hotkey.
class ClickerProcess {
 public:
  // Starts the program and waits until its main window is shown; window() is null if it never was.
  ClickerProcess();
  ClickerProcess(const ClickerProcess&) = delete;
  ClickerProcess& operator=(const ClickerProcess&) = delete;
  ~ClickerProcess();

  HWND window() const { return window_; }
  // A control of the main window, or of the group box that holds most of them.
  HWND control(platform::Control name) const;

  bool isRunning() const;
  // Asks the window to close as its close button does and waits for the program to end; the exit
  // code, or nothing if it did not end in time.
  std::optional<DWORD> close(DWORD timeoutMilliseconds = 5000);

 private:
  using UniqueHandle = platform::Unique<HANDLE, &CloseHandle>;

  UniqueHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace e2e
