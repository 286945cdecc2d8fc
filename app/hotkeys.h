#pragma once

#include <cstdint>

namespace app {

// Virtual-key codes of the function keys the hotkey list offers, F1 to F12 in order.
inline constexpr int32_t virtualKeyF1 = 0x70;
inline constexpr int32_t virtualKeyF8 = 0x77;
inline constexpr int32_t functionKeyCount = 12;

}  // namespace app
