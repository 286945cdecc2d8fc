// The fixed-interval clicks come from a timer thread whose ticks are posted to the window: they keep
// their rate down to the list's shortest interval, flow while a modal loop runs, and end with the
// program.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <string>

#include "platform/unique_handle.h"
#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/process_usage.h"

namespace e2e {
namespace {

using platform::Control;
using TimerRate = ClickingFixture;

constexpr int interval10ms = 0;
constexpr int interval100ms = 5;

DWORD threadOf(HWND window) {
  return GetWindowThreadProcessId(window, nullptr);
}

bool inMenuMode(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE) != 0;
}

BOOL CALLBACK noteShownMenu(HWND window, LPARAM found) {
  wchar_t name[16]{};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

// A shown pop-up menu window of the thread, as the system menu is drawn.
bool showsMenu(DWORD thread) {
  bool found = false;
  EnumThreadWindows(thread, noteShownMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The system menu's modal loop runs the window's thread while it is open. A menu tracks the mouse
// only while its window is in the foreground; with the test's own target in front, the clicks reach
// the target and leave the menu open, so the count shows ticks handled all through the menu's loop.
// The hotkey press is handled inside that loop too.
TEST_F(TimerRate, ClicksGoOnWhileTheSystemMenuIsOpen) {
  selectItem(control(Control::组合框_点击间隔), interval100ms);
  POINT cursor{};
  GetCursorPos(&cursor);
  SetForegroundWindow(WindowFromPoint(cursor));
  ASSERT_NE(GetForegroundWindow(), mainWindow());

  const DWORD thread = threadOf(mainWindow());
  PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  ASSERT_TRUE(waitUntil([&] { return inMenuMode(thread) && showsMenu(thread); })) << "the menu did not open";

  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  target_.forgetPresses();
  pumpMessagesFor(1500);
  EXPECT_TRUE(inMenuMode(thread) && showsMenu(thread))
      << "the menu closed: the clicks were not counted while it was open";
  EXPECT_GE(target_.leftPresses().size(), 5u) << "0.1 s gives about 15 clicks in 1.5 s";
}

TEST_F(TimerRate, ShortestIntervalClicksAboutAHundredTimesASecond) {
  selectItem(control(Control::组合框_点击间隔), interval10ms);
  ASSERT_EQ(controlText(control(Control::组合框_点击间隔)), L"0.01");
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pumpMessagesFor(300);
  target_.forgetPresses();
  const ULONGLONG start = GetTickCount64();
  pumpMessagesFor(3000);
  const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
  const double rate = static_cast<double>(target_.leftPresses().size()) / seconds;
  std::cout << "[          ] interval 0.01: " << rate << " clicks per second\n";
  RecordProperty("clicks_per_second", std::to_string(rate));
  EXPECT_GE(rate, 70.0) << "a 10 ms period rounded up to the 15.6 ms clock tick gives 64";
  EXPECT_LE(rate, 130.0);
}

TEST_F(TimerRate, ClosingAtTheShortestIntervalEndsEveryThread) {
  selectItem(control(Control::组合框_点击间隔), interval10ms);
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  ASSERT_TRUE(waitUntil([&] { return target_.leftPresses().size() >= 10; })) << "it hardly clicked";
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow(), &processId);
  const size_t threads = threadsOf(processId).size();
  std::cout << "[          ] threads while clicking: " << threads << "\n";
  EXPECT_GE(threads, 2u) << "no timer thread beside the window's";

  // A timer thread that did not stop would hang the join at the window's end, or, left unjoined, end
  // the program abnormally; close() waits for the process to end and reads its exit code.
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(clicker_.close(5000), 0u);
  std::cout << "[          ] closed in " << GetTickCount64() - start << " ms\n";
}

}  // namespace
}  // namespace e2e
