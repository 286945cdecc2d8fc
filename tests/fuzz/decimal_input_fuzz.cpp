// The decimal edit boxes' input rules: the tidied text is checked against "%.6g" as the C library writes it,
// with halves rounded away from zero, and tidying it again must change nothing.
#include "app/decimal_input.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "clicking/text_conversions.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The double rounded to single precision. Beyond the largest float the cast is undefined, so there it is
// rounded by hand: below the point halfway to 2^128 the result is the largest float.
float toFloat(double value) {
  if (std::fabs(value) <= FLT_MAX) {
    return static_cast<float>(value);
  }
  const double magnitude = std::fabs(value) < 0x1.ffffffp127 ? FLT_MAX : INFINITY;
  return static_cast<float>(std::copysign(magnitude, value));
}

// "%.6g" of the float with halves rounded away from zero and a three-digit exponent. The six digits come
// from the float's exact decimal expansion, which "%.120e" prints in full (a float has at most 112
// significant digits); the C library then writes the rounded number in "%.6g" form.
std::string expectedTidied(float value) {
  if (value == 0.0f || !std::isfinite(value)) {
    return {};
  }
  char exact[160];
  std::snprintf(exact, sizeof exact, "%.120e", std::fabs(static_cast<double>(value)));
  long long six = std::atoll((std::string(1, exact[0]) + std::string(exact + 2, 5)).c_str());
  if (exact[7] >= '5') {
    ++six;
  }
  char rounded[64];
  std::snprintf(rounded, sizeof rounded, "%llde%d", six, std::atoi(std::strchr(exact, 'e') + 1) - 5);
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.6g", std::strtod(rounded, nullptr));
  std::string text = printed;
  const size_t e = text.find('e');
  if (e != std::string::npos && text.size() - e == 4) {
    text.insert(e + 2, "0");
  }
  return (std::signbit(value) ? "-" : "") + text;
}

bool acceptedByRule(uint32_t c) {
  return c < 32 || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

void checkTidying(std::string_view text) {
  const std::string tidied = app::tidiedDecimalText(text);
  FUZZ_CHECK(tidied.find_first_not_of("0123456789-.e+") == std::string::npos);

  // Tidying reads ASCII only, so its number is the one the text before the first other byte begins with,
  // which the interval reader reads the same way.
  const auto high = std::find_if(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
  const std::string_view ascii = text.substr(0, static_cast<size_t>(high - text.begin()));
  FUZZ_CHECK(tidied == expectedTidied(toFloat(clicking::textToNumber(ascii))));
  FUZZ_CHECK(app::tidiedDecimalText(tidied) == tidied);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkTidying(std::string_view(reinterpret_cast<const char*>(data), size));
  for (size_t i = 0; i < size; ++i) {
    FUZZ_CHECK(app::acceptsTypedCharacter(data[i]) == acceptedByRule(data[i]));
  }
  if (size >= sizeof(uint32_t)) {
    uint32_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    FUZZ_CHECK(app::acceptsTypedCharacter(bits) == acceptedByRule(bits));
    // The same four bytes as a float, written out, reach every float directly, subnormals included.
    float value = 0;
    std::memcpy(&value, data, sizeof value);
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    checkTidying(text);
  }
  return 0;
}
