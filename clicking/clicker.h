#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace clicking {

// What a press of the start/stop hotkey does, and the clicks of the fixed-interval mode.
class Clicker {
 public:
  explicit Clicker(platform::Platform& platform) : platform_(platform) {}

  // The identifier of the registered start/stop hotkey, 0 when none is registered.
  int32_t hotkeyId = 0;

  void onHotkeyNotification(int32_t id, int32_t extra);
  void onClickTimerTick();

 private:
  void toggleFixedInterval();
  void clickAtCursor();

  platform::Platform& platform_;
};

}  // namespace clicking
