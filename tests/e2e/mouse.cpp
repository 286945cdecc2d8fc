#include "tests/e2e/mouse.h"

#include "tests/e2e/message_pump.h"

namespace e2e {
namespace {

// Absolute input spans the screen in 65536 steps; aiming at the middle of the pixel's span lands on
// that pixel whether the system rounds or truncates.
LONG normalised(LONG pixel, int screenSize) {
  return static_cast<LONG>((2LL * pixel + 1) * 65536 / (2LL * screenSize));
}

INPUT mouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

POINT centreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void moveMouseTo(POINT onScreen) {
  INPUT move = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  move.mi.dx = normalised(onScreen.x, GetSystemMetrics(SM_CXSCREEN));
  move.mi.dy = normalised(onScreen.y, GetSystemMetrics(SM_CYSCREEN));
  SendInput(1, &move, sizeof(INPUT));
  SetCursorPos(onScreen.x, onScreen.y);
}

void leftClickAt(POINT onScreen) {
  moveMouseTo(onScreen);
  INPUT buttons[] = {mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)};
  SendInput(2, buttons, sizeof(INPUT));
}

bool moveMouseToAndKeepItThere(POINT onScreen) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    moveMouseTo(onScreen);
    pumpMessagesFor(30);
    POINT now{};
    GetCursorPos(&now);
    if (now.x == onScreen.x && now.y == onScreen.y) {
      return true;
    }
  }
  return false;
}

}  // namespace e2e
