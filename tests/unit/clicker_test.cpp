#include "clicking/clicker.h"

#include <gtest/gtest.h>

#include "clicking/captions.h"
#include "fake_clicker.h"

namespace clicking {
namespace {

using platform::Control;
using platform::MouseButton;

constexpr int32_t hotkey = FakeClicker::hotkey;

class ClickerTest : public ::testing::Test, protected FakeClicker {};

TEST_F(ClickerTest, PressesStartAndStopTheListInterval) {
  press();
  EXPECT_EQ(fake.clickTimerPeriod(), 100);
  EXPECT_EQ(fake.captions.back(), startedCaption);

  fake.selected[Control::组合框_点击间隔] = 0;
  fake.texts[Control::组合框_点击间隔] = "0.01";
  press();
  EXPECT_EQ(fake.clickTimerPeriod(), 0);
  EXPECT_EQ(fake.captions.back(), stoppedCaption);

  press();
  EXPECT_EQ(fake.clickTimerPeriod(), 10);
  EXPECT_EQ(fake.timerStarts, (std::vector<int32_t>{100, 10}));
  EXPECT_TRUE(fake.clicks.empty());
}

TEST_F(ClickerTest, NotificationOfAnotherHotkeyIsIgnored) {
  for (const int32_t other : {0, hotkey - 1, hotkey + 1}) {
    clicker.onHotkeyNotification(other, 0);
  }
  EXPECT_EQ(fake.clickTimerPeriod(), 0);
  EXPECT_TRUE(fake.captions.empty());
}

TEST_F(ClickerTest, NoHotkeyRegisteredIgnoresEveryNotification) {
  clicker.hotkeyId = 0;
  clicker.onHotkeyNotification(hotkey, 0);
  EXPECT_TRUE(fake.captions.empty());
}

TEST_F(ClickerTest, CustomBoxChoosesTheEditText) {
  struct Case {
    bool customTicked;
    std::string customText;
    int32_t period;
  };
  const Case cases[] = {
      {true, "0.5", 500},
      {true, "\xA3\xB0\xA3\xAE\xA3\xB5", 500},  // "０．５" in full-width characters
      {true, " 2", 2000},
      {false, "0.5", 100},  // unticked: the list item "0.1" counts, whatever the box holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.customText);
    FakeClicker custom;
    custom.fake.checked[Control::选择框_自定义间隔] = c.customTicked;
    custom.fake.texts[Control::编辑框_自定义间隔] = c.customText;
    custom.press();
    EXPECT_EQ(custom.fake.clickTimerPeriod(), c.period);
  }
}

// An interval of 0 ms or less takes the start path but leaves the timer stopped, so every press
// shows the started caption again.
TEST_F(ClickerTest, IntervalOfNoMillisecondsLeavesTheTimerStopped) {
  for (const char* text : {"0", "", "abc", "-1", "0.0001", "-0.5"}) {
    SCOPED_TRACE(text);
    FakeClicker custom;
    custom.fake.checked[Control::选择框_自定义间隔] = true;
    custom.fake.texts[Control::编辑框_自定义间隔] = text;
    for (int pressNumber = 0; pressNumber < 2; ++pressNumber) {
      custom.press();
      EXPECT_EQ(custom.fake.clickTimerPeriod(), 0);
      EXPECT_EQ(custom.fake.captions.back(), startedCaption);
    }
    EXPECT_TRUE(custom.fake.timerStarts.empty());
  }
}

TEST_F(ClickerTest, IntervalIsReadOnlyWhenClickingStarts) {
  press();
  fake.texts[Control::组合框_点击间隔] = "1";
  clicker.onClickTimerTick();
  EXPECT_EQ(fake.clickTimerPeriod(), 100);
  EXPECT_EQ(fake.timerStarts.size(), 1u);
}

TEST_F(ClickerTest, TickClicksAtTheCursorWithTheChosenButton) {
  struct Case {
    int32_t index;
    MouseButton button;
  };
  const Case cases[] = {{0, MouseButton::left}, {1, MouseButton::right}, {-1, MouseButton::right}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    fake.selected[Control::组合框_点击类型] = c.index;
    fake.cursor = {c.index * 7, 300 + c.index};
    fake.clicks.clear();
    clicker.onClickTimerTick();
    ASSERT_EQ(fake.clicks.size(), 1u);
    EXPECT_EQ(fake.clicks[0], (FakePlatform::Click{fake.cursor, c.button}));
  }
}

}  // namespace
}  // namespace clicking
