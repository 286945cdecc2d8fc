#pragma once

#include <cstdint>
#include <string_view>

namespace clicking {

// Texts are code page 936 (GBK) byte strings. Full-width digits, signs, point and letters are read as
// their ASCII forms and the ideographic space as a space, so numbers typed with a Chinese input method
// still count.

// Leading white space, an optional sign and decimal digits up to the first other character; 0 when
// there are none. No overflow check: the value wraps at 32 bits.
int32_t textToInteger(std::string_view text);

// Leading white space, then a decimal number with optional point and exponent; 0 when the text does not
// begin with one. Too large gives +-infinity, too small underflows toward 0.
double textToNumber(std::string_view text);

// The same reading of ASCII text, without the full-width forms. Correctly rounded, and quick however
// many digits the number has.
double leadingDecimalNumber(std::string_view text);

// seconds * 1000 truncated toward zero, keeping the low 32 bits of the 64-bit result. A product that is
// NaN, infinite or outside the 64-bit range gives 0, as the x86 conversion's "integer indefinite" does.
int32_t secondsToMilliseconds(double seconds);

}  // namespace clicking
