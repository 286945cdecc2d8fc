#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// Typing filter of the decimal edit boxes. Control characters (Backspace, Ctrl+key) always pass; of the
// rest only digits, '-' and '.' get in. Where and how often '-' and '.' occur is left to the focus loss.
bool acceptsTypedCharacter(uint32_t character);

// What a decimal edit box's text becomes when it loses the focus: the number it begins with, in single
// precision, written as "%.6g" writes it with a three-digit exponent ("1.23457e+006"). Zero, no number at
// all and numbers beyond single precision give an empty text.
std::string tidiedDecimalText(std::string_view text);

}  // namespace app
