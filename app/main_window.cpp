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

void MainWindow::onAlwaysOnTopClicked() {
  platform_.setAlwaysOnTop(platform_.isChecked(Control::选择框_总在最前));
}

}  // namespace app
