#include "bench/clicker_session.h"

#include "bench/precise_clock.h"
#include "bench/process_usage.h"
#include "tests/e2e/control_access.h"
#include "tests/e2e/keyboard.h"
#include "tests/e2e/message_pump.h"

namespace bench {

using platform::Control;

ClickerSession::ClickerSession() {
  if (clicker_.window() == nullptr) {
    return;
  }
  GetWindowThreadProcessId(clicker_.window(), &processId_);
  process_.reset(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId_));
}

bool ClickerSession::chooseInterval(const ListInterval& interval) {
  const HWND list = clicker_.control(Control::组合框_点击间隔);
  e2e::selectItem(list, interval.index);
  // The item's text is checked too, so a change to the list cannot make the figures wrong unnoticed.
  const std::string label = interval.label;
  return e2e::comboSelection(list) == interval.index &&
         e2e::controlText(list) == std::wstring(label.begin(), label.end());
}

bool ClickerSession::useRandomMode(const std::wstring& longestSeconds) {
  e2e::setText(clicker_.control(Control::编辑框_随机时间), longestSeconds);
  const HWND box = clicker_.control(Control::选择框_随机时间);
  if (!e2e::isChecked(box)) {
    e2e::click(box);
  }
  return e2e::isChecked(box) &&
         e2e::controlText(clicker_.control(Control::编辑框_随机时间)) == longestSeconds;
}

double ClickerSession::pressHotkey() {
  const double pressed = nowMilliseconds();
  e2e::pressKey(VK_F8);
  return pressed;
}

bool ClickerSession::captionBecomes(const std::wstring& caption, DWORD timeoutMilliseconds) const {
  return e2e::waitUntil([&] { return e2e::windowText(clicker_.window()) == caption; }, timeoutMilliseconds);
}

double ClickerSession::processorMilliseconds() const {
  return usedProcessorMilliseconds(process_.get(), processId_);
}

}  // namespace bench
