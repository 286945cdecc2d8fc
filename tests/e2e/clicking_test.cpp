// The hotkey starts and stops clicking at the cursor, with the chosen button and interval.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"

namespace e2e {
namespace {

using platform::Control;
using Clicking = ClickingFixture;

// Timers stretch on a loaded machine, so the bounds below are wide; they still tell the list's
// interval from a custom one, and clicking from not clicking.
constexpr DWORD countingTime = 2000;

DWORD medianGap(const std::vector<DWORD>& times) {
  std::vector<DWORD> gaps;
  for (size_t i = 1; i < times.size(); ++i) {
    gaps.push_back(times[i] - times[i - 1]);
  }
  if (gaps.empty()) {
    return 0;
  }
  std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
  return gaps[gaps.size() / 2];
}

TEST_F(Clicking, HotkeyStartsAndStopsLeftClicks) {
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  target_.forgetPresses();
  pumpMessagesFor(countingTime);
  const auto clicks = target_.leftPresses();
  EXPECT_GE(clicks.size(), 8u) << "0.1 s, the list's initial interval, gives about 20 clicks in 2 s";
  EXPECT_LE(clicks.size(), 30u);
  EXPECT_GE(medianGap(clicks), 50u);
  EXPECT_LE(medianGap(clicks), 250u);
  EXPECT_EQ(target_.rightPresses().size(), 0u);

  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
  pumpMessagesFor(settleTime);
  const size_t clicksAtStop = target_.leftPresses().size();
  pumpMessagesFor(700);
  EXPECT_EQ(target_.leftPresses().size(), clicksAtStop) << "clicks went on after the stop";
}

TEST_F(Clicking, SecondItemOfTheButtonListClicksTheRightButton) {
  selectItem(control(Control::组合框_点击类型), 1);
  ASSERT_EQ(comboSelection(control(Control::组合框_点击类型)), 1);
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pumpMessagesFor(1000);
  EXPECT_GE(target_.rightPresses().size(), 3u);
  EXPECT_EQ(target_.leftPresses().size(), 0u);
}

// Half a second, typed with ASCII and with full-width characters, which count as digits.
class CustomInterval : public ClickingFixture, public testing::WithParamInterface<std::wstring> {};

TEST_P(CustomInterval, ClicksAboutTwiceASecond) {
  ASSERT_NO_FATAL_FAILURE(useCustomInterval(GetParam()));
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  target_.forgetPresses();
  pumpMessagesFor(3000);
  const auto clicks = target_.leftPresses();
  EXPECT_GE(clicks.size(), 3u) << "0.5 s gives about 6 clicks in 3 s";
  EXPECT_LE(clicks.size(), 10u);
  EXPECT_GE(medianGap(clicks), 350u) << "faster than 0.5 s: not the custom interval";
  EXPECT_LE(medianGap(clicks), 800u) << "slower than 0.5 s: not the custom interval";
}

INSTANTIATE_TEST_SUITE_P(Clicking, CustomInterval, testing::Values(L"0.5", L"０．５"));

// Texts that come to no time at all: the caption says started, but nothing is clicked, and as the
// clicking never began the next press starts again rather than stopping.
class NoTimeInterval : public ClickingFixture, public testing::WithParamInterface<std::wstring> {};

TEST_P(NoTimeInterval, ShowsStartedButNeverClicks) {
  ASSERT_NO_FATAL_FAILURE(useCustomInterval(GetParam()));
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pumpMessagesFor(800);
  EXPECT_EQ(target_.leftPresses().size(), 0u);

  // A caption of the test's own shows that the second press sets the caption again.
  SetWindowTextW(mainWindow(), L"-");
  ASSERT_TRUE(captionBecomes(mainWindow(), L"-"));
  pressKey(VK_F8);
  EXPECT_TRUE(captionBecomes(mainWindow(), startedCaption));
  pumpMessagesFor(500);
  EXPECT_EQ(target_.leftPresses().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Clicking, NoTimeInterval, testing::Values(L"0", L"abc", L"-1"));

}  // namespace
}  // namespace e2e
