// Choosing another item in the hotkey list moves the start/stop hotkey to that key.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/unique_handle.h"
#include "tests/e2e/click_target.h"
#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"

namespace e2e {
namespace {

using platform::Control;

// Indexes in the list, which holds F1 to F12 in order.
constexpr int itemF5 = 4;
constexpr int itemF6 = 5;
constexpr int itemF7 = 6;
constexpr int itemF8 = 7;

// Long enough for a key press to have shown its effect, even on a loaded machine.
constexpr DWORD reactionTime = 400;

// A hotkey the test itself holds, as another program would; its presses come to the test's thread.
class HeldHotkey {
 public:
  explicit HeldHotkey(UINT virtualKey) : held_(RegisterHotKey(nullptr, id, 0, virtualKey) != FALSE) {}
  HeldHotkey(const HeldHotkey&) = delete;
  HeldHotkey& operator=(const HeldHotkey&) = delete;
  ~HeldHotkey() { release(); }

  bool held() const { return held_; }
  void release() {
    if (held_) {
      UnregisterHotKey(nullptr, id);
      held_ = false;
    }
  }

 private:
  static constexpr int id = 0x2345;
  bool held_;
};

// How a user picks an item: with the arrow keys in the closed list, or by opening the list with F4
// and confirming with Enter.
enum class Way { arrowKeys, openListAndEnter };

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

bool isDropped(HWND comboBox) {
  return SendMessageW(comboBox, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

class HotkeyChoice : public ClickerFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ClickerFixture::SetUp());
    ASSERT_TRUE(target_.exists());
    moveMouseTo(centreOf(target_.window()));
    pumpMessagesFor(200);
  }

  HWND hotkeyList() const { return control(Control::组合框_热键); }

  // Brings the clicker's window to the front and tabs to the list, as the keyboard user gets there.
  void focusHotkeyList() {
    SetForegroundWindow(mainWindow());
    // The window takes the focus once it has handled its activation.
    ASSERT_TRUE(
        waitUntil([&] { return GetForegroundWindow() == mainWindow() && focusOf(mainWindow()) != nullptr; }));
    for (int presses = 0; focusOf(mainWindow()) != hotkeyList(); ++presses) {
      ASSERT_LT(presses, 9) << "Tab never reached the hotkey list";
      const HWND before = focusOf(mainWindow());
      pressKey(VK_TAB);
      ASSERT_TRUE(waitUntil([&] { return focusOf(mainWindow()) != before; }, 2000));
    }
  }

  void pressArrowsTo(int index) {
    const int steps = index - comboSelection(hotkeyList());
    for (int i = 0; i < std::abs(steps); ++i) {
      pressKey(steps > 0 ? VK_DOWN : VK_UP);
    }
  }

  void choose(int index, Way way) {
    switch (way) {
      case Way::arrowKeys:
        ASSERT_NO_FATAL_FAILURE(focusHotkeyList());
        pressArrowsTo(index);
        break;
      case Way::openListAndEnter:
        ASSERT_NO_FATAL_FAILURE(focusHotkeyList());
        pressKey(VK_F4);
        ASSERT_TRUE(waitUntil([&] { return isDropped(hotkeyList()); })) << "F4 did not open the list";
        pressArrowsTo(index);
        ASSERT_TRUE(waitUntil([&] { return comboSelection(hotkeyList()) == index; }));
        pressKey(VK_RETURN);
        break;
    }
    ASSERT_TRUE(waitUntil([&] { return comboSelection(hotkeyList()) == index && !isDropped(hotkeyList()); }))
        << "the list shows item " << comboSelection(hotkeyList()) << ", not " << index;
    ASSERT_NO_FATAL_FAILURE(waitForPostedMessages());
  }

  // The clicker handles a choice from a message it posts to itself. Posted messages are handled in
  // turn, so once a selection posted to an edit box after it shows, the choice has been handled.
  void waitForPostedMessages() {
    const HWND edit = control(Control::编辑框_自定义间隔);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD marker = end == 0 ? 1 : 0;
    PostMessageW(edit, EM_SETSEL, 0, marker);
    ASSERT_TRUE(waitUntil([&] {
      SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      return start == 0 && end == marker;
    }));
  }

  // The key starts clicking at the cursor, and a second press stops it.
  void expectToggles(WORD key) {
    moveMouseTo(centreOf(target_.window()));
    pressKey(key);
    ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
    const size_t pressesAtStart = target_.leftPresses().size();
    EXPECT_TRUE(waitUntil([&] { return target_.leftPresses().size() > pressesAtStart; }))
        << "it never clicked";
    pressKey(key);
    ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
  }

  void expectIgnored(WORD key) {
    moveMouseTo(centreOf(target_.window()));
    const std::wstring caption = windowText(mainWindow());
    const size_t presses = target_.leftPresses().size();
    pressKey(key);
    pumpMessagesFor(reactionTime);
    EXPECT_EQ(windowText(mainWindow()), caption);
    EXPECT_EQ(target_.leftPresses().size(), presses);
  }

  ClickTarget target_{ClickTarget::Activation::never};
};

class ChoosingAKey : public HotkeyChoice, public testing::WithParamInterface<Way> {};

TEST_P(ChoosingAKey, MovesTheHotkeyThereAndBack) {
  ASSERT_NO_FATAL_FAILURE(choose(itemF5, GetParam()));
  expectIgnored(VK_F8);
  ASSERT_NO_FATAL_FAILURE(expectToggles(VK_F5));

  ASSERT_NO_FATAL_FAILURE(choose(itemF8, GetParam()));
  expectIgnored(VK_F5);
  expectToggles(VK_F8);
}

std::string wayName(const testing::TestParamInfo<Way>& info) {
  const char* const names[] = {"ArrowKeys", "OpenListAndEnter"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(HotkeyChoice, ChoosingAKey, testing::Values(Way::arrowKeys, Way::openListAndEnter),
                         wayName);

// Only a user's choice moves the hotkey; another program setting the selection does not.
TEST_F(HotkeyChoice, SelectionSetFromOutsideChangesNothing) {
  selectItem(hotkeyList(), itemF5);
  ASSERT_EQ(comboSelection(hotkeyList()), itemF5);
  ASSERT_NO_FATAL_FAILURE(waitForPostedMessages());
  expectIgnored(VK_F5);
  expectToggles(VK_F8);
}

TEST_F(HotkeyChoice, KeyHeldElsewhereLeavesNoHotkeyUntilAFreeOneIsChosen) {
  HeldHotkey f6(VK_F6);
  ASSERT_TRUE(f6.held());
  ASSERT_NO_FATAL_FAILURE(choose(itemF6, Way::arrowKeys));
  expectIgnored(VK_F8);
  expectIgnored(VK_F6);

  // Choosing the item in force again changes nothing: the key is not tried again, even when free.
  f6.release();
  ASSERT_NO_FATAL_FAILURE(choose(itemF6, Way::openListAndEnter));
  expectIgnored(VK_F6);

  ASSERT_NO_FATAL_FAILURE(choose(itemF7, Way::arrowKeys));
  expectIgnored(VK_F8);
  expectToggles(VK_F7);
}

TEST_F(HotkeyChoice, ClickingGoesOnUntilTheNewKeyStopsIt) {
  ASSERT_NO_FATAL_FAILURE(focusHotkeyList());
  moveMouseTo(centreOf(target_.window()));
  pressKey(VK_F8);
  ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
  ASSERT_TRUE(waitUntil([&] { return target_.leftPresses().size() > 0; })) << "it never clicked";

  ASSERT_NO_FATAL_FAILURE(choose(itemF5, Way::arrowKeys));
  // F8 no longer stops it.
  pressKey(VK_F8);
  const size_t pressesAfterChoice = target_.leftPresses().size();
  pumpMessagesFor(1000);
  EXPECT_EQ(windowText(mainWindow()), startedCaption);
  EXPECT_GE(target_.leftPresses().size(), pressesAfterChoice + 3)
      << "0.1 s gives about 10 clicks in a second";

  pressKey(VK_F5);
  ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption));
  pumpMessagesFor(300);
  const size_t pressesAtStop = target_.leftPresses().size();
  pumpMessagesFor(500);
  EXPECT_EQ(target_.leftPresses().size(), pressesAtStop) << "clicks went on after the stop";
}

}  // namespace
}  // namespace e2e
