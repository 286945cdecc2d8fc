// The main window as it first appears: caption, frame, and every control with its place and value.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/clicker_fixture.h"
#include "tests/e2e/control_access.h"

namespace e2e {
namespace {

using platform::Control;
using InitialWindow = ClickerFixture;

TEST_F(InitialWindow, CaptionReadsTheProgramName) {
  EXPECT_EQ(windowText(mainWindow()), idleCaption);
}

TEST_F(InitialWindow, OuterSizeIsFixedAndTheWindowIsCentred) {
  const int width = 306;
  const int height = 262;
  const Place expected{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                       (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
  EXPECT_EQ(placeOnScreen(mainWindow()), expected);
}

TEST_F(InitialWindow, FrameCanBeMinimisedButNotResizedOrMaximised) {
  struct Style {
    const char* name;
    LONG bits;
    bool present;
  };
  const Style styles[] = {
      {"WS_CAPTION", WS_CAPTION, true},
      {"WS_SYSMENU", WS_SYSMENU, true},
      {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true},
      {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, true},
      {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
      {"WS_THICKFRAME", WS_THICKFRAME, false},
      {"WS_POPUP", static_cast<LONG>(WS_POPUP), false},
      {"WS_CHILD", WS_CHILD, false},
  };
  const LONG style = GetWindowLongW(mainWindow(), GWL_STYLE);
  for (const Style& expected : styles) {
    EXPECT_EQ((style & expected.bits) == expected.bits, expected.present) << expected.name;
  }
  EXPECT_EQ(GetWindowLongW(mainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "WS_EX_TOPMOST";
}

enum class Kind { groupBox, label, comboBox, checkBox, editBox };

struct ExpectedControl {
  const char* name;
  Control id;
  bool inGroupBox;
  Kind kind;
  Place place;  // a combo box's height is that of its dropped-down list, so it is not compared
  std::wstring text;
  std::vector<std::wstring> items;
  int selectedItem;
};

const std::vector<std::wstring> buttonItems{L"左键", L"右键"};
const std::vector<std::wstring> intervalItems{L"0.01", L"0.02", L"0.03", L"0.04", L"0.05", L"0.1",
                                              L"0.2",  L"0.5",  L"1",    L"2",    L"3",    L"4",
                                              L"5",    L"6",    L"7",    L"8",    L"9",    L"10"};
const std::vector<std::wstring> hotkeyItems{L"F1", L"F2", L"F3", L"F4",  L"F5",  L"F6",
                                            L"F7", L"F8", L"F9", L"F10", L"F11", L"F12"};

// clang-format off
const ExpectedControl expectedControls[] = {
    {"分组框1", Control::分组框1, false, Kind::groupBox, {5, 1, 291, 121}, L"", {}, -1},
    {"标签1", Control::标签1, true, Kind::label, {12, 16, 59, 16}, L"点击类型：", {}, -1},
    {"组合框_点击类型", Control::组合框_点击类型, true, Kind::comboBox, {76, 14, 50, 0}, L"左键", buttonItems, 0},
    {"标签2", Control::标签2, true, Kind::label, {136, 43, 88, 16}, L"每次点击间隔：", {}, -1},
    {"组合框_点击间隔", Control::组合框_点击间隔, true, Kind::comboBox, {225, 42, 50, 0}, L"0.1", intervalItems, 5},
    {"标签3", Control::标签3, true, Kind::label, {11, 43, 56, 16}, L"热键设置：", {}, -1},
    {"组合框_热键", Control::组合框_热键, true, Kind::comboBox, {77, 42, 50, 0}, L"F8", hotkeyItems, 7},
    {"选择框_总在最前", Control::选择框_总在最前, true, Kind::checkBox, {136, 15, 128, 20}, L"总在最前显示", {}, -1},
    {"选择框_自定义间隔", Control::选择框_自定义间隔, true, Kind::checkBox, {12, 73, 224, 16}, L"自定义点击间隔：", {}, -1},
    {"编辑框_自定义间隔", Control::编辑框_自定义间隔, true, Kind::editBox, {132, 71, 32, 18}, L"1", {}, -1},
    {"标签4", Control::标签4, true, Kind::label, {169, 72, 32, 16}, L"秒", {}, -1},
    {"选择框_随机时间", Control::选择框_随机时间, true, Kind::checkBox, {12, 96, 224, 20}, L"启用随机间隔时间，最大时间", {}, -1},
    {"编辑框_随机时间", Control::编辑框_随机时间, true, Kind::editBox, {190, 95, 32, 18}, L"1", {}, -1},
    {"标签5", Control::标签5, true, Kind::label, {228, 96, 32, 16}, L"秒", {}, -1},
    {"标签6", Control::标签6, false, Kind::label, {5, 125, 56, 16}, L"使用说明：", {}, -1},
    {"标签7", Control::标签7, false, Kind::label, {5, 143, 280, 16}, L"1、根据需要选择好左键或右键点击", {}, -1},
    {"标签8", Control::标签8, false, Kind::label, {5, 160, 280, 16}, L"2、根据需要选择点击间隔，也可自定义间隔", {}, -1},
    {"标签9", Control::标签9, false, Kind::label, {5, 177, 280, 16}, L"3、根据需要设置启动热键，默认为F8", {}, -1},
    {"标签10", Control::标签10, false, Kind::label, {5, 193, 280, 16}, L"4、按下设置好的热键即可启动\\停止鼠标点击了", {}, -1},
    {"超级链接框1", Control::超级链接框1, false, Kind::label, {104, 216, 192, 16}, L"访问项目主页", {}, -1},
    {"反馈标签", Control::反馈标签, false, Kind::label, {488, 354, 40, 16}, L"标签", {}, -1},
};
// clang-format on

// The window class, and for buttons and combo boxes the type bits that make them behave as they look.
void expectKind(HWND control, Kind kind) {
  const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
  switch (kind) {
    case Kind::groupBox:
      EXPECT_EQ(className(control), L"Button");
      EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
      break;
    case Kind::checkBox:
      EXPECT_EQ(className(control), L"Button");
      EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
      break;
    case Kind::comboBox:
      EXPECT_EQ(className(control), L"ComboBox");
      EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
      break;
    case Kind::label:
      EXPECT_EQ(className(control), L"Static");
      break;
    case Kind::editBox:
      EXPECT_EQ(className(control), L"Edit");
      break;
  }
}

TEST_F(InitialWindow, EveryControlHasItsParentPlaceTextAndValue) {
  const HWND groupBox = GetDlgItem(mainWindow(), static_cast<int>(Control::分组框1));
  ASSERT_NE(groupBox, nullptr);
  for (const ExpectedControl& expected : expectedControls) {
    SCOPED_TRACE(expected.name);
    const HWND parent = expected.inGroupBox ? groupBox : mainWindow();
    const HWND control = GetDlgItem(parent, static_cast<int>(expected.id));
    ASSERT_NE(control, nullptr) << "not a child of "
                                << (expected.inGroupBox ? "the group box" : "the window");
    expectKind(control, expected.kind);
    EXPECT_TRUE(IsWindowVisible(control));
    Place place = placeInParent(control);
    if (expected.kind == Kind::comboBox) {
      place.height = 0;
    }
    EXPECT_EQ(place, expected.place);
    EXPECT_EQ(controlText(control), expected.text);
    if (expected.kind == Kind::comboBox) {
      EXPECT_EQ(comboItems(control), expected.items);
      EXPECT_EQ(comboSelection(control), expected.selectedItem);
    }
    if (expected.kind == Kind::checkBox) {
      EXPECT_FALSE(isChecked(control));
    }
  }
}

}  // namespace
}  // namespace e2e
