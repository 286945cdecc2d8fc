#include "app/decimal_input.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace app {
namespace {

struct TidyCase {
  std::string text;
  std::string tidied;
};

template <size_t N>
void expectAllTidied(const TidyCase (&cases)[N]) {
  for (const TidyCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    EXPECT_EQ(tidiedDecimalText(c.text), c.tidied);
  }
}

TEST(DecimalInputTest, FixedFormDropsTrailingZerosAndPoint) {
  const TidyCase cases[] = {
      {"1.50", "1.5"},
      {"1", "1"},
      {"5.", "5"},
      {".5", "0.5"},
      {"0.5", "0.5"},
      {"-0.5", "-0.5"},
      {"123456", "123456"},
      {"1e5", "100000"},
      {"0.0001", "0.0001"},
      {"-1e-4", "-0.0001"},
      {"2E2", "200"},
      {"0.1234567", "0.123457"},
      {"0.3333333", "0.333333"},
  };
  expectAllTidied(cases);
}

// Exponent form from 1e6 up and below 1e-4, always with a sign and three exponent digits.
TEST(DecimalInputTest, ExponentFormHasSignedThreeDigitExponent) {
  const TidyCase cases[] = {
      {"1234567", "1.23457e+006"}, {"-1234567", "-1.23457e+006"}, {"1e6", "1e+006"},
      {"1e10", "1e+010"},          {"3.4e38", "3.4e+038"},        {"0.00001", "1e-005"},
      {"-0.00001", "-1e-005"},     {"2.5e-7", "2.5e-007"},        {"1e-10", "1e-010"},
  };
  expectAllTidied(cases);
}

// The number is first rounded to single precision; the six digits come from the float, not the text.
TEST(DecimalInputTest, DigitsComeFromTheSinglePrecisionValue) {
  const TidyCase cases[] = {
      {"0.1", "0.1"},                // 0.100000001490116...
      {"16777217", "1.67772e+007"},  // becomes 16777216
      {"1.0000005", "1"},            // 1.00000047683716...
      {"2.0000005", "2"},            // 2.00000047683716..., below the half the text shows
      {"123456.7", "123457"},        // 123456.703125
      {"999999.4", "999999"},        // 999999.375
  };
  expectAllTidied(cases);
}

// Halves are judged on the float's exact value and go away from zero, also when the carry adds a digit.
TEST(DecimalInputTest, ExactHalvesRoundAwayFromZero) {
  const TidyCase cases[] = {
      {"1234565", "1.23457e+006"},     {"-1234565", "-1.23457e+006"},
      {"1234564.9", "1.23456e+006"},  // 1234564.875, just below the half
      {"1000000.5", "1e+006"},        // the half lies in the eighth digit
      {"999999.5", "1e+006"},          {"-999999.5", "-1e+006"},
      {"99999.95", "100000"},          {"1.171875", "1.17188"},
      {"0.0009765625", "0.000976563"},  // 2^-10
      {"8.0078125", "8.00781"},         // 25 after the sixth digit is below the half
  };
  expectAllTidied(cases);
}

// Only decimal text from its start counts: white space may lead, anything after the number is ignored.
TEST(DecimalInputTest, ReadsTheNumberTheTextBeginsWith) {
  const TidyCase cases[] = {
      {"  -2.5e1x", "-25"}, {"\t\n\v\f\r7", "7"}, {"+3", "3"},  {"1.5.2", "1.5"},
      {"1-", "1"},          {"1e", "1"},          {"1e+", "1"}, {"2e-x", "2"},
      {"12\xD6\xD0", "12"}, {"0x10", ""},         {"inf", ""},  {"nan", ""},
  };
  expectAllTidied(cases);
}

TEST(DecimalInputTest, NoNumberOrZeroEmptiesTheText) {
  const TidyCase cases[] = {
      {"", ""},
      {"-", ""},
      {".", ""},
      {"+", ""},
      {"-.", ""},
      {".e1", ""},
      {"e5", ""},
      {"abc", ""},
      {"--1", ""},
      {" ", ""},
      {"0", ""},
      {"-0", ""},
      {"0.000", ""},
      {"0e5", ""},
      {"\xD6\xD0"
       "1",
       ""},  // a leading GBK character
  };
  expectAllTidied(cases);
}

// Past single precision's range: overflow empties the text like a non-number, underflow gives zero.
TEST(DecimalInputTest, RangeLimitsOfSinglePrecision) {
  const TidyCase cases[] = {
      {"3.4028235e38", "3.40282e+038"},   // the largest float
      {"3.40282356e38", "3.40282e+038"},  // above it, but still rounds down to it
      {"3.4028236e38", ""},               // rounds to infinity
      {"1e39", ""},
      {"-1e39", ""},
      {"1e400", ""},
      {"1" + std::string(400, '0'), ""},
      {"1e-40", "9.99995e-041"},   // subnormal
      {"1.4e-45", "1.4013e-045"},  // the smallest subnormal
      {"-1.4e-45", "-1.4013e-045"},
      {"1e-46", ""},
      {"1e-50", ""},
      {"-1e-50", ""},
  };
  expectAllTidied(cases);
}

TEST(DecimalInputTest, TypingFilterLetsInDigitsSignPointAndControlCharacters) {
  const struct {
    uint32_t character;
    bool accepted;
  } cases[] = {
      {8, true},   // Backspace
      {3, true},   // Ctrl+C
      {22, true},  // Ctrl+V
      {0, true},
      {31, true},
      {'0', true},
      {'9', true},
      {'-', true},
      {'.', true},
      {'a', false},
      {'e', false},
      {'E', false},
      {'+', false},
      {' ', false},
      {'/', false},  // just below '0'
      {':', false},  // just above '9'
      {',', false},
      {0x7F, false},
      {0x80, false},
      {0x4E2D, false},         // a Chinese character
      {0xFF10, false},         // full-width 0
      {0x10000 + '1', false},  // '1' in its low bits only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.character);
    EXPECT_EQ(acceptsTypedCharacter(c.character), c.accepted);
  }
}

}  // namespace
}  // namespace app
