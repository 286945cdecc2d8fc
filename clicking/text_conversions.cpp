#include "clicking/text_conversions.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace clicking {

namespace {

constexpr size_t keptDigits = 800;
constexpr long long maxExponent = 1'000'000;

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

size_t skipWhiteSpace(std::string_view text, size_t i) {
  while (i < text.size() && isWhiteSpace(text[i])) {
    ++i;
  }
  return i;
}

size_t skipDigits(std::string_view text, size_t i) {
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

double leadingDecimalNumber(std::string_view text) {
  size_t i = skipWhiteSpace(text, 0);
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && isSign(text[i])) {
    ++i;
  }
  const size_t integerEnd = skipDigits(text, i);
  std::string digits(text.substr(i, integerEnd - i));
  const auto integerDigits = static_cast<long long>(digits.size());
  size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') {
    const size_t fractionEnd = skipDigits(text, end + 1);
    digits += text.substr(end + 1, fractionEnd - end - 1);
    end = fractionEnd;
  }
  if (digits.empty()) {
    return 0.0;
  }
  long long exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t at = end + 1;
    const bool negativeExponent = at < text.size() && text[at] == '-';
    if (at < text.size() && isSign(text[at])) {
      ++at;
    }
    // Saturated far beyond any double, so a long run of exponent digits cannot overflow.
    for (; at < text.size() && isDigit(text[at]); ++at) {
      exponent = std::min(exponent * 10 + (text[at] - '0'), maxExponent);
    }
    exponent = negativeExponent ? -exponent : exponent;
  }
  // strtod takes time growing with the square of the digits it is given, so the number is handed on
  // as "0.<digits>e<exponent>" with at most keptDigits significant digits. A digit 1 in place of the
  // nonzero ones dropped keeps the rounding exact: no halfway point between two doubles has that many.
  const size_t firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) {
    return negative ? -0.0 : 0.0;
  }
  std::string significant = digits.substr(firstSignificant);
  if (significant.size() > keptDigits) {
    const bool droppedNonzero = significant.find_first_not_of('0', keptDigits) != std::string::npos;
    significant.resize(keptDigits);
    if (droppedNonzero) {
      significant += '1';
    }
  }
  const long long scale = integerDigits - static_cast<long long>(firstSignificant) + exponent;
  const std::string number = std::string(negative ? "-0." : "0.") + significant + "e" + std::to_string(scale);
  return std::strtod(number.c_str(), nullptr);
}

double textToNumber(std::string_view text) {
  return leadingDecimalNumber(normaliseFullWidth(text));
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
