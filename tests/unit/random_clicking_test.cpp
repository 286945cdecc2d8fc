#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "clicking/captions.h"
#include "clicking/clicker.h"
#include "clicking/random_between.h"
#include "fake_clicker.h"

namespace clicking {
namespace {

using platform::Control;
using platform::MouseButton;

// The random box is ticked; events that arrive inside the mode's pauses are scripted per test.
class RandomClickingTest : public ::testing::Test, protected FakeClicker {
 protected:
  RandomClickingTest() { fake.checked[Control::选择框_随机时间] = true; }

  int waitCount = 0;
  int dispatchCount = 0;
};

TEST_F(RandomClickingTest, PressInsideAPauseEndsTheLoopWithoutAnotherClick) {
  fake.duringWait = [&](int32_t) {
    if (++waitCount == 3) {
      press();
    }
  };
  press();
  // The stopping press makes neither a click nor a pause of its own.
  EXPECT_EQ(fake.clicks.size(), 3u);
  EXPECT_EQ(fake.waits.size(), 3u);
  EXPECT_EQ(fake.captions,
            (std::vector<std::u8string>{std::u8string(startedCaption), std::u8string(startedCaption),
                                        std::u8string(stoppedCaption)}));
  for (const int32_t pause : fake.waits) {
    EXPECT_GE(pause, 0);
    EXPECT_LE(pause, 1000);
  }
}

TEST_F(RandomClickingTest, RestartInsideTheLastPauseNestsANewLoop) {
  std::vector<const char*> log;
  fake.duringWait = [&](int32_t) {
    ++waitCount;
    if (waitCount == 1) {
      press();  // stop
      press();  // start again while the first loop is still pausing
      log.push_back("nested loop returned");
    } else if (waitCount == 3) {
      press();  // stop the nested loop
    }
  };
  press();
  log.push_back("first loop returned");
  EXPECT_EQ(log, (std::vector<const char*>{"nested loop returned", "first loop returned"}));
  EXPECT_EQ(fake.clicks.size(), 3u);  // one by the first loop, two by the nested one
  EXPECT_EQ(fake.waits.size(), 3u);
}

TEST_F(RandomClickingTest, ButtonAndMaximumAreReadAnewForEveryClick) {
  fake.texts[Control::编辑框_随机时间] = "0";
  fake.duringDispatch = [&] {
    if (++dispatchCount == 2) {
      fake.selected[Control::组合框_点击类型] = 1;
      fake.texts[Control::编辑框_随机时间] = "2000000";
    }
  };
  fake.duringWait = [&](int32_t) { press(); };
  press();
  ASSERT_EQ(fake.clicks.size(), 2u);
  EXPECT_EQ(fake.clicks[0].button, MouseButton::left);
  EXPECT_EQ(fake.clicks[1].button, MouseButton::right);
  ASSERT_EQ(fake.waits.size(), 2u);
  EXPECT_EQ(fake.waits[0], 0);
  EXPECT_GT(fake.waits[1], 0);  // 0 has one chance in two billion
}

TEST_F(RandomClickingTest, MaximumOfNothingStillLetsTheStopPressThrough) {
  for (const char* maximum : {"0", "", "abc", "-1", "0.9", "3000000"}) {
    SCOPED_TRACE(maximum);
    FakeClicker random;
    random.fake.checked[Control::选择框_随机时间] = true;
    random.fake.texts[Control::编辑框_随机时间] = maximum;
    int dispatches = 0;
    random.fake.duringDispatch = [&] {
      if (++dispatches == 5) {
        random.press();
      }
    };
    random.press();
    EXPECT_EQ(random.fake.clicks.size(), 4u);
    // "3000000" s is beyond 2^31 - 1 ms and wraps negative: pauses of 0 as well.
    EXPECT_EQ(random.fake.waits, std::vector<int32_t>(4, 0));
  }
}

TEST_F(RandomClickingTest, ClosingTheWindowEndsEveryLoopWithoutAnotherClick) {
  fake.duringWait = [&](int32_t) {
    if (++waitCount == 1) {
      press();
      press();  // a nested loop, beneath which the window closes
    } else {
      fake.windowOpen = false;
    }
  };
  press();
  EXPECT_EQ(fake.clicks.size(), 2u);
  EXPECT_EQ(fake.waits.size(), 2u);
}

TEST_F(RandomClickingTest, ClosingWhilePausesAreZeroEndsTheLoop) {
  fake.texts[Control::编辑框_随机时间] = "0";
  fake.duringDispatch = [&] {
    if (++dispatchCount == 3) {
      fake.windowOpen = false;
    }
  };
  press();
  EXPECT_EQ(fake.clicks.size(), 2u);
}

// Each press toggles only the mode the random box selects at that moment.
TEST_F(RandomClickingTest, FixedIntervalModeRunsOnBesideTheRandomMode) {
  fake.checked[Control::选择框_随机时间] = false;
  press();
  fake.checked[Control::选择框_随机时间] = true;
  fake.duringWait = [&](int32_t) { press(); };
  press();
  EXPECT_EQ(fake.clickTimerPeriod(), 100);
  EXPECT_EQ(fake.clicks.size(), 1u);
  EXPECT_EQ(fake.captions.back(), stoppedCaption);
}

TEST(RandomBetweenTest, FollowsTheCounterFormula) {
  struct Case {
    int32_t lo;
    int32_t hi;
    uint32_t counter;
    int32_t expected;
  };
  constexpr int32_t int32Max = std::numeric_limits<int32_t>::max();
  const Case cases[] = {
      {0, 1000, 0, 7},               // 0 * 23 + 7
      {0, 1000, 100, 305},           // 2307 mod 1001
      {0, 1000, 0xFFFFFFFF, 604},    // the product wraps modulo 2^32
      {0, int32Max, 0x80000000, 7},  // the widest span, 2^31
      {7, 7, 12345, 7},
      {5, 4, 12345, 0},  // hi below lo
      {-3, 3, 1, -3 + 30 % 7},
      {0, 0, 99, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi << " counter " << c.counter);
    EXPECT_EQ(randomBetween(c.lo, c.hi, c.counter), c.expected);
  }
}

TEST(RandomBetweenTest, StaysWithinZeroAndTheMaximum) {
  for (const int32_t hi : {0, 1, 1000, 3000, std::numeric_limits<int32_t>::max()}) {
    for (int draw = 0; draw < 200; ++draw) {
      const int32_t value = randomBetween(0, hi);
      ASSERT_GE(value, 0) << hi;
      ASSERT_LE(value, hi) << hi;
    }
  }
  EXPECT_EQ(randomBetween(5, 4), 0);
  EXPECT_EQ(randomBetween(7, 7), 7);
}

}  // namespace
}  // namespace clicking
