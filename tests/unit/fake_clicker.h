#pragma once

#include <cstdint>

#include "clicking/clicker.h"
#include "fake_platform.h"

// A clicker over a fake platform, with its hotkey registered under the first identifier.
struct FakeClicker {
  static constexpr int32_t hotkey = 33001;

  FakeClicker() { clicker.hotkeyId = hotkey; }
  void press() { clicker.onHotkeyNotification(hotkey, 0); }

  FakePlatform fake;
  clicking::Clicker clicker{fake};
};
