#pragma once

#include <windows.h>

#include <cstdint>
#include <thread>

#include "platform/click_timer_period.h"
#include "platform/unique_handle.h"

namespace platform {

using UniqueHandle = Unique<HANDLE, &CloseHandle>;

// The click timer. A thread of its own waits on a periodic waitable timer, high-resolution where
// Windows offers it, so the period is honoured to the millisecond instead of being rounded to the
// system's clock tick, and the timer's own period keeps the phase, so the rate does not drift. Each
// tick reaches the window's thread as a posted message, which modal loops (a window being dragged,
// a menu or a drop-down list open) dispatch too. Like WM_TIMER, ticks coalesce: while one waits in
// the queue, no other is posted. The threads share nothing but the handles.
class Win32ClickTimer {
 public:
  Win32ClickTimer(HWND window, UINT tickMessage);
  Win32ClickTimer(const Win32ClickTimer&) = delete;
  Win32ClickTimer& operator=(const Win32ClickTimer&) = delete;
  // Stops the ticks and joins the thread.
  ~Win32ClickTimer();

  int32_t period() const { return period_.read(); }
  // Positive: (re)start, the next tick one full period away; 0 or less: stop and store 0; the
  // period in force: nothing, the phase is kept.
  void setPeriod(int32_t milliseconds);

  // For the window, on each tick message: whether the tick is to be handled. Ticks that were on
  // their way when the timer stopped are not.
  bool takeTick();

 private:
  void run() const;
  void discardQueuedTick() const;

  HWND window_;
  UINT tickMessage_;
  ClickTimerPeriod period_;
  UniqueHandle timer_;
  UniqueHandle stopRequested_;
  UniqueHandle tickQueued_;
  std::thread thread_;
};

}  // namespace platform
