#include "app/decimal_input.h"

#include "clicking/text_conversions.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace app {

bool acceptsTypedCharacter(uint32_t character) {
  if (character < 32) {
    return true;
  }
  return (character >= '0' && character <= '9') || character == '-' || character == '.';
}

namespace {

constexpr int kSignificantDigits = 6;

// The double rounded to single precision. Values from halfway between FLT_MAX and 2^128 upwards round to
// infinity; they are sorted out first because converting them is undefined behaviour.
float toSingle(double value) {
  const double overflowThreshold = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
  if (std::fabs(value) >= overflowThreshold) {
    const float infinity = std::numeric_limits<float>::infinity();
    return std::signbit(value) ? -infinity : infinity;
  }
  return static_cast<float>(value);
}

// A nonzero finite magnitude rounded to six significant digits, halves away from zero.
struct Rounded {
  std::string digits;  // exactly kSignificantDigits digits, the first nonzero
  int exponent;        // decimal exponent of the first digit
};

// The digit string times a small factor, in place.
void multiplyDigits(std::string& digits, int factor) {
  int carry = 0;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    const int product = (*digit - '0') * factor + carry;
    *digit = static_cast<char>('0' + product % 10);
    carry = product / 10;
  }
  for (; carry > 0; carry /= 10) {
    digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
  }
}

Rounded roundToSignificantDigits(float magnitude) {
  // The float is m * 2^e with a whole m of 24 bits, so its exact decimal digits are those of the whole
  // number m * 2^e, or of m * 5^-e scaled by 10^e when e is negative: at most 112 digits, worked out
  // exactly, so the rounding below sees the true digits and judges halves right.
  int e = 0;
  const float fraction = std::frexp(magnitude, &e);
  const auto m = static_cast<uint32_t>(std::ldexp(fraction, 24));
  e -= 24;
  std::string digits = std::to_string(m);
  for (int i = 0; i < std::abs(e); ++i) {
    multiplyDigits(digits, e > 0 ? 2 : 5);
  }
  int exponent = static_cast<int>(digits.size()) - 1 - (e < 0 ? -e : 0);
  if (digits.size() <= kSignificantDigits) {
    digits.resize(kSignificantDigits + 1, '0');
  }

  const bool roundUp = digits[kSignificantDigits] >= '5';
  digits.resize(kSignificantDigits);
  if (roundUp) {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') {
      digits[i - 1] = '0';
      --i;
    }
    if (i > 0) {
      ++digits[i - 1];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  return {digits, exponent};
}

std::string withoutTrailingZeros(std::string digits) {
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
  }
  return digits;
}

// Written the way "%.6g" writes it, with the exponent always in three digits so the text does not depend
// on the runtime the program is built with.
std::string formatted(const Rounded& r) {
  std::string text;
  if (r.exponent < -4 || r.exponent >= kSignificantDigits) {
    text += r.digits[0];
    const std::string fraction = withoutTrailingZeros(r.digits.substr(1));
    if (!fraction.empty()) {
      text += '.' + fraction;
    }
    text += r.exponent < 0 ? "e-" : "e+";
    const std::string exponentDigits = std::to_string(std::abs(r.exponent));
    text += std::string(exponentDigits.size() < 3 ? 3 - exponentDigits.size() : 0, '0') + exponentDigits;
  } else if (r.exponent >= 0) {
    const size_t integerDigits = static_cast<size_t>(r.exponent) + 1;
    text = r.digits.substr(0, integerDigits);
    const std::string fraction = withoutTrailingZeros(r.digits.substr(integerDigits));
    if (!fraction.empty()) {
      text += '.' + fraction;
    }
  } else {
    text = "0." + std::string(static_cast<size_t>(-r.exponent - 1), '0') + withoutTrailingZeros(r.digits);
  }
  return text;
}

}  // namespace

std::string tidiedDecimalText(std::string_view text) {
  const float value = toSingle(clicking::leadingDecimalNumber(text));
  // Zero of either sign empties the box, as does a number beyond single precision: the box then holds
  // only numbers, and an empty box reads as 0 anyway.
  if (value == 0.0f || !std::isfinite(value)) {
    return {};
  }
  const std::string sign = std::signbit(value) ? "-" : "";
  return sign + formatted(roundToSignificantDigits(std::fabs(value)));
}

}  // namespace app
