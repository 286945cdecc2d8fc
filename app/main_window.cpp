#include "app/main_window.h"

#include "app/hotkeys.h"

namespace app {

using platform::Control;

void MainWindow::onMainWindowCreated() {
  clicker_.hotkeyId = platform_.claimHotkey(virtualKeyF8);
  lastHotkeyIndex_ = platform_.selectedIndex(Control::组合框_热键);
}

void MainWindow::onMainWindowDestroying() {
  platform_.releaseHotkey(clicker_.hotkeyId);
}

// The list holds F1 to F12 in order. A key that cannot be registered leaves no hotkey, and since
// the index is recorded all the same, choosing that item again does not retry.
void MainWindow::onHotkeyChoiceChanged() {
  const int32_t index = platform_.selectedIndex(Control::组合框_热键);
  if (index == lastHotkeyIndex_) {
    return;
  }
  platform_.releaseHotkey(clicker_.hotkeyId);
  if (index >= 0 && index < functionKeyCount) {
    clicker_.hotkeyId = platform_.claimHotkey(virtualKeyF1 + index);
  }
  lastHotkeyIndex_ = platform_.selectedIndex(Control::组合框_热键);
}

void MainWindow::onAlwaysOnTopClicked() {
  platform_.setAlwaysOnTop(platform_.isChecked(Control::选择框_总在最前));
}

}  // namespace app
