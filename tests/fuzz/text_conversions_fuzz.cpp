// The readers of typed numbers and the seconds-to-milliseconds conversion: checked against the C library
// on ASCII text, against their own results on full-width and cut-off text, and against an exact model.
#include "clicking/text_conversions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"

namespace {

using clicking::secondsToMilliseconds;
using clicking::textToInteger;
using clicking::textToNumber;

// Bit for bit, so that 0 and -0 differ.
bool same(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The text with each printable ASCII character in its full-width form and each space an ideographic
// space. A byte from 0x80 up starts a two-byte character, copied as it is.
std::string fullWidth(std::string_view text) {
  std::string wide;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      wide += text.substr(i, 2);
      ++i;
    } else if (c == ' ') {
      wide += "\xA1\xA1";
    } else if (c > ' ' && c < 0x7F) {
      wide += '\xA3';
      wide += static_cast<char>(c | 0x80);
    } else {
      wide += static_cast<char>(c);
    }
  }
  return wide;
}

// On ASCII text the C library reads the same numbers, as long as strtoll does not saturate and strtod
// does not get to read a hexadecimal number, "inf" or "nan".
void checkAgainstCLibrary(const std::string& text, int32_t integer, double number) {
  errno = 0;
  const long long wide = std::strtoll(text.c_str(), nullptr, 10);
  if (errno != ERANGE) {
    FUZZ_CHECK(integer == static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(wide))));
  }
  size_t i = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  const bool decimal = i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.') &&
                       text.compare(i, 2, "0x") != 0 && text.compare(i, 2, "0X") != 0;
  if (decimal) {
    FUZZ_CHECK(same(number, std::strtod(text.c_str(), nullptr)));
  }
}

// The low 32 bits of trunc(seconds * 1000), taken with floating-point arithmetic alone; 0 when the
// product is NaN or outside the 64-bit range.
int32_t expectedMilliseconds(double seconds) {
  const double product = seconds * 1000.0;
  if (!(product >= -0x1p63 && product < 0x1p63)) {
    return 0;
  }
  double low = std::fmod(std::trunc(product), 0x1p32);
  if (low < 0) {
    low += 0x1p32;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(low));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int32_t integer = textToInteger(text);
  const double number = textToNumber(text);
  FUZZ_CHECK(!std::isnan(number));

  // Nothing after the number counts: an 'x' put anywhere ends it there (after a cut-off lead byte it
  // makes a two-byte character, which ends it as well).
  const std::string head = text.substr(0, size / 2);
  const std::string cut = head + 'x' + text.substr(size / 2);
  FUZZ_CHECK(textToInteger(cut) == textToInteger(head));
  FUZZ_CHECK(same(textToNumber(cut), textToNumber(head)));

  const std::string wide = fullWidth(text);
  FUZZ_CHECK(textToInteger(wide) == integer);
  FUZZ_CHECK(same(textToNumber(wide), number));

  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    checkAgainstCLibrary(text, integer, number);
  }

  // As the program converts a typed interval, and on any double at all.
  FUZZ_CHECK(secondsToMilliseconds(number) == expectedMilliseconds(number));
  if (size >= sizeof(double)) {
    double seconds = 0;
    std::memcpy(&seconds, data, sizeof seconds);
    FUZZ_CHECK(secondsToMilliseconds(seconds) == expectedMilliseconds(seconds));
  }
  return 0;
}
