#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace clicking {

// What a press of the start/stop hotkey does: it toggles the fixed-interval mode, whose clicks
// come from the click timer, or the random-interval mode, which clicks in a loop of its own.
class Clicker {
 public:
  explicit Clicker(platform::Platform& platform) : platform_(platform) {}

  // The identifier of the registered start/stop hotkey, 0 when none is registered.
  int32_t hotkeyId = 0;

  void onHotkeyNotification(int32_t id, int32_t extra);
  void onClickTimerTick();

 private:
  void toggleFixedInterval();
  void toggleRandomClicking();
  void clickAtCursor();

  platform::Platform& platform_;
  // 1 while the random-interval mode runs. A press handled inside one of its pauses clears it.
  int32_t randomRunning = 0;
};

}  // namespace clicking
