// The random-interval mode: with its check box ticked the hotkey starts a loop that clicks, then pauses
// a random time up to the typed maximum, and the next press ends it after the current pause.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"
#include "tests/e2e/process_usage.h"

namespace e2e {
namespace {

using platform::Control;

// Pauses stretch on a loaded machine, so every bound below has room for that; a pause is still told
// from the maximum, and the maximum from none.
constexpr DWORD lateness = 400;

class RandomClicking : public ClickingFixture {
 protected:
  // Types the longest pause in whole seconds and ticks the mode's check box.
  void useRandomMode(const std::wstring& longestSeconds) {
    setText(control(Control::编辑框_随机时间), longestSeconds);
    ASSERT_EQ(controlText(control(Control::编辑框_随机时间)), longestSeconds);
    click(control(Control::选择框_随机时间));
    ASSERT_TRUE(isChecked(control(Control::选择框_随机时间)));
    // Under Wine the check box's release of the mouse capture can bring back a stale cursor position
    // for a moment, and the first click would land on the check box; setting it again fixes that.
    target_.putCursorAtCentre();
  }

  // The press that ends the mode: the loop may finish the pause it is in, but clicks no more.
  void expectStopAfterPause(DWORD longestPause) {
    pressKey(VK_F8);
    ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
    pumpMessagesFor(settleTime);
    const size_t clicksAtStop = target_.leftPresses().size();
    pumpMessagesFor(longestPause + lateness + 1000);
    EXPECT_EQ(target_.leftPresses().size(), clicksAtStop) << "clicks went on after the stop";
  }
};

TEST_F(RandomClicking, ClicksAtOnceThenPausesUpToTheMaximum) {
  ASSERT_NO_FATAL_FAILURE(useRandomMode(L"1"));
  const DWORD pressed = GetTickCount();
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pumpMessagesFor(4000);

  const std::vector<DWORD> clicks = target_.leftPresses();
  ASSERT_GE(clicks.size(), 3u) << "pauses of at most 1 s give about 8 clicks in 4 s";
  EXPECT_LE(clicks.size(), 25u) << "pauses far shorter than up to 1 s";
  EXPECT_LE(clicks.front() - pressed, lateness) << "the first click waited for a pause";
  std::vector<DWORD> gaps;
  for (size_t i = 1; i < clicks.size(); ++i) {
    gaps.push_back(clicks[i] - clicks[i - 1]);
  }
  const auto [shortest, longest] = std::minmax_element(gaps.begin(), gaps.end());
  EXPECT_LE(*longest, 1000 + lateness) << "a pause longer than the maximum";
  // Pauses drawn from 0..1000 ms spread out; equal ones would mean a fixed pause.
  EXPECT_GE(*longest - *shortest, 100u) << "the pauses are not random";
  EXPECT_EQ(target_.rightPresses().size(), 0u);

  expectStopAfterPause(1000);
}

TEST_F(RandomClicking, MaximumZeroClicksFastYetAnswersAndStops) {
  ASSERT_NO_FATAL_FAILURE(useRandomMode(L"0"));
  ASSERT_NO_FATAL_FAILURE(parkCursor());
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));

  // The loop has no pauses to wait in; it must still handle its messages between clicks.
  for (int i = 0; i < 5; ++i) {
    wchar_t text[16]{};
    DWORD_PTR copied = 0;
    ASSERT_NE(SendMessageTimeoutW(control(Control::编辑框_随机时间), WM_GETTEXT, std::size(text),
                                  reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &copied),
              0)
        << "no answer within 1 s while clicking";
    EXPECT_EQ(std::wstring(text), L"0");
    pumpMessagesFor(100);
  }

  const size_t clicks = clicksOnTargetWithin(500);
  std::cout << "[          ] maximum 0: " << clicks * 2 << " clicks received per second\n";
  RecordProperty("clicks_per_second", static_cast<int>(clicks * 2));
  EXPECT_GE(clicks, 10u) << "pauses of 0 should click as fast as it can";

  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
  EXPECT_EQ(clicksOnTargetWithin(1000), 0u) << "clicks went on after the stop";
}

// Closing in a pause, or between clicks when there are no pauses, ends the program at once and
// cleanly; the loop clicks no more.
class RandomClickingClose : public RandomClicking, public testing::WithParamInterface<std::wstring> {};

TEST_P(RandomClickingClose, EndsTheProgramAtOnceWithoutAnotherClick) {
  const bool pauses = GetParam() != L"0";
  ASSERT_NO_FATAL_FAILURE(useRandomMode(GetParam()));
  if (!pauses) {
    ASSERT_NO_FATAL_FAILURE(parkCursor());
  }
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  if (pauses) {
    // The first click comes at once; the close then arrives in the pause that follows it.
    ASSERT_TRUE(waitUntil([&] { return !target_.leftPresses().empty(); }, 1000))
        << "the first click waited for a pause";
  } else {
    ASSERT_GE(clicksOnTargetWithin(300), 1u) << "it never clicked";
  }

  const DWORD closed = GetTickCount();
  PostMessageW(mainWindow(), WM_CLOSE, 0, 0);
  // Waiting with the pump running keeps the presses' times true to when they came.
  EXPECT_TRUE(waitUntil([&] { return !clicker_.isRunning(); }, 3000)) << "it did not end within 3 s";
  EXPECT_EQ(clicker_.close(), 0u);
  pumpMessagesFor(settleTime);
  for (const DWORD press : target_.leftPresses()) {
    EXPECT_LT(static_cast<LONG>(press - closed), static_cast<LONG>(settleTime)) << "a click after the close";
  }
}

// Pauses of up to 5 s make a close that waited for the pause, or a click after it, plain to see.
INSTANTIATE_TEST_SUITE_P(RandomClicking, RandomClickingClose, testing::Values(L"5", L"0"),
                         [](const testing::TestParamInfo<std::wstring>& info) {
                           return info.param == L"0" ? "NoPauses" : "PausesUpTo5s";
                         });

// The pauses sleep. A loop that polled for messages instead would cost about half a core under Wine,
// whose server takes the rest, and a whole one on Windows.
TEST_F(RandomClicking, PausesCostLittleProcessorTime) {
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow(), &processId);
  ASSERT_NO_FATAL_FAILURE(useRandomMode(L"1"));

  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  const ULONGLONG before = processorTime(processId);
  const ULONGLONG start = GetTickCount64();
  pumpMessagesFor(3000);
  const ULONGLONG used = processorTime(processId) - before;
  const ULONGLONG wall = GetTickCount64() - start;
  EXPECT_GE(target_.leftPresses().size(), 2u) << "it did not click: nothing was measured";

  const double percent = static_cast<double>(used) / 100.0 / static_cast<double>(wall);
  std::cout << "[          ] random mode, maximum 1: " << percent << " % of one core\n";
  RecordProperty("processor_percent", std::to_string(percent));
  EXPECT_LT(percent, 10.0);
}

}  // namespace
}  // namespace e2e
