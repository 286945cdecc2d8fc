#include "app/main_window_layout.h"

#include "app/decimal_input.h"

#include <array>
#include <string_view>

namespace app {
namespace {

using platform::Control;
using platform::ControlEvent;
using platform::ControlKind;
using Items = std::span<const std::u8string_view>;

constexpr std::array<std::u8string_view, 2> buttonItems{u8"左键", u8"右键"};
constexpr std::array<std::u8string_view, 18> intervalItems{
    u8"0.01", u8"0.02", u8"0.03", u8"0.04", u8"0.05", u8"0.1", u8"0.2", u8"0.5", u8"1",
    u8"2",    u8"3",    u8"4",    u8"5",    u8"6",    u8"7",   u8"8",   u8"9",   u8"10"};
constexpr std::array<std::u8string_view, 12> hotkeyItems{u8"F1", u8"F2", u8"F3", u8"F4",  u8"F5",  u8"F6",
                                                         u8"F7", u8"F8", u8"F9", u8"F10", u8"F11", u8"F12"};

constexpr auto group = Control::分组框1;

// Listed in stacking order within each parent, topmost first; the edit boxes and the "秒" labels
// lie above the wide check boxes and hide their empty right-hand part.
// clang-format off
constexpr platform::ControlDescription controls[] = {
  // name                     kind                        parent  left top  w    h     text                                              items                selected  event
  {Control::选择框_总在最前,   ControlKind::checkBox,       group, {136, 15, 128, 20}, u8"总在最前显示",                              {},                  0, ControlEvent::alwaysOnTopClicked},
  {Control::超级链接框1,       ControlKind::linkLabel,      {},    {104, 216, 192, 16}, u8"访问项目主页",                              {},                  0, ControlEvent::none},
  {Control::标签10,            ControlKind::redLabel,       {},    {5, 193, 280, 16},  u8"4、按下设置好的热键即可启动\\停止鼠标点击了", {},                  0, ControlEvent::none},
  {Control::标签9,             ControlKind::redLabel,       {},    {5, 177, 280, 16},  u8"3、根据需要设置启动热键，默认为F8",         {},                  0, ControlEvent::none},
  {Control::标签8,             ControlKind::redLabel,       {},    {5, 160, 280, 16},  u8"2、根据需要选择点击间隔，也可自定义间隔",   {},                  0, ControlEvent::none},
  {Control::标签7,             ControlKind::redLabel,       {},    {5, 143, 280, 16},  u8"1、根据需要选择好左键或右键点击",           {},                  0, ControlEvent::none},
  {Control::标签6,             ControlKind::label,          {},    {5, 125, 56, 16},   u8"使用说明：",                                {},                  0, ControlEvent::none},
  {Control::标签5,             ControlKind::label,          group, {228, 96, 32, 16},  u8"秒",                                        {},                  0, ControlEvent::none},
  {Control::编辑框_随机时间,   ControlKind::decimalEdit,    group, {190, 95, 32, 18},  u8"1",                                         {},                  0, ControlEvent::none},
  {Control::选择框_随机时间,   ControlKind::checkBox,       group, {12, 96, 224, 20},  u8"启用随机间隔时间，最大时间",                {},                  0, ControlEvent::none},
  {Control::标签4,             ControlKind::label,          group, {169, 72, 32, 16},  u8"秒",                                        {},                  0, ControlEvent::none},
  {Control::编辑框_自定义间隔, ControlKind::decimalEdit,    group, {132, 71, 32, 18},  u8"1",                                         {},                  0, ControlEvent::none},
  {Control::选择框_自定义间隔, ControlKind::checkBox,       group, {12, 73, 224, 16},  u8"自定义点击间隔：",                          {},                  0, ControlEvent::none},
  {Control::组合框_热键,       ControlKind::dropDownList,   group, {77, 42, 50, 23},   {},                                            Items(hotkeyItems),  7, ControlEvent::listItemSelected},
  {Control::标签3,             ControlKind::label,          group, {11, 43, 56, 16},   u8"热键设置：",                                {},                  0, ControlEvent::none},
  {Control::组合框_点击间隔,   ControlKind::dropDownList,   group, {225, 42, 50, 23},  {},                                            Items(intervalItems), 5, ControlEvent::none},
  {Control::标签2,             ControlKind::label,          group, {136, 43, 88, 16},  u8"每次点击间隔：",                            {},                  0, ControlEvent::none},
  {Control::组合框_点击类型,   ControlKind::dropDownList,   group, {76, 14, 50, 23},   {},                                            Items(buttonItems),  0, ControlEvent::none},
  {Control::标签1,             ControlKind::label,          group, {12, 16, 59, 16},   u8"点击类型：",                                {},                  0, ControlEvent::none},
  {Control::分组框1,           ControlKind::groupBox,       {},    {5, 1, 291, 121},   {},                                            {},                  0, ControlEvent::none},
  // Hidden outside the client area: it receives the hotkey presses and raises their event.
  {Control::反馈标签,          ControlKind::label,          {},    {488, 354, 40, 16}, u8"标签",                                      {},                  0, ControlEvent::hotkeyFeedback},
};
// clang-format on

constexpr Control tabOrder[] = {
    Control::组合框_点击类型,   Control::组合框_点击间隔,   Control::组合框_热键,
    Control::选择框_自定义间隔, Control::编辑框_自定义间隔, Control::选择框_随机时间,
    Control::编辑框_随机时间,   Control::选择框_总在最前,
};

}  // namespace

const platform::WindowDescription mainWindowLayout{
    .caption = u8"鼠标连点器",
    .outerWidth = 306,
    .outerHeight = 262,
    .controls = controls,
    .tabOrder = tabOrder,
    .decimalInput = {acceptsTypedCharacter, tidiedDecimalText},
    .linkAddress = u8"" CLICKER_HOME_PAGE,
};

}  // namespace app
