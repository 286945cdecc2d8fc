// Hostile input through the real window: a megabyte of text, characters code page 936 lacks, numbers
// beyond every range, a storm of hotkey presses, closing in every mode. The program must not crash or
// hang, nor click where the text's conversion says it must not; after each test it still answers and
// ends with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"

namespace e2e {
namespace {

using platform::Control;

// Timers and pauses stretch on a loaded machine, so the bounds are wide; they still tell clicking from
// not clicking, and a period from one several times as long.
constexpr DWORD lateness = 400;
constexpr DWORD quietTime = 700;
constexpr UINT answerTimeout = 2000;
// Wine's edit control takes a second or more for a box full of digits, under load longer.
constexpr UINT entryTimeout = 10000;

enum class Mode { fixed, random };

// What a start brings, as the box's text converts: the fixed mode's period or the random mode's longest
// pause, in milliseconds. A period of 0 never starts the timer; a longest pause of 0 clicks as fast as it
// can.
struct Expected {
  Mode mode;
  DWORD milliseconds;
};

constexpr Expected fixed(DWORD period) {
  return {Mode::fixed, period};
}
constexpr Expected random(DWORD longestPause) {
  return {Mode::random, longestPause};
}

// The program keeps milliseconds in 32 bits; a count that reads as 0 or negative there starts no timer
// and makes no pause.
constexpr DWORD wrapped(long long milliseconds) {
  const auto low = static_cast<int32_t>(static_cast<uint32_t>(milliseconds));
  return low > 0 ? static_cast<DWORD>(low) : 0;
}

bool clicksFast(const Expected& e) {
  return e.mode == Mode::random && e.milliseconds == 0;
}

// Long enough for a few periods or pauses, and no longer.
DWORD countingTime(const Expected& e) {
  return e.mode == Mode::fixed ? std::clamp<DWORD>(3 * e.milliseconds + 500, 1000, 3500)
                               : std::clamp<DWORD>(2 * e.milliseconds + 1000, 1500, 5000);
}

std::vector<DWORD> gaps(const std::vector<DWORD>& times) {
  std::vector<DWORD> result;
  for (size_t i = 1; i < times.size(); ++i) {
    result.push_back(times[i] - times[i - 1]);
  }
  return result;
}

// A hung or crashed program does not answer in time.
bool answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, answerTimeout, &result) != 0;
}

bool sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeout) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeout, &result) != 0;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

template <typename Case>
std::string nameOf(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

bool putOnClipboard(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  platform::Unique<HGLOBAL, &GlobalFree> memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory || !OpenClipboard(nullptr)) {
    return false;
  }
  CopyMemory(GlobalLock(memory.get()), text.c_str(), bytes);
  GlobalUnlock(memory.get());
  EmptyClipboard();
  // Once placed, the memory belongs to the clipboard.
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
  if (placed) {
    memory.release();
  }
  CloseClipboard();
  return placed;
}

class Hostile : public ClickingFixture {
 protected:
  // Whatever a test did, the program still answers; the fixture then closes it expecting exit code 0.
  void TearDown() override {
    if (mainWindow() != nullptr && clicker_.isRunning()) {
      EXPECT_TRUE(answers(mainWindow())) << "the program no longer answers";
    }
    ClickingFixture::TearDown();
  }

  static Control editOf(Mode mode) {
    return mode == Mode::fixed ? Control::编辑框_自定义间隔 : Control::编辑框_随机时间;
  }

  void tick(Mode mode) {
    const Control box = mode == Mode::fixed ? Control::选择框_自定义间隔 : Control::选择框_随机时间;
    click(control(box));
    ASSERT_TRUE(isChecked(control(box)));
  }

  void useRandomMode(const std::wstring& longestSeconds) {
    setText(control(Control::编辑框_随机时间), longestSeconds);
    ASSERT_EQ(controlText(control(Control::编辑框_随机时间)), longestSeconds);
    ASSERT_NO_FATAL_FAILURE(tick(Mode::random));
  }

  void useMode(Mode mode, const std::wstring& text) {
    if (mode == Mode::fixed) {
      ASSERT_NO_FATAL_FAILURE(useCustomInterval(text));
    } else {
      ASSERT_NO_FATAL_FAILURE(useRandomMode(text));
    }
  }

  // Clicks into the box and leaves it by Tab, so the box tidies its text.
  void enterAndLeave(HWND edit) {
    leftClickAt(centreOf(edit));
    ASSERT_TRUE(waitUntil([&] { return focusOf(mainWindow()) == edit; }))
        << "the click did not focus the box";
    pressKey(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focusOf(mainWindow()) != edit; })) << "Tab left the focus in the box";
  }

  // Fast clicks come quicker than this thread takes them in, so then the cursor waits on a bare part of
  // the clicker's own window, whose loop takes each click in before the next, and visits the target
  // only to count. Under Wine a check box's release of the mouse capture can bring back a stale cursor
  // position for a moment, so the cursor is set here in every case.
  void aimAt(const Expected& e) {
    if (!clicksFast(e)) {
      ASSERT_TRUE(moveMouseToAndKeepItThere(targetCentre_));
      return;
    }
    ASSERT_NO_FATAL_FAILURE(parkCursor());
  }

  // Starts with the hotkey and checks the clicks that follow against the expectation.
  void startAndExpectClicks(const Expected& e) {
    ASSERT_NO_FATAL_FAILURE(aimAt(e));
    target_.forgetPresses();
    pressKey(VK_F8);
    ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
    EXPECT_TRUE(answers(mainWindow())) << "no answer once started";
    if (clicksFast(e)) {
      EXPECT_GE(clicksOnTargetWithin(500), 10u) << "pauses of 0 should click as fast as it can";
      return;
    }
    const DWORD counting = countingTime(e);
    pumpMessagesFor(counting);
    const std::vector<DWORD> clicks = target_.leftPresses();
    const std::vector<DWORD> between = gaps(clicks);
    if (e.mode == Mode::fixed) {
      if (e.milliseconds == 0 || e.milliseconds > counting) {
        EXPECT_EQ(clicks.size(), 0u) << "no period, or one longer than the count, yet it clicked";
        return;
      }
      EXPECT_GE(clicks.size(), std::max<size_t>(2, counting / (3 * e.milliseconds)));
      if (between.size() >= 2) {
        std::vector<DWORD> sorted = between;
        std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
        EXPECT_GE(sorted[sorted.size() / 2], e.milliseconds / 2) << "faster than the period";
        EXPECT_LE(sorted[sorted.size() / 2], 2 * e.milliseconds + 50) << "slower than the period";
      }
    } else if (e.milliseconds > counting) {
      EXPECT_EQ(clicks.size(), 1u) << "one click at once, then a pause far longer than the count";
    } else {
      EXPECT_GE(clicks.size(), 2u);
      if (!between.empty()) {
        EXPECT_LE(*std::max_element(between.begin(), between.end()), e.milliseconds + lateness)
            << "a pause longer than the maximum";
      }
    }
  }

  // Clicks made before a stop may still be queued for the target, the more so after fast clicking; they
  // are taken in until none has come for a while. A program that goes on clicking keeps them coming.
  void takeInQueuedClicks() {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    size_t seen = 0;
    do {
      seen = target_.leftPresses().size();
      pumpMessagesFor(settleTime);
    } while (target_.leftPresses().size() != seen && GetTickCount64() < deadline);
  }

  void expectNoMoreClicks() {
    ASSERT_TRUE(moveMouseToAndKeepItThere(targetCentre_));
    takeInQueuedClicks();
    target_.forgetPresses();
    pumpMessagesFor(quietTime);
    EXPECT_EQ(target_.leftPresses().size(), 0u) << "clicks went on";
  }

  // The next press stops what began. A fixed period of 0 never began, so the press starts again, reading
  // the same text to the same end.
  void pressAgainAndExpectQuiet(const Expected& e) {
    const bool began = e.mode == Mode::random || e.milliseconds > 0;
    pressKey(VK_F8);
    ASSERT_TRUE(captionBecomes(mainWindow(), began ? stoppedCaption : startedCaption));
    if (began) {
      ASSERT_NO_FATAL_FAILURE(expectNoMoreClicks());
    }
  }
};

// How a megabyte gets into a box: pasted, which the box cuts to its length limit, pasted after another
// program lifted the limit, or set by another program.
enum class Entry { paste, pasteUnlimited, setText };

// Each text is converted as it is at a start, then tidied as the focus leaves, then converted again.
// Long runs of digits stay below the box's limit: Wine's edit control takes time growing with the square
// of their length.
struct HugeTextCase {
  const char* name;
  Mode mode;
  Entry entry;
  std::wstring head;
  std::wstring fill;  // repeated after the head up to the length
  size_t length;
  std::wstring tidied;
  Expected expected;  // of the text as it is and of the tidied one alike
};

const std::wstring lettersAndDigits = L"abcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t megabyte = size_t{1} << 20;

const HugeTextCase hugeTexts[] = {
    {"PastedAndCut", Mode::fixed, Entry::paste, L"0.3", lettersAndDigits, megabyte, L"0.3", fixed(300)},
    {"LongFractionPastedAndCut", Mode::fixed, Entry::paste, L"0.2", L"5", megabyte, L"0.255556", fixed(255)},
    {"PastedWhole", Mode::fixed, Entry::pasteUnlimited, L"0.2", lettersAndDigits, megabyte, L"0.2",
     fixed(200)},
    {"PastedWholeAsLongestPause", Mode::random, Entry::pasteUnlimited, L"0.9", lettersAndDigits, megabyte,
     L"0.9", random(0)},
    // A megabyte of UTF-16; twice that is more than Wine can hand to another process in a message.
    {"SetAsLongestPause", Mode::random, Entry::setText, L"1", lettersAndDigits, megabyte / 2, L"1",
     random(1000)},
};

class HugeText : public Hostile, public testing::WithParamInterface<HugeTextCase> {};

TEST_P(HugeText, IsConvertedAndTidiedWithoutAHang) {
  const HugeTextCase& c = GetParam();
  const HWND edit = control(editOf(c.mode));
  std::wstring text = c.head;
  while (text.size() < c.length) {
    text += c.fill;
  }
  text.resize(c.length);
  ASSERT_NO_FATAL_FAILURE(tick(c.mode));

  const ULONGLONG sent = GetTickCount64();
  if (c.entry == Entry::setText) {
    ASSERT_TRUE(sendWithin(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), entryTimeout))
        << "setting the text took over 10 s";
  } else {
    ASSERT_TRUE(putOnClipboard(text));
    if (c.entry == Entry::pasteUnlimited) {
      ASSERT_TRUE(sendWithin(edit, EM_SETLIMITTEXT, 0, 0, answerTimeout));
    }
    ASSERT_TRUE(sendWithin(edit, EM_SETSEL, 0, -1, answerTimeout));
    ASSERT_TRUE(sendWithin(edit, WM_PASTE, 0, 0, entryTimeout)) << "the paste took over 10 s";
  }
  const std::wstring held = controlText(edit);
  std::cout << "[          ] " << held.size() << " characters taken in " << GetTickCount64() - sent
            << " ms\n";
  EXPECT_TRUE(answers(mainWindow()));
  ASSERT_GE(held.size(), c.entry == Entry::paste ? 1000u : c.length);
  EXPECT_TRUE(held == text.substr(0, held.size())) << "the box holds another text";
  {
    SCOPED_TRACE("the text as it came");
    ASSERT_NO_FATAL_FAILURE(startAndExpectClicks(c.expected));
    ASSERT_NO_FATAL_FAILURE(pressAgainAndExpectQuiet(c.expected));
  }

  ASSERT_NO_FATAL_FAILURE(enterAndLeave(edit));
  EXPECT_TRUE(waitUntil([&] { return controlText(edit) == c.tidied; }, answerTimeout))
      << "the text is " << controlText(edit).size() << " characters long, not \"" << c.tidied << "\"";
  SCOPED_TRACE("the tidied text");
  ASSERT_NO_FATAL_FAILURE(startAndExpectClicks(c.expected));
  ASSERT_NO_FATAL_FAILURE(pressAgainAndExpectQuiet(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Hostile, HugeText, testing::ValuesIn(hugeTexts), nameOf<HugeTextCase>);

// Texts set by another program, started with the hotkey; some are then tidied by the box.
struct TextCase {
  const char* name;
  Mode mode;
  std::wstring text;
  Expected expected;
  std::optional<std::wstring> tidied;
};

class TextThatConverts : public Hostile, public testing::WithParamInterface<TextCase> {
 protected:
  void startStopAndTidy() {
    const TextCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(useMode(c.mode, c.text));
    ASSERT_NO_FATAL_FAILURE(startAndExpectClicks(c.expected));
    ASSERT_NO_FATAL_FAILURE(pressAgainAndExpectQuiet(c.expected));
    if (!c.tidied) {
      return;
    }
    const HWND edit = control(editOf(c.mode));
    ASSERT_NO_FATAL_FAILURE(enterAndLeave(edit));
    EXPECT_TRUE(waitUntil([&] { return controlText(edit) == *c.tidied; }, answerTimeout))
        << "the text is \"" << controlText(edit) << "\", not \"" << *c.tidied << "\"";
  }
};

// Code page 936 has none of these characters, and each comes out as '?', which ends a number. The tidy
// on leaving the box reads them the same way.
const TextCase unencodable[] = {
    {"EmojiAfterNumber", Mode::fixed, L"0.2\U0001F600", fixed(200), L"0.2"},
    {"EmojiFirst", Mode::fixed, L"\U0001F600.5", fixed(0), L""},
    {"CombiningMark", Mode::fixed, L"1\u0301.5", fixed(1000), L"1"},
    {"ArabicIndicDigits", Mode::fixed, L"\u0661\u0662", fixed(0), L""},
    {"LoneHighSurrogate", Mode::fixed, L"0.2\xD800", fixed(200), L"0.2"},
    {"LoneLowSurrogateFirst", Mode::fixed, L"\xDC00.5", fixed(0), L""},
    {"EmojiAfterLongestPause", Mode::random, L"1\U0001F600", random(1000), L"1"},
    {"LoneSurrogateAsLongestPause", Mode::random, L"\xD800", random(0), L""},
};

using UnencodableText = TextThatConverts;

TEST_P(UnencodableText, ClicksAsItConvertsAndIsTidied) {
  startStopAndTidy();
}

INSTANTIATE_TEST_SUITE_P(Hostile, UnencodableText, testing::ValuesIn(unencodable), nameOf<TextCase>);

// Numbers beyond what the conversions hold. The interval is seconds * 1000 in 64 bits, of which 32 are
// kept; NaN, infinity and products beyond 64 bits give 0. The longest pause is read as a whole number
// that wraps at 32 bits before it is multiplied.
const TextCase outOfRange[] = {
    {"Overflow", Mode::fixed, L"1e309", fixed(0), {}},
    {"NegativeOverflow", Mode::fixed, L"-1e309", fixed(0), {}},
    {"Beyond64Bits", Mode::fixed, L"99999999999999999999", fixed(0), {}},
    {"WrapsToZero", Mode::fixed, L"4294967.296", fixed(wrapped(4294967296)), {}},
    {"WrapsTo100ms", Mode::fixed, L"4294967.396", fixed(wrapped(4294967396)), {}},
    {"NegativeWrapsTo100ms", Mode::fixed, L"-4294967.196", fixed(wrapped(-4294967196)), {}},
    {"WrapsNegative", Mode::fixed, L"2147483.648", fixed(wrapped(2147483648)), {}},
    {"BelowAMillisecond", Mode::fixed, L"0.0000001", fixed(0), {}},
    {"NotANumber", Mode::fixed, L"nan", fixed(0), {}},
    {"Infinity", Mode::fixed, L"inf", fixed(0), {}},
    {"Hexadecimal", Mode::fixed, L"0x10", fixed(0), {}},
    {"LongestPauseBeyond31Bits", Mode::random, L"3000000", random(wrapped(3000000LL * 1000)), {}},
    {"LongestPauseWrapsTwice",
     Mode::random,
     L"9999999999",
     random(wrapped(static_cast<int32_t>(static_cast<uint32_t>(9999999999LL)) * 1000LL)),
     {}},
};

using OutOfRangeNumber = TextThatConverts;

TEST_P(OutOfRangeNumber, ClicksAsItConverts) {
  startStopAndTidy();
}

INSTANTIATE_TEST_SUITE_P(Hostile, OutOfRangeNumber, testing::ValuesIn(outOfRange), nameOf<TextCase>);

// How each mode is set up: the list's shortest interval, or the random mode with a longest pause.
struct ModeCase {
  const char* name;
  Expected expected;
  std::wstring longestPause;
  // The random mode starts while the timer's clicks go on, so both run at once.
  bool fixedFirst = false;
};

const ModeCase modes[] = {
    {"Fixed10ms", fixed(10), L""},
    {"RandomUpTo1s", random(1000), L"1"},
    {"RandomNoPauses", random(0), L"0"},
};

class ModeFixture : public Hostile, public testing::WithParamInterface<ModeCase> {
 protected:
  void setUpMode() {
    if (GetParam().expected.mode == Mode::fixed) {
      selectItem(control(Control::组合框_点击间隔), 0);
      ASSERT_EQ(controlText(control(Control::组合框_点击间隔)), L"0.01");
    } else {
      ASSERT_NO_FATAL_FAILURE(useRandomMode(GetParam().longestPause));
    }
  }
};

// A hundred presses in about a second. In the random mode each start press runs a loop nested in the
// pause of the one before, fifty deep.
using HotkeyStorm = ModeFixture;

TEST_P(HotkeyStorm, LeavesItStoppedAndStillWorking) {
  const Expected& e = GetParam().expected;
  ASSERT_NO_FATAL_FAILURE(setUpMode());
  ASSERT_NO_FATAL_FAILURE(aimAt(e));
  for (int press = 1; press <= 100; ++press) {
    pressKey(VK_F8);
    pumpMessagesFor(10);
    if (press % 25 == 0) {
      ASSERT_TRUE(answers(mainWindow())) << "no answer after " << press << " presses";
    }
  }
  ASSERT_TRUE(captionBecomes(mainWindow(), stoppedCaption)) << "an even number of presses";
  // Presses still on their way would change the caption again.
  pumpMessagesFor(settleTime);
  EXPECT_EQ(windowText(mainWindow()), stoppedCaption);
  ASSERT_NO_FATAL_FAILURE(expectNoMoreClicks());

  ASSERT_NO_FATAL_FAILURE(startAndExpectClicks(e));
  ASSERT_NO_FATAL_FAILURE(pressAgainAndExpectQuiet(e));
}

INSTANTIATE_TEST_SUITE_P(Hostile, HotkeyStorm, testing::ValuesIn(modes), nameOf<ModeCase>);

// Closing while clicking ends the program at once and cleanly, with no click after it.
class CloseWhileClicking : public ModeFixture {
 protected:
  void startAndSeeClicks(const Expected& e) {
    ASSERT_NO_FATAL_FAILURE(aimAt(e));
    pressKey(VK_F8);
    ASSERT_TRUE(captionBecomes(mainWindow(), startedCaption));
    if (clicksFast(e)) {
      ASSERT_GE(clicksOnTargetWithin(300), 1u) << "it never clicked";
    } else {
      ASSERT_TRUE(waitUntil([&] { return !target_.leftPresses().empty(); }, 2000)) << "it never clicked";
    }
  }
};

TEST_P(CloseWhileClicking, EndsWithoutAnotherClick) {
  const ModeCase& c = GetParam();
  if (c.fixedFirst) {
    selectItem(control(Control::组合框_点击间隔), 0);
    ASSERT_NO_FATAL_FAILURE(startAndSeeClicks(fixed(10)));
    // A caption of the test's own shows that the next press set it again.
    SetWindowTextW(mainWindow(), L"-");
    ASSERT_TRUE(captionBecomes(mainWindow(), L"-"));
  }
  ASSERT_NO_FATAL_FAILURE(setUpMode());
  ASSERT_NO_FATAL_FAILURE(startAndSeeClicks(c.expected));

  PostMessageW(mainWindow(), WM_CLOSE, 0, 0);
  // The pump keeps taking the clicks in while the program ends.
  EXPECT_TRUE(waitUntil([&] { return !clicker_.isRunning(); }, 5000)) << "it did not end within 5 s";
  EXPECT_EQ(clicker_.close(), 0u);
  ASSERT_NO_FATAL_FAILURE(expectNoMoreClicks());
}

const ModeCase closeModes[] = {
    modes[0],
    modes[1],
    modes[2],
    {"FixedThenRandom", random(1000), L"1", true},
};

INSTANTIATE_TEST_SUITE_P(Hostile, CloseWhileClicking, testing::ValuesIn(closeModes), nameOf<ModeCase>);

}  // namespace
}  // namespace e2e
