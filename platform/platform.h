#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace platform {

enum class MouseButton { left, right };

struct ScreenPoint {
  int32_t x;
  int32_t y;
};

// Everything the logic asks of Windows. All calls are made on the thread that owns the window.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual ScreenPoint cursorPosition() = 0;
  // One press and one release of the button at the point; a failure is ignored by design.
  virtual void clickAt(ScreenPoint where, MouseButton button) = 0;

  // Registers the key, without modifiers, as the main window's global hotkey. Every call takes a
  // new identifier; the result is that identifier, or 0 when the key could not be registered.
  virtual int32_t claimHotkey(int32_t virtualKey) = 0;
  virtual void releaseHotkey(int32_t id) = 0;

  // The click timer ticks every period milliseconds while the period is positive; writing 0 or
  // less stops it and stores 0, writing the stored value again keeps its phase.
  virtual int32_t clickTimerPeriod() = 0;
  virtual void setClickTimerPeriod(int32_t milliseconds) = 0;

  // Handles the events that are already pending, then returns. False once the main window is gone.
  virtual bool dispatchPendingEvents() = 0;
  // Handles events as they arrive, nested in the caller, until milliseconds have passed; returns at
  // once for 0 or less. False once the main window is gone, as soon as it goes.
  virtual bool waitWhileDispatching(int32_t milliseconds) = 0;

  virtual void setAlwaysOnTop(bool on) = 0;
  virtual void setCaption(std::u8string_view caption) = 0;

  virtual bool isChecked(Control checkBox) = 0;
  // -1 when nothing is selected.
  virtual int32_t selectedIndex(Control comboBox) = 0;
  // The control's text as code page 936 bytes, the encoding the number conversions read.
  virtual std::string gbkText(Control control) = 0;
};

}  // namespace platform
