#include "platform/win32_keyboard_navigation.h"

namespace platform {
namespace {

void moveFocus(std::span<const HWND> tabStops, bool backward) {
  const int count = static_cast<int>(tabStops.size());
  const HWND focus = GetFocus();
  int current = backward ? count : -1;
  for (int i = 0; i < count; ++i) {
    if (tabStops[i] == focus || IsChild(tabStops[i], focus)) {
      current = i;
    }
  }
  const int step = backward ? count - 1 : 1;
  for (int next = (current + step + count) % count, tried = 0; tried < count;
       next = (next + step) % count, ++tried) {
    const HWND candidate = tabStops[next];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      // An edit box reached by Tab has its text selected, ready to be typed over.
      if (SendMessageW(candidate, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(candidate, EM_SETSEL, 0, -1);
      }
      return;
    }
  }
}

}  // namespace

bool handleWindowKeys(const MSG& message, HWND window, std::span<const HWND> tabStops) {
  if (message.message != WM_KEYDOWN || window == nullptr ||
      (message.hwnd != window && !IsChild(window, message.hwnd))) {
    return false;
  }
  switch (message.wParam) {
    case VK_ESCAPE:
      SendMessageW(window, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:
      if (!tabStops.empty()) {
        moveFocus(tabStops, GetKeyState(VK_SHIFT) < 0);
      }
      return true;
  }
  return false;
}

}  // namespace platform
