#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace bench {

// A program started to time how long it takes to show its main window. Ended by force if it is still
// running when the object goes away.
class StartedProgram {
 public:
  // Starts it and looks for its shown, unowned window every millisecond.
  explicit StartedProgram(const std::wstring& path);
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;
  ~StartedProgram();

  HWND window() const { return window_; }
  HANDLE process() const { return process_.get(); }
  DWORD processId() const { return processId_; }
  // From just before CreateProcessW to the first look that found the window shown; negative if it
  // never was.
  double startMilliseconds() const { return startMilliseconds_; }
  // Asks the window to close as its close button does; whether the program then ended in time.
  bool close(DWORD timeoutMilliseconds = 5000);

 private:
  platform::Unique<HANDLE, &CloseHandle> process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  double startMilliseconds_ = -1;
};

}  // namespace bench
