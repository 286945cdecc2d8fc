// The keyboard in the main window: what the two edit boxes accept and how they tidy their text, Esc,
// Tab and Shift+Tab.
#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"

namespace e2e {
namespace {

using platform::Control;

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

INPUT keyInput(WORD virtualKey, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

// Types the text as a keyboard with an input method would, one UTF-16 unit at a time; '\b' is the
// Backspace key.
void typeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (const wchar_t unit : text) {
    if (unit == L'\b') {
      const auto scan = static_cast<WORD>(MapVirtualKeyW(VK_BACK, MAPVK_VK_TO_VSC));
      inputs.push_back(keyInput(VK_BACK, scan, 0));
      inputs.push_back(keyInput(VK_BACK, scan, KEYEVENTF_KEYUP));
    } else {
      inputs.push_back(keyInput(0, unit, KEYEVENTF_UNICODE));
      inputs.push_back(keyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressWithModifier(WORD virtualKey, WORD modifier) {
  const auto scan = [](WORD key) { return static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)); };
  INPUT inputs[] = {keyInput(modifier, scan(modifier), 0), keyInput(virtualKey, scan(virtualKey), 0),
                    keyInput(virtualKey, scan(virtualKey), KEYEVENTF_KEYUP),
                    keyInput(modifier, scan(modifier), KEYEVENTF_KEYUP)};
  SendInput(4, inputs, sizeof(INPUT));
}

std::pair<DWORD, DWORD> selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

bool putOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) {
    return false;
  }
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool placed = false;
  if (memory != nullptr) {
    CopyMemory(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed) {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  return placed;
}

const Control tabStops[] = {
    Control::组合框_点击类型,   Control::组合框_点击间隔,   Control::组合框_热键,
    Control::选择框_自定义间隔, Control::编辑框_自定义间隔, Control::选择框_随机时间,
    Control::编辑框_随机时间,   Control::选择框_总在最前,
};

class Input : public ClickerFixture {
 protected:
  HWND focus() const { return focusOf(mainWindow()); }

  void bringToFront() {
    SetForegroundWindow(mainWindow());
    // The window takes the focus once it has handled its activation.
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == mainWindow() && focus() != nullptr; }));
  }

  // Clicks into the box, as a user does before typing.
  void clickInto(HWND edit) {
    leftClickAt(centreOf(edit));
    ASSERT_TRUE(waitUntil([&] { return focus() == edit; })) << "the click did not focus the box";
  }

  // Types into the focused box over a selected "1", then moves the caret home: once the selection
  // has shrunk to the caret there, every typed character has been handled.
  std::wstring typedOverSelection(HWND edit, const std::wstring& text) {
    setText(edit, L"1");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    typeText(text);
    pressKey(VK_HOME);
    EXPECT_TRUE(waitUntil([&] { return selection(edit) == std::pair<DWORD, DWORD>(0, 0); }));
    return controlText(edit);
  }

  void expectFocusReaches(Control stop) {
    ASSERT_TRUE(waitUntil([&] { return focus() == control(stop); }, 2000))
        << "the focus is on control " << GetDlgCtrlID(focus()) << ", not " << static_cast<int>(stop);
  }
};

class TypedCharacters : public Input, public testing::WithParamInterface<Control> {};

TEST_P(TypedCharacters, OnlyDigitsMinusAndPointGetIn) {
  struct Case {
    std::wstring typed;
    std::wstring expected;  // typed over the selected "1"
  };
  const Case cases[] = {
      {L"-0.5", L"-0.5"}, {L"abc", L"1"}, {L"中文", L"1"}, {L"2a.中5", L"2.5"},
      {L"1e+5, ", L"15"}, {L"５", L"1"},  {L"12\b", L"1"},  // control characters such as Backspace pass
  };
  const HWND edit = control(GetParam());
  ASSERT_NO_FATAL_FAILURE(clickInto(edit));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "typed \"" << c.typed << "\"");
    EXPECT_EQ(typedOverSelection(edit, c.typed), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Input, TypedCharacters,
                         testing::Values(Control::编辑框_自定义间隔, Control::编辑框_随机时间));

// How the focus leaves a box: by Tab, or by a click on another control.
enum class Leaving { tab, click };

class FocusLoss : public Input, public testing::WithParamInterface<std::tuple<Control, Leaving>> {
 protected:
  HWND edit() const { return control(std::get<0>(GetParam())); }

  // Comes back the way it left; clicking twice at one spot would be a double click, which does not
  // focus an edit box.
  void enter() {
    if (focus() == edit()) {
      return;
    }
    if (std::get<1>(GetParam()) == Leaving::tab && IsChild(mainWindow(), focus())) {
      pressWithModifier(VK_TAB, VK_SHIFT);
      ASSERT_TRUE(waitUntil([&] { return focus() == edit(); })) << "Shift+Tab did not come back";
    } else {
      ASSERT_NO_FATAL_FAILURE(clickInto(edit()));
    }
  }

  void leave() {
    if (std::get<1>(GetParam()) == Leaving::tab) {
      pressKey(VK_TAB);
    } else {
      const bool first = std::get<0>(GetParam()) == Control::编辑框_自定义间隔;
      leftClickAt(centreOf(control(first ? Control::编辑框_随机时间 : Control::编辑框_自定义间隔)));
    }
    ASSERT_TRUE(waitUntil([&] { return focus() != edit(); })) << "the focus stayed in the box";
  }
};

TEST_P(FocusLoss, TidiesTheTypedNumber) {
  struct Case {
    std::wstring typed;
    std::wstring tidied;
  };
  const Case cases[] = {
      {L"1.50", L"1.5"}, {L"0.1234567", L"0.123457"}, {L"1234567", L"1.23457e+006"}, {L"0", L""}, {L"-", L""},
      {L".", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "typed \"" << c.typed << "\"");
    ASSERT_NO_FATAL_FAILURE(enter());
    ASSERT_EQ(typedOverSelection(edit(), c.typed), c.typed) << "tidied before the focus left";
    ASSERT_NO_FATAL_FAILURE(leave());
    EXPECT_TRUE(waitUntil([&] { return controlText(edit()) == c.tidied; }))
        << "the text is \"" << controlText(edit()) << "\", not \"" << c.tidied << "\"";
  }
}

// Pasting is not filtered: the text stays as it is while the box has the focus.
TEST_P(FocusLoss, EmptiesPastedLetters) {
  ASSERT_TRUE(putOnClipboard(L"abc"));
  ASSERT_NO_FATAL_FAILURE(clickInto(edit()));
  SendMessageW(edit(), EM_SETSEL, 0, -1);
  pressWithModifier('V', VK_CONTROL);
  ASSERT_TRUE(waitUntil([&] { return controlText(edit()) == L"abc"; }))
      << "Ctrl+V gave \"" << controlText(edit()) << "\"";
  pumpMessagesFor(300);
  EXPECT_EQ(controlText(edit()), L"abc");

  ASSERT_NO_FATAL_FAILURE(leave());
  EXPECT_TRUE(waitUntil([&] { return controlText(edit()).empty(); }))
      << "the text is \"" << controlText(edit()) << "\"";
}

INSTANTIATE_TEST_SUITE_P(Input, FocusLoss,
                         testing::Combine(testing::Values(Control::编辑框_自定义间隔,
                                                          Control::编辑框_随机时间),
                                          testing::Values(Leaving::tab, Leaving::click)));

// Esc closes the window wherever the focus is, as the close button does.
class EscapeKey : public Input, public testing::WithParamInterface<int> {};

TEST_P(EscapeKey, ClosesTheWindow) {
  ASSERT_NO_FATAL_FAILURE(bringToFront());
  for (int presses = 0; presses < GetParam(); ++presses) {
    const HWND before = focus();
    pressKey(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focus() != before; }, 2000));
  }
  pressKey(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return !clicker_.isRunning(); })) << "the program is still running";
  EXPECT_EQ(clicker_.close(), 0u);
}

// Tab presses from the window itself: none, to a list, to an edit box, to a check box.
INSTANTIATE_TEST_SUITE_P(Input, EscapeKey, testing::Values(0, 3, 5, 8));

TEST_F(Input, TabVisitsTheStopsInOrderAndWrapsWhileEnterStaysPut) {
  ASSERT_NO_FATAL_FAILURE(bringToFront());
  ASSERT_EQ(focus(), mainWindow());
  for (size_t i = 0; i <= std::size(tabStops); ++i) {
    const Control stop = tabStops[i % std::size(tabStops)];
    SCOPED_TRACE(testing::Message() << "Tab press " << i + 1);
    pressKey(VK_TAB);
    ASSERT_NO_FATAL_FAILURE(expectFocusReaches(stop));
    const HWND reached = control(stop);
    if (className(reached) == L"Edit") {
      EXPECT_EQ(selection(reached), std::make_pair(DWORD{0}, DWORD(controlText(reached).size())))
          << "the text is not selected, so typing would not replace it";
    }
    // Had Enter moved the focus, the next Tab would not reach the next stop.
    pressKey(VK_RETURN);
  }
}

TEST_F(Input, ShiftTabGoesBackAndWraps) {
  ASSERT_NO_FATAL_FAILURE(bringToFront());
  pressKey(VK_TAB);
  ASSERT_NO_FATAL_FAILURE(expectFocusReaches(tabStops[0]));
  for (size_t i = std::size(tabStops); i > 0; --i) {
    SCOPED_TRACE(testing::Message() << "Shift+Tab press " << std::size(tabStops) - i + 1);
    pressWithModifier(VK_TAB, VK_SHIFT);
    ASSERT_NO_FATAL_FAILURE(expectFocusReaches(tabStops[i - 1]));
  }
}

}  // namespace
}  // namespace e2e
