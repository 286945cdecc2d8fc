// How the controls look: their styles, stacking, lists, font and colours on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/message_pump.h"
#include "tests/e2e/mouse.h"
#include "tests/e2e/screen_capture.h"

namespace e2e {
namespace {

using platform::Control;
using Appearance = ClickerFixture;
using UniqueWindow = platform::Unique<HWND, &DestroyWindow>;

const std::vector<Control> labels{Control::标签1, Control::标签2,  Control::标签3,      Control::标签4,
                                  Control::标签5, Control::标签6,  Control::标签7,      Control::标签8,
                                  Control::标签9, Control::标签10, Control::超级链接框1};
const std::vector<Control> checkBoxes{Control::选择框_总在最前, Control::选择框_自定义间隔,
                                      Control::选择框_随机时间};
const std::vector<Control> lists{Control::组合框_点击类型, Control::组合框_点击间隔, Control::组合框_热键};
const std::vector<Control> editBoxes{Control::编辑框_自定义间隔, Control::编辑框_随机时间};

struct StyleBits {
  const char* name;
  DWORD mask;
  DWORD value;  // the masked bits must equal this
  bool extended;
};

struct KindStyles {
  const char* kind;
  std::vector<Control> controls;
  std::vector<StyleBits> bits;
};

// An edit box takes WS_BORDER out of its style as it is made, so its border is checked on the screen.
TEST_F(Appearance, EachKindOfControlHasItsStyles) {
  const KindStyles kinds[] = {
      {"label",
       labels,
       {{"SS_NOPREFIX", SS_NOPREFIX, SS_NOPREFIX, false},
        {"SS_CENTERIMAGE", SS_CENTERIMAGE, SS_CENTERIMAGE, false},
        {"no WS_TABSTOP", WS_TABSTOP, 0, false}}},
      {"check box",
       checkBoxes,
       {{"BS_AUTOCHECKBOX", BS_TYPEMASK, BS_AUTOCHECKBOX, false},
        {"BS_MULTILINE", BS_MULTILINE, BS_MULTILINE, false},
        {"BS_LEFT", BS_CENTER, BS_LEFT, false},
        {"BS_VCENTER", BS_VCENTER, BS_VCENTER, false},
        {"WS_TABSTOP", WS_TABSTOP, WS_TABSTOP, false}}},
      {"list",
       lists,
       {{"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST | CBS_DROPDOWN | CBS_SIMPLE, CBS_DROPDOWNLIST, false},
        {"no CBS_SORT", CBS_SORT, 0, false},
        {"WS_TABSTOP", WS_TABSTOP, WS_TABSTOP, false}}},
      {"edit box",
       editBoxes,
       {{"ES_CENTER", ES_CENTER | ES_RIGHT, ES_CENTER, false},
        {"ES_AUTOHSCROLL", ES_AUTOHSCROLL, ES_AUTOHSCROLL, false},
        {"no ES_PASSWORD", ES_PASSWORD, 0, false},
        {"WS_TABSTOP", WS_TABSTOP, WS_TABSTOP, false},
        {"no WS_EX_CLIENTEDGE", WS_EX_CLIENTEDGE, 0, true}}},
      {"group box",
       {Control::分组框1},
       {{"BS_GROUPBOX", BS_TYPEMASK, BS_GROUPBOX, false}, {"no WS_TABSTOP", WS_TABSTOP, 0, false}}},
  };
  for (const KindStyles& kind : kinds) {
    for (const Control name : kind.controls) {
      SCOPED_TRACE(testing::Message() << kind.kind << " " << static_cast<int>(name));
      const HWND handle = control(name);
      ASSERT_NE(handle, nullptr);
      const auto style = static_cast<DWORD>(GetWindowLongW(handle, GWL_STYLE));
      const auto extendedStyle = static_cast<DWORD>(GetWindowLongW(handle, GWL_EXSTYLE));
      for (const StyleBits& bits : kind.bits) {
        EXPECT_EQ((bits.extended ? extendedStyle : style) & bits.mask, bits.value) << bits.name;
      }
    }
  }
}

// Counted from the top of the group box's children.
int stackingPlace(HWND child) {
  int place = 0;
  for (HWND above = GetWindow(child, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
    ++place;
  }
  return place;
}

// The edit boxes and the "秒" labels cover the empty right-hand part of the wide check boxes.
TEST_F(Appearance, BoxesAndUnitLabelsLieAboveTheWideCheckBoxes) {
  struct Pair {
    const char* name;
    Control above;
    Control below;
  };
  const Pair pairs[] = {
      {"编辑框_自定义间隔 over 选择框_自定义间隔", Control::编辑框_自定义间隔, Control::选择框_自定义间隔},
      {"标签4 over 选择框_自定义间隔", Control::标签4, Control::选择框_自定义间隔},
      {"编辑框_随机时间 over 选择框_随机时间", Control::编辑框_随机时间, Control::选择框_随机时间},
      {"标签5 over 选择框_随机时间", Control::标签5, Control::选择框_随机时间},
  };
  for (const Pair& pair : pairs) {
    EXPECT_LT(stackingPlace(control(pair.above)), stackingPlace(control(pair.below))) << pair.name;
  }
}

std::wstring clickerPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"clicker.exe";
}

void releaseActivationContext(HANDLE context) {
  if (context != INVALID_HANDLE_VALUE) {
    ReleaseActCtx(context);
  }
}

// A list of the test's own made as the clicker makes its lists: 160 pixels tall with the default GUI
// font, from the common-controls version the clicker's manifest chooses.
class ReferenceList {
 public:
  ReferenceList() {
    const std::wstring source = clickerPath();
    ACTCTXW description{};
    description.cbSize = sizeof description;
    description.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = source.c_str();
    description.lpResourceName = MAKEINTRESOURCEW(1);
    const platform::Unique<HANDLE, &releaseActivationContext> context(CreateActCtxW(&description));
    ULONG_PTR cookie = 0;
    if (context.get() == INVALID_HANDLE_VALUE || !ActivateActCtx(context.get(), &cookie)) {
      return;
    }
    parent_.reset(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    list_.reset(CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 50, 160,
                                parent_.get(), nullptr, GetModuleHandleW(nullptr), nullptr));
    DeactivateActCtx(0, cookie);
    SendMessageW(list_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }

  HWND get() const { return list_.get(); }

 private:
  UniqueWindow parent_;
  UniqueWindow list_;  // destroyed before its parent
};

int rowHeight(HWND list) {
  return static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
}

TEST_F(Appearance, ListRowsAreOnePixelTallerThanUsual) {
  ReferenceList reference;
  ASSERT_NE(reference.get(), nullptr);
  const int usual = rowHeight(reference.get());
  ASSERT_GT(usual, 0);
  if (SendMessageW(reference.get(), CB_SETITEMHEIGHT, 0, usual + 1) == CB_ERR) {
    GTEST_SKIP() << "this system keeps the row height of lists that are not drawn by their owner";
  }
  for (const Control name : lists) {
    EXPECT_EQ(rowHeight(control(name)), usual + 1) << "list " << static_cast<int>(name);
  }
}

// The lists are made 160 pixels tall, which is how far they drop. Systems differ on whether the
// dropped rectangle counts the selection field, so it is compared with a list of the test's own.
TEST_F(Appearance, ListsDropAsFarAsAListMade160PixelsTall) {
  ReferenceList reference;
  ASSERT_NE(reference.get(), nullptr);
  RECT expected{};
  SendMessageW(reference.get(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&expected));
  ASSERT_GT(expected.bottom - expected.top, 0);
  for (const Control name : lists) {
    RECT dropped{};
    SendMessageW(control(name), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, expected.bottom - expected.top)
        << "list " << static_cast<int>(name);
  }
}

bool isRed(COLORREF c) {
  return GetRValue(c) >= 200 && GetGValue(c) <= 60 && GetBValue(c) <= 60;
}
bool isDark(COLORREF c) {
  return GetRValue(c) <= 60 && GetGValue(c) <= 60 && GetBValue(c) <= 60;
}
bool isLinkBlue(COLORREF c) {
  return GetRValue(c) <= 60 && GetGValue(c) <= 60 && GetBValue(c) >= 200;
}
// Near RGB(51, 153, 255), the colour of the link under the mouse.
bool isHoverBlue(COLORREF c) {
  return GetRValue(c) >= 21 && GetRValue(c) <= 81 && GetGValue(c) >= 123 && GetGValue(c) <= 183 &&
         GetBValue(c) >= 215;
}

struct Ink {
  const char* name;
  bool (*test)(COLORREF);
};
const Ink red{"red", isRed};
const Ink dark{"black", isDark};
const Ink linkBlue{"link blue", isLinkBlue};
const Ink hoverBlue{"hover blue", isHoverBlue};

RECT screenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The width and height of what is drawn over the background.
struct InkExtent {
  LONG width;
  LONG height;
};

// With `afterBox`, a check box's square and the gap after it are left out, so only its text counts.
std::optional<InkExtent> inkExtent(const Pixels& pixels, const RECT& region, COLORREF background,
                                   bool afterBox = false) {
  const auto columnHasInk = [&](LONG x) {
    return pixels.count({x, region.top, x + 1, region.bottom}, [&](COLORREF c) { return c != background; }) >
           0;
  };
  LONG left = region.left;
  if (afterBox) {
    while (left < region.right && !columnHasInk(left)) {
      ++left;
    }
    while (left < region.right && columnHasInk(left)) {
      ++left;
    }
  }
  while (left < region.right && !columnHasInk(left)) {
    ++left;
  }
  LONG right = region.right;
  while (right > left && !columnHasInk(right - 1)) {
    --right;
  }
  const auto rowHasInk = [&](LONG y) {
    return pixels.count({left, y, right, y + 1}, [&](COLORREF c) { return c != background; }) > 0;
  };
  LONG top = region.top;
  while (top < region.bottom && !rowHasInk(top)) {
    ++top;
  }
  LONG bottom = region.bottom;
  while (bottom > top && !rowHasInk(bottom - 1)) {
    --bottom;
  }
  if (left >= right || top >= bottom) {
    return std::nullopt;
  }
  return InkExtent{right - left, bottom - top};
}

InkExtent drawnWithTheDefaultGuiFont(const std::wstring& text) {
  const Pixels drawing = Pixels::drawn({600, 60}, [&](HDC dc) {
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
  });
  return inkExtent(drawing, drawing.area(), RGB(255, 255, 255)).value_or(InkExtent{0, 0});
}

class AppearanceOnScreen : public ClickerFixture {
 protected:
  // The window in front, the mouse away from it, and every control painted.
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ClickerFixture::SetUp());
    moveMouseTo({5, 5});
    SetForegroundWindow(mainWindow());
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == mainWindow(); }));
    ASSERT_TRUE(waitUntil([&] { return painted(); })) << "the window was never painted";
  }

  Pixels captureWindow() const {
    RECT client{};
    GetClientRect(mainWindow(), &client);
    MapWindowPoints(mainWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    return Pixels::ofScreen(client);
  }

  // Until a control has painted itself its place on the screen is plain black.
  bool painted() const {
    const Pixels capture = captureWindow();
    for (int id = static_cast<int>(Control::分组框1); id < static_cast<int>(Control::反馈标签); ++id) {
      if (capture.count(screenRect(control(static_cast<Control>(id))), [](COLORREF c) { return c != 0; }) ==
          0) {
        return false;
      }
    }
    return !capture.empty();
  }

  int inkPixels(const Pixels& capture, Control name, const Ink& ink) const {
    return capture.count(screenRect(control(name)), ink.test);
  }

  // Painting happens in the clicker's own time, so the screen is read until the ink appears.
  testing::AssertionResult inkShows(Control name, const Ink& ink) const {
    if (waitUntil([&] { return inkPixels(captureWindow(), name, ink) > 0; })) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "no " << ink.name << " pixels in control " << static_cast<int>(name);
  }
};

TEST_F(AppearanceOnScreen, InstructionLinesAreRedUnderABlackHeading) {
  struct Expected {
    Control label;
    const Ink& shown;
    const Ink& notShown;
  };
  const Expected expected[] = {
      {Control::标签6, dark, red}, {Control::标签7, red, dark},  {Control::标签8, red, dark},
      {Control::标签9, red, dark}, {Control::标签10, red, dark},
  };
  for (const Expected& label : expected) {
    EXPECT_TRUE(inkShows(label.label, label.shown));
  }
  const Pixels capture = captureWindow();
  ASSERT_FALSE(capture.empty());
  for (const Expected& label : expected) {
    EXPECT_EQ(inkPixels(capture, label.label, label.notShown), 0)
        << label.notShown.name << " pixels in control " << static_cast<int>(label.label);
  }
}

TEST_F(AppearanceOnScreen, LinkTurnsLighterBlueUnderTheMouse) {
  const Control link = Control::超级链接框1;
  ASSERT_TRUE(inkShows(link, linkBlue));
  EXPECT_EQ(inkPixels(captureWindow(), link, hoverBlue), 0);

  moveMouseTo(centreOf(control(link)));
  ASSERT_TRUE(inkShows(link, hoverBlue));
  EXPECT_EQ(inkPixels(captureWindow(), link, linkBlue), 0);
}

// Most of each label and check box is its background, which must be the window's button face.
TEST_F(AppearanceOnScreen, LabelsAndCheckBoxesLieOnTheButtonFace) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Pixels capture = captureWindow();
  ASSERT_FALSE(capture.empty());
  std::vector<Control> controls = labels;
  controls.insert(controls.end(), checkBoxes.begin(), checkBoxes.end());
  for (const Control name : controls) {
    const RECT rect = screenRect(control(name));
    const int area = (rect.right - rect.left) * (rect.bottom - rect.top);
    EXPECT_GT(capture.count(rect, [&](COLORREF c) { return c == face; }), area / 2)
        << "control " << static_cast<int>(name);
  }
}

// The edit boxes drop WS_BORDER from their style and draw its line themselves: a line all round,
// with the white inside right next to it.
TEST_F(AppearanceOnScreen, EditBoxesAreFramedByALine) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF inside = GetSysColor(COLOR_WINDOW);
  const Pixels capture = captureWindow();
  ASSERT_FALSE(capture.empty());
  for (const Control name : editBoxes) {
    SCOPED_TRACE(testing::Message() << "edit box " << static_cast<int>(name));
    const RECT rect = screenRect(control(name));
    const LONG middle = (rect.top + rect.bottom) / 2;
    const LONG nearLeft = rect.left + 3;
    struct Side {
      const char* name;
      POINT line;
      POINT within;
    };
    const Side sides[] = {
        {"left", {rect.left, middle}, {rect.left + 1, middle}},
        {"right", {rect.right - 1, middle}, {rect.right - 2, middle}},
        {"top", {nearLeft, rect.top}, {nearLeft, rect.top + 1}},
        {"bottom", {nearLeft, rect.bottom - 1}, {nearLeft, rect.bottom - 2}},
    };
    for (const Side& side : sides) {
      const COLORREF line = capture.pixel(side.line);
      EXPECT_TRUE(line != face && line != inside) << side.name << " line missing";
      EXPECT_EQ(capture.pixel(side.within), inside) << side.name << " line is more than one pixel wide";
    }
  }
}

// Every control's text is exactly as wide and as tall on the screen as in the default GUI font; the
// other stock fonts come out one to several pixels wider or taller. Not every system answers
// WM_GETFONT for another process's window, so the screen is compared.
TEST_F(AppearanceOnScreen, TextIsInTheDefaultGuiFont) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF white = GetSysColor(COLOR_WINDOW);
  struct TextPlace {
    Control name;
    RECT region;
    COLORREF background;
    bool afterBox;
  };
  std::vector<TextPlace> places;
  for (const Control name : labels) {
    places.push_back({name, screenRect(control(name)), face, false});
  }
  // The wide check boxes end where the controls lying over them begin.
  for (const Control name : checkBoxes) {
    RECT text = screenRect(control(name));
    for (const Control over : {Control::编辑框_自定义间隔, Control::编辑框_随机时间}) {
      RECT overlap{};
      const RECT covering = screenRect(control(over));
      if (IntersectRect(&overlap, &text, &covering)) {
        text.right = covering.left;
      }
    }
    places.push_back({name, text, face, true});
  }
  // Inside the border, and for a list left of its button.
  for (const Control name : editBoxes) {
    RECT inner = screenRect(control(name));
    InflateRect(&inner, -2, -2);
    places.push_back({name, inner, white, false});
  }
  for (const Control name : lists) {
    RECT field = screenRect(control(name));
    InflateRect(&field, -3, -3);
    field.right -= GetSystemMetrics(SM_CXVSCROLL);
    places.push_back({name, field, white, false});
  }

  const Pixels capture = captureWindow();
  ASSERT_FALSE(capture.empty());
  for (const TextPlace& place : places) {
    const std::wstring text = controlText(control(place.name));
    SCOPED_TRACE(testing::Message() << "control " << static_cast<int>(place.name) << " \"" << text << "\"");
    const auto shown = inkExtent(capture, place.region, place.background, place.afterBox);
    ASSERT_TRUE(shown.has_value()) << "no text on the screen";
    const InkExtent expected = drawnWithTheDefaultGuiFont(text);
    EXPECT_EQ(shown->width, expected.width);
    EXPECT_EQ(shown->height, expected.height);
  }
}

}  // namespace
}  // namespace e2e
