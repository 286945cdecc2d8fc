#include "tests/e2e/message_pump.h"

#include <algorithm>

namespace e2e {
namespace {

// Stops after a while even if messages keep coming, as clicks do from a clicker that pauses 0 ms,
// so a caller's deadline and condition are still checked.
void dispatchWaitingMessages() {
  const ULONGLONG until = GetTickCount64() + 50;
  MSG message;
  while (GetTickCount64() < until && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Waits for a message or until the deadline, in short steps so a caller's condition is checked often.
void waitForMessageUntil(ULONGLONG deadline) {
  const ULONGLONG now = GetTickCount64();
  if (now < deadline) {
    const auto step = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10));
    MsgWaitForMultipleObjectsEx(0, nullptr, step, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace

void pumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  do {
    dispatchWaitingMessages();
    waitForMessageUntil(deadline);
  } while (GetTickCount64() < deadline);
  dispatchWaitingMessages();
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
  for (;;) {
    dispatchWaitingMessages();
    if (condition()) {
      return true;
    }
    if (GetTickCount64() >= deadline) {
      return false;
    }
    waitForMessageUntil(deadline);
  }
}

}  // namespace e2e
