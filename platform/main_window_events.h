#pragma once

#include <cstdint>

namespace platform {

// The events of the main window and its controls, each bound to one handler. They arrive on the
// window's thread, one at a time, except that they nest inside a wait that dispatches events.
class MainWindowEvents {
 public:
  virtual ~MainWindowEvents() = default;

  virtual void onMainWindowCreated() = 0;
  virtual void onMainWindowDestroying() = 0;
  virtual void onAlwaysOnTopClicked() = 0;
  virtual void onHotkeyChoiceChanged() = 0;
  virtual void onHotkeyNotification(int32_t id, int32_t extra) = 0;
  virtual void onClickTimerTick() = 0;
};

}  // namespace platform
