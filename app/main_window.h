#pragma once

#include <cstdint>

#include "clicking/clicker.h"
#include "platform/main_window_events.h"
#include "platform/platform.h"

namespace app {

// The main window's handlers: they turn the window's events into calls of the logic.
class MainWindow final : public platform::MainWindowEvents {
 public:
  explicit MainWindow(platform::Platform& platform) : platform_(platform), clicker_(platform) {}

  void onMainWindowCreated() override;
  void onMainWindowDestroying() override;
  void onAlwaysOnTopClicked() override;
  void onHotkeyChoiceChanged() override;
  void onHotkeyNotification(int32_t id, int32_t extra) override { clicker_.onHotkeyNotification(id, extra); }
  void onClickTimerTick() override { clicker_.onClickTimerTick(); }

  int32_t hotkeyId() const { return clicker_.hotkeyId; }
  int32_t lastHotkeyIndex() const { return lastHotkeyIndex_; }

 private:
  platform::Platform& platform_;
  clicking::Clicker clicker_;
  // The index of the hotkey list when the hotkey was last registered.
  int32_t lastHotkeyIndex_ = 0;
};

}  // namespace app
