#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/win32_click_timer.h"

namespace platform {
namespace {

constexpr UINT tickMessage = WM_APP + 7;
constexpr wchar_t windowClassName[] = L"ClickTimerTestWindow";

// A message-only window that owns the timer and records when its ticks are handled.
class TickedWindow {
 public:
  TickedWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);
    window_.reset(CreateWindowExW(0, windowClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    timer.emplace(window_.get(), tickMessage);
  }
  ~TickedWindow() { timer.reset(); }

  // Handles messages for the given time; returns the tick times, in ms from the call.
  std::vector<DWORD> ticksWithin(DWORD milliseconds) {
    ticks_.clear();
    start_ = GetTickCount();
    for (DWORD now = start_; now - start_ < milliseconds; now = GetTickCount()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - (now - start_), QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
      }
    }
    return ticks_;
  }

  std::optional<Win32ClickTimer> timer;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TickedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == tickMessage && self != nullptr && self->timer->takeTick()) {
      self->ticks_.push_back(GetTickCount() - self->start_);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  Unique<HWND, &DestroyWindow> window_;
  std::vector<DWORD> ticks_;
  DWORD start_ = 0;
};

TEST(ClickTimer, TicksAtItsPeriodUntilStopped) {
  TickedWindow window;
  EXPECT_EQ(window.timer->period(), 0);
  window.timer->setPeriod(100);
  EXPECT_EQ(window.timer->period(), 100);
  const auto ticks = window.ticksWithin(1000);
  EXPECT_GE(ticks.size(), 5u);
  EXPECT_LE(ticks.size(), 11u);

  for (const int32_t stop : {0, -5}) {
    window.timer->setPeriod(100);
    window.ticksWithin(150);
    window.timer->setPeriod(stop);
    EXPECT_EQ(window.timer->period(), 0);
    EXPECT_TRUE(window.ticksWithin(400).empty()) << stop;
  }
}

TEST(ClickTimer, HonoursPeriodsBelowTheSystemClockTick) {
  TickedWindow window;
  window.timer->setPeriod(10);
  const auto ticks = window.ticksWithin(2000);
  // About 200; a message timer would give at most 128 on the default 15.6 ms clock tick.
  EXPECT_GE(ticks.size(), 100u);
  EXPECT_LE(ticks.size(), 210u);
}

// A write of the period in force keeps the phase; another value restarts it a full new period
// from the write. Periods of a second leave wide margins either way.
TEST(ClickTimer, SamePeriodKeepsThePhaseAndAnotherRestartsIt) {
  struct Case {
    int32_t rewrite;
    DWORD earliestFirstTick;
    DWORD latestFirstTick;
  };
  const Case cases[] = {{1000, 0, 750}, {1200, 950, 2000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rewrite);
    TickedWindow window;
    window.timer->setPeriod(1000);
    ASSERT_TRUE(window.ticksWithin(500).empty());
    window.timer->setPeriod(c.rewrite);
    const auto ticks = window.ticksWithin(1300);
    ASSERT_FALSE(ticks.empty());
    EXPECT_GE(ticks.front(), c.earliestFirstTick);
    EXPECT_LE(ticks.front(), c.latestFirstTick);
  }
}

// Ticks coalesce: a thread that handles none for a while finds one waiting, not a backlog.
TEST(ClickTimer, TicksCoalesceWhileOneIsWaiting) {
  TickedWindow window;
  window.timer->setPeriod(10);
  Sleep(500);
  const auto ticks = window.ticksWithin(25);
  EXPECT_LE(ticks.size(), 4u);
}

}  // namespace
}  // namespace platform
