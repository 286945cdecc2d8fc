#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/unique_handle.h"

namespace bench {

// A window of the benchmark's own at the top right of the screen, clear of the clicker's centred
// window, that notes the performance-counter time at which each left-button press reaches it. It
// runs on a thread that does nothing but wait for its messages, so a press is stamped the moment it
// is delivered, whatever the benchmark's main thread is doing.
class TimestampTarget {
 public:
  TimestampTarget();
  TimestampTarget(const TimestampTarget&) = delete;
  TimestampTarget& operator=(const TimestampTarget&) = delete;
  ~TimestampTarget();

  bool exists() const { return window_ != nullptr; }
  // Puts the mouse cursor at the window's centre, where the clicker then clicks.
  void putCursorAtCentre() const;
  // Times of the presses so far, in milliseconds on the bench::nowMilliseconds clock.
  std::vector<double> presses() const;
  size_t pressCount() const;
  void forgetPresses();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void run();

  platform::Unique<HANDLE, &CloseHandle> ready_;
  std::atomic<HWND> window_ = nullptr;
  mutable std::mutex mutex_;
  std::vector<double> presses_;
  std::thread thread_;
};

}  // namespace bench
