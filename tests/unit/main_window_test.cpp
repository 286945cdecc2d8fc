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

class HotkeyChoiceTest : public ::testing::Test {
 protected:
  HotkeyChoiceTest() { window.onMainWindowCreated(); }

  void choose(int32_t index) {
    fake.selected[Control::组合框_热键] = index;
    window.onHotkeyChoiceChanged();
  }

  FakePlatform fake;
  MainWindow window{fake};
};

TEST_F(HotkeyChoiceTest, ChoosingTheKeyInForceChangesNothing) {
  choose(7);
  EXPECT_EQ(fake.claimedKeys, std::vector<int32_t>{keyF8});
  EXPECT_TRUE(fake.releasedIds.empty());
  EXPECT_EQ(window.hotkeyId(), 33001);
}

TEST_F(HotkeyChoiceTest, AnotherKeyReleasesTheOldOneAndClaimsTheNew) {
  choose(4);
  EXPECT_EQ(fake.releasedIds, std::vector<int32_t>{33001});
  EXPECT_EQ(fake.claimedKeys, (std::vector<int32_t>{keyF8, 0x74}));
  EXPECT_EQ(window.hotkeyId(), 33002);
  EXPECT_EQ(window.lastHotkeyIndex(), 4);

  // Presses of the old key no longer toggle; the new key does.
  window.onHotkeyNotification(33001, 0);
  EXPECT_EQ(fake.clickTimerPeriod(), 0);
  window.onHotkeyNotification(33002, 0);
  EXPECT_EQ(fake.clickTimerPeriod(), 100);

  choose(0);
  choose(11);
  EXPECT_EQ(fake.claimedKeys, (std::vector<int32_t>{keyF8, 0x74, 0x70, 0x7B}));
}

// Identifiers are never reused, failed claims consume one too, and a failed item is not retried
// until another item has been chosen.
TEST_F(HotkeyChoiceTest, KeyHeldElsewhereLeavesNoHotkeyUntilAFreeOneIsChosen) {
  fake.keysHeldElsewhere = {0x74};
  choose(4);
  EXPECT_EQ(window.hotkeyId(), 0);
  EXPECT_EQ(window.lastHotkeyIndex(), 4);

  choose(4);
  EXPECT_EQ(fake.claimedKeys.size(), 2u);

  choose(5);
  EXPECT_EQ(window.hotkeyId(), 33003);
  EXPECT_EQ(fake.releasedIds, (std::vector<int32_t>{33001, 0}));
  window.onHotkeyNotification(33003, 0);
  EXPECT_EQ(fake.clickTimerPeriod(), 100);
}

}  // namespace
}  // namespace app
