#pragma once

#include <windows.h>

#include <span>

namespace platform {

// The window's own keys, seen before any control gets them: Esc closes the window as its close
// button does, and Tab and Shift+Tab move the focus along the tab stops, wrapping round. Says
// whether the message was one of these and has been handled.
bool handleWindowKeys(const MSG& message, HWND window, std::span<const HWND> tabStops);

}  // namespace platform
