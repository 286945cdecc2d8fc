#include "app/main_window.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace app {
namespace {

using platform::Control;

constexpr int32_t keyF8 = 0x77;

TEST(MainWindowTest, CreatedRegistersF8AndRecordsTheListIndex) {
  FakePlatform fake;
  MainWindow window(fake);
  window.onMainWindowCreated();
  EXPECT_EQ(fake.claimedKeys, std::vector<int32_t>{keyF8});
  EXPECT_EQ(window.hotkeyId(), 33001);
  EXPECT_EQ(window.lastHotkeyIndex(), 7);

  window.onHotkeyNotification(33001, 0);
  EXPECT_EQ(fake.clickTimerPeriod(), 100);

  window.onMainWindowDestroying();
  EXPECT_EQ(fake.releasedIds, std::vector<int32_t>{33001});
}

TEST(MainWindowTest, F8HeldElsewhereLeavesNoHotkey) {
  FakePlatform fake;
  fake.keysHeldElsewhere = {keyF8};
  MainWindow window(fake);
  window.onMainWindowCreated();
  EXPECT_EQ(window.hotkeyId(), 0);
  EXPECT_EQ(window.lastHotkeyIndex(), 7);

  window.onHotkeyNotification(33001, 0);
  EXPECT_EQ(fake.clickTimerPeriod(), 0);
  EXPECT_TRUE(fake.captions.empty());
}

TEST(MainWindowTest, AlwaysOnTopFollowsTheCheckBox) {
  FakePlatform fake;
  MainWindow window(fake);
  for (const bool ticked : {true, false}) {
    fake.checked[Control::选择框_总在最前] = ticked;
    window.onAlwaysOnTopClicked();
  }
  EXPECT_EQ(fake.topmostWrites, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace app
