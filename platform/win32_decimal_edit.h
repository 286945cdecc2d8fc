#pragma once

#include <windows.h>

#include "platform/window_description.h"

namespace platform {

// Lets only the characters the rules accept be typed into the edit box; pasted text gets in as it is.
void filterDecimalTyping(HWND edit, const DecimalInputRules& rules);

// On focus loss: replaces the box's text with its tidied form, if that differs, keeping the caret
// where the selection began.
void tidyDecimalEdit(HWND edit, const DecimalInputRules& rules);

}  // namespace platform
