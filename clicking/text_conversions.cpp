#include "clicking/text_conversions.h"

#include <cstdlib>
#include <string>

namespace clicking {

namespace {

// Turns full-width characters into their single-byte forms. Every byte of 0x80 or above starts a
// two-byte character, so its trail byte is never looked at on its own (a trail byte can look like
// ASCII or like a lead byte); a lead byte cut off by the end of the text is dropped.
std::string normaliseFullWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      result.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == text.size()) {
      break;
    }
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      result.push_back(static_cast<char>(trail & 0x7F));
    } else if (lead == 0xA1 && trail == 0xA1) {
      result.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      result.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      result.push_back('*');
    } else {
      result.push_back(static_cast<char>(lead));
      result.push_back(static_cast<char>(trail));
    }
  }
  return result;
}

// Fixed set rather than std::isspace, which depends on the locale and is undefined for negative chars.
bool isWhiteSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t skipWhiteSpace(const std::string& text, size_t i) {
  while (i < text.size() && isWhiteSpace(text[i])) {
    ++i;
  }
  return i;
}

size_t skipDigits(const std::string& text, size_t i) {
  while (i < text.size() && isDigit(text[i])) {
    ++i;
  }
  return i;
}

bool isSign(char c) {
  return c == '+' || c == '-';
}

}  // namespace

int32_t textToInteger(std::string_view text) {
  const std::string normal = normaliseFullWidth(text);
  size_t i = skipWhiteSpace(normal, 0);
  bool negative = false;
  if (i < normal.size() && isSign(normal[i])) {
    negative = normal[i] == '-';
    ++i;
  }
  // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour.
  uint32_t value = 0;
  for (; i < normal.size() && isDigit(normal[i]); ++i) {
    value = value * 10u + static_cast<uint32_t>(normal[i] - '0');
  }
  if (negative) {
    value = 0u - value;
  }
  return static_cast<int32_t>(value);
}

double textToNumber(std::string_view text) {
  const std::string normal = normaliseFullWidth(text);
  const size_t start = skipWhiteSpace(normal, 0);
  size_t i = start;
  if (i < normal.size() && isSign(normal[i])) {
    ++i;
  }
  const size_t integerEnd = skipDigits(normal, i);
  size_t end = integerEnd;
  bool hasDigits = integerEnd > i;
  if (end < normal.size() && normal[end] == '.') {
    const size_t fractionEnd = skipDigits(normal, end + 1);
    hasDigits = hasDigits || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!hasDigits) {
    return 0.0;
  }
  if (end < normal.size() && (normal[end] == 'e' || normal[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < normal.size() && isSign(normal[exponent])) {
      ++exponent;
    }
    const size_t exponentEnd = skipDigits(normal, exponent);
    if (exponentEnd > exponent) {
      end = exponentEnd;
    }
  }
  // strtod gets only the prefix checked above, so it cannot pick up hex, "inf" or "nan", and a copy
  // gives it the terminator a string_view lacks. The C locale is never changed, so '.' is the point.
  const std::string number = normal.substr(start, end - start);
  return std::strtod(number.c_str(), nullptr);
}

int32_t secondsToMilliseconds(double seconds) {
  const double product = seconds * 1000.0;
  // Converting a value outside int64_t is undefined in C++; x86 gives "integer indefinite" (-2^63),
  // whose low 32 bits are 0. The negated comparison also catches NaN.
  constexpr double twoTo63 = 9223372036854775808.0;
  if (!(product >= -twoTo63 && product < twoTo63)) {
    return 0;
  }
  const auto wide = static_cast<int64_t>(product);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

}  // namespace clicking
