#pragma once

// The main window's controls. The values are the controls' window identifiers, so a program
// that drives the window from outside can find each control with GetDlgItem.
namespace platform {

enum class Control : int {
  分组框1 = 1001,
  标签1,
  组合框_点击类型,
  标签2,
  组合框_点击间隔,
  标签3,
  组合框_热键,
  选择框_总在最前,
  选择框_自定义间隔,
  编辑框_自定义间隔,
  标签4,
  选择框_随机时间,
  编辑框_随机时间,
  标签5,
  标签6,
  标签7,
  标签8,
  标签9,
  标签10,
  超级链接框1,
  反馈标签,
};

}  // namespace platform
