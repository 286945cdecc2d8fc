#include "clicking/text_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace clicking {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// GBK full-width form of printable ASCII: lead byte 0xA3, trail byte the ASCII code with the top bit set.
std::string fullWidth(std::string_view ascii) {
  std::string gbk;
  for (char c : ascii) {
    gbk += '\xA3';
    gbk += static_cast<char>(static_cast<unsigned char>(c) | 0x80);
  }
  return gbk;
}

// Any other GBK character, written as its two bytes.
std::string doubleByte(unsigned char lead, unsigned char trail) {
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

const std::string kIdeographicSpace = doubleByte(0xA1, 0xA1);

std::string printable(std::string_view text) {
  return ::testing::PrintToString(std::string(text));
}

struct TextCase {
  std::string text;
  int32_t integer;
  double number;
};

void expectBothConversions(const TextCase& c) {
  SCOPED_TRACE(printable(c.text));
  EXPECT_EQ(textToInteger(c.text), c.integer);
  EXPECT_EQ(textToNumber(c.text), c.number);
}

TEST(TextConversionsTest, FullWidthCharactersReadAsAscii) {
  const TextCase cases[] = {
      {"\xA3\xB1\xA3\xAE\xA3\xB5", 1, 1.5},  // full-width "1.5", bytes written out
      {fullWidth("-12"), -12, -12.0},
      {fullWidth("+7"), 7, 7.0},
      {fullWidth("2.5e2"), 2, 250.0},
      {fullWidth("2.5E-1"), 2, 0.25},
      {"3" + fullWidth("0") + ".", 30, 30.0},  // ASCII and full-width digits mixed
      {kIdeographicSpace + "42", 42, 42.0},
      {kIdeographicSpace + " " + kIdeographicSpace + fullWidth("-3"), -3, -3.0},
  };
  for (const TextCase& c : cases) {
    expectBothConversions(c);
  }
}

TEST(TextConversionsTest, OtherDoubleByteCharactersStayWhole) {
  const TextCase cases[] = {
      // 0xA3 0xA0 lies below the full-width range; it must not turn into a space.
      {doubleByte(0xA3, 0xA0) + "5", 0, 0.0},
      // Ideographic full stop, not a point.
      {"1" + doubleByte(0xA1, 0xA2) + "5", 1, 1.0},
      // Trail bytes that look like a digit: the text does not begin with one.
      {doubleByte(0xB0, '1') + "2", 0, 0.0},
      {doubleByte(0xA3, '5'), 0, 0.0},
      // Trail byte 0xA3 is not a lead byte, so 0xB1 '5' is the next character, not full-width "1" then "5".
      {doubleByte(0xB0, 0xA3) + doubleByte(0xB1, '5'), 0, 0.0},
      // A lead byte cut off by the end of the text is dropped.
      {"12\xA3", 12, 12.0},
      {"\xA3", 0, 0.0},
      {"1e\xA3", 1, 1.0},
  };
  for (const TextCase& c : cases) {
    expectBothConversions(c);
  }
}

TEST(TextConversionsTest, WhiteSpaceAndSigns) {
  const TextCase cases[] = {
      {" 5", 5, 5.0},
      {"\t5", 5, 5.0},
      {"\n5", 5, 5.0},
      {"\v5", 5, 5.0},
      {"\f5", 5, 5.0},
      {"\r5", 5, 5.0},
      {" \t\r\n+8", 8, 8.0},
      {"-5", -5, -5.0},
      {" +7x", 7, 7.0},
      {"007", 7, 7.0},
      // Only a number counts; white space after the sign, doubled signs and letters give 0.
      {"- 5", 0, 0.0},
      {"--5", 0, 0.0},
      {"+-5", 0, 0.0},
      {"-", 0, 0.0},
      {"", 0, 0.0},
      {"abc", 0, 0.0},
      {"x5", 0, 0.0},
  };
  for (const TextCase& c : cases) {
    expectBothConversions(c);
  }
}

TEST(TextConversionsTest, ReadsOnlyTheViewedBytes) {
  // The views end before the last bytes of the underlying strings, which must not be read.
  const struct {
    std::string_view whole;
    size_t length;
    int32_t integer;
    double number;
  } cases[] = {
      {"1234", 2, 12, 12.0}, {"1e5", 2, 1, 1.0}, {"12\xA3\xB4", 3, 12, 12.0},  // cut inside a full-width "4"
  };
  for (const auto& c : cases) {
    const std::string_view view = c.whole.substr(0, c.length);
    SCOPED_TRACE(printable(view));
    EXPECT_EQ(textToInteger(view), c.integer);
    EXPECT_EQ(textToNumber(view), c.number);
  }
}

TEST(TextToIntegerTest, StopsAtFirstNonDigitAndWrapsAt32Bits) {
  const struct {
    std::string_view text;
    int32_t expected;
  } cases[] = {
      {"1.5", 1},
      {"1e3", 1},
      {"12abc", 12},
      {"2147483647", kInt32Max},
      {"2147483648", kInt32Min},
      {"-2147483648", kInt32Min},
      {"-2147483649", kInt32Max},
      {"4294967295", -1},
      {"4294967296", 0},
      {"4294967297", 1},
      {"-4294967297", -1},
      {"99999999999999999999", 1661992959},  // 10^20 - 1 modulo 2^32
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(printable(c.text));
    EXPECT_EQ(textToInteger(c.text), c.expected);
  }
}

TEST(TextToNumberTest, TakesTheLongestDecimalPrefix) {
  const struct {
    std::string_view text;
    double expected;
  } cases[] = {
      {"1.5", 1.5},
      {"-0.5", -0.5},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5.0},
      {"1.2.3", 1.2},
      {" 12.5e1 ", 125.0},
      {"1e3x", 1000.0},
      {"1E-2", 0.01},
      {"1e+2", 100.0},
      {"1e5.5", 1e5},
      // An exponent needs a digit; without one the 'e' is not part of the number.
      {"1e", 1.0},
      {"1e+", 1.0},
      {"1e-x", 1.0},
      {"1ee5", 1.0},
      // The mantissa needs a digit.
      {".", 0.0},
      {"-.", 0.0},
      {".e5", 0.0},
      // Decimal only.
      {"0x10", 0.0},
      {"inf", 0.0},
      {"-infinity", 0.0},
      {"nan", 0.0},
      // Out of range.
      {"1e999", kInfinity},
      {"-1e999", -kInfinity},
      {"1e-999", 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(printable(c.text));
    EXPECT_EQ(textToNumber(c.text), c.expected);
  }
}

struct MillisecondsCase {
  double seconds;
  int32_t expected;
};

void expectMilliseconds(const MillisecondsCase& c) {
  SCOPED_TRACE(::testing::PrintToString(c.seconds));
  EXPECT_EQ(secondsToMilliseconds(c.seconds), c.expected);
}

// Another program can put a megabyte of digits into an edit box; the number still comes out exact,
// and at once.
TEST(TextToNumberTest, NumbersOfAnyLengthAreReadExactly) {
  struct Case {
    const char* name;
    std::string text;
    double number;
  };
  const Case cases[] = {
      {"a million fives after the point", "0." + std::string(1 << 20, '5'), 0.55555555555555556},
      {"leading zeros", std::string(400, '0') + "1.5", 1.5},
      {"digits balanced by the exponent", "1" + std::string(1000, '0') + "e-1000", 1.0},
      {"fraction zeros balanced by the exponent", "0." + std::string(1000, '0') + "1e1001", 1.0},
      // 2^53 + 1 lies halfway between two doubles; a nonzero digit far beyond it decides upward.
      {"halfway, decided by a distant digit", "9007199254740993." + std::string(900, '0') + "1",
       9007199254740994.0},
      {"halfway exactly, to even", "9007199254740993." + std::string(900, '0'), 9007199254740992.0},
      {"exponent beyond any double", "1e99999999999999999999", kInfinity},
      {"negative exponent beyond any double", "1e-99999999999999999999", 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(textToNumber(c.text), c.number);
    EXPECT_EQ(leadingDecimalNumber(c.text), c.number);
  }
  EXPECT_TRUE(std::signbit(textToNumber("-0.000")));
}

TEST(SecondsToMillisecondsTest, ListIntervalsAreExact) {
  const MillisecondsCase cases[] = {
      {0.01, 10},  {0.02, 20},  {0.03, 30},  {0.04, 40},  {0.05, 50},  {0.1, 100},
      {0.2, 200},  {0.5, 500},  {1.0, 1000}, {2.0, 2000}, {3.0, 3000}, {4.0, 4000},
      {5.0, 5000}, {6.0, 6000}, {7.0, 7000}, {8.0, 8000}, {9.0, 9000}, {10.0, 10000},
  };
  for (const MillisecondsCase& c : cases) {
    expectMilliseconds(c);
  }
}

TEST(SecondsToMillisecondsTest, TruncatesAndKeepsLow32Bits) {
  const MillisecondsCase cases[] = {
      {0.0, 0},
      {0.0015, 1},
      {0.0001, 0},
      {-0.0015, -1},
      {-1.0, -1000},
      {2147483.647, kInt32Max},
      {2147483.648, kInt32Min},
      {4294967.296, 0},
      {4294967.297, 1},
      {9.2e15, -1650982912},  // 9.2e18 modulo 2^32
      // Largest products inside the 64-bit range: +-(2^63 - 2048).
      {9223372036854774.0, -2048},
      {-9223372036854774.0, 2048},
  };
  for (const MillisecondsCase& c : cases) {
    expectMilliseconds(c);
  }
}

TEST(SecondsToMillisecondsTest, ProductsOutside64BitsGiveZero) {
  const MillisecondsCase cases[] = {
      {9223372036854776.0, 0},  // product exactly 2^63
      {1e30, 0},
      {-1e30, 0},
      {std::numeric_limits<double>::max(), 0},
      {kInfinity, 0},
      {-kInfinity, 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const MillisecondsCase& c : cases) {
    expectMilliseconds(c);
  }
}

}  // namespace
}  // namespace clicking
