#pragma once

#include <windows.h>

namespace e2e {

// Presses and releases a key as the keyboard would, so global hotkeys see it.
void pressKey(WORD virtualKey);

}  // namespace e2e
