#include "platform/win32_click_timer.h"

namespace platform {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// A high-resolution timer where the system has one (Windows 10 1803 and later), else an ordinary one.
HANDLE createPeriodicTimer() {
  const HANDLE timer =
      CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  return timer != nullptr ? timer : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

HANDLE createEvent() {
  return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

}  // namespace

Win32ClickTimer::Win32ClickTimer(HWND window, UINT tickMessage)
    : window_(window),
      tickMessage_(tickMessage),
      timer_(createPeriodicTimer()),
      stopRequested_(createEvent()),
      tickQueued_(createEvent()),
      thread_([this] { run(); }) {}

Win32ClickTimer::~Win32ClickTimer() {
  SetEvent(stopRequested_.get());
  thread_.join();
  CancelWaitableTimer(timer_.get());
  discardQueuedTick();
}

void Win32ClickTimer::run() const {
  const HANDLE handles[] = {stopRequested_.get(), timer_.get()};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    if (WaitForSingleObject(tickQueued_.get(), 0) == WAIT_TIMEOUT) {
      SetEvent(tickQueued_.get());
      PostMessageW(window_, tickMessage_, 0, 0);
    }
  }
}

void Win32ClickTimer::setPeriod(int32_t milliseconds) {
  switch (period_.write(milliseconds)) {
    case ClickTimerPeriod::Change::start: {
      // Relative due time in 100-nanosecond units, negative.
      LARGE_INTEGER due;
      due.QuadPart = -10'000LL * period_.read();
      SetWaitableTimer(timer_.get(), &due, period_.read(), nullptr, nullptr, FALSE);
      discardQueuedTick();
      break;
    }
    case ClickTimerPeriod::Change::stop:
      CancelWaitableTimer(timer_.get());
      discardQueuedTick();
      break;
    case ClickTimerPeriod::Change::none:
      break;
  }
}

bool Win32ClickTimer::takeTick() {
  ResetEvent(tickQueued_.get());
  return period_.read() != 0;
}

// A tick of the old period must not arrive right after a restart.
void Win32ClickTimer::discardQueuedTick() const {
  MSG message;
  while (PeekMessageW(&message, window_, tickMessage_, tickMessage_, PM_REMOVE | PM_NOYIELD)) {
  }
  ResetEvent(tickQueued_.get());
}

}  // namespace platform
