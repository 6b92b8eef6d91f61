#include "cli/number_word.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "tests/common/locale_guard.h"
#include "tests/support/random_draw.h"

namespace {

struct ValueCase {
  const char* word;
  double value;
};

// Values that the C library's strtod gives the same words in the "C" locale.
const ValueCase kNumbers[] = {
    {"2", 2.0},
    {"-3", -3.0},
    {"+5", 5.0},
    {"2.5", 2.5},
    {".5", 0.5},
    {"5.", 5.0},
    {"-1e-3", -0.001},
    {"1E+2", 100.0},
    {"0.1", 0.1},
    {"-0", -0.0},
    {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    {"1e-400", 0.0},  // below the smallest subnormal: the nearest double, as a box reads it
    {"-1e-400", -0.0},
    {" 1", 1.0},
    {"1 ", 1.0},
    // Arithmetic, as the boxes read it.
    {"1/3", 1.0 / 3.0},
    {"--1", 1.0},
    {"-2^2", -4.0},
    {"2^3^2", 512.0},
    {"(1 + 2) * 3", 9.0},
    {"sqrt(4)/2", 1.0},
};

const char* const kNotNumbers[] = {
    "two", "0x10", "1e", "1e+", "nan",   "inf",   "-inf", "",    " ",      "3abc",
    "+",   "-",    ".",  "e5",  "1.2.3", "1e5.5", "1/",   "2 3", "sqrt 4",
};

TEST(ReadNumberWord, TakesWordsThatAreWhollyNumbers) {
  for (const auto& c : kNumbers) {
    const auto value = ReadNumberWord(c.word, 2, NumberReading::Strict);
    ASSERT_TRUE(std::holds_alternative<double>(value)) << c.word;
    EXPECT_EQ(std::get<double>(value), c.value) << c.word;
    EXPECT_EQ(std::signbit(std::get<double>(value)), std::signbit(c.value)) << c.word;
  }
}

TEST(ReadNumberWord, RefusesAnythingElseNamingTheWordAndItsPosition) {
  for (const char* word : kNotNumbers) {
    EXPECT_EQ(ReadNumberWord(word, 4, NumberReading::Strict),
              (std::variant<double, UsageError>(
                  UsageError{"word 4, \"" + std::string(word) + "\", is not a number"})))
        << word;
  }
}

TEST(ReadNumberWord, RefusesNumbersBeyondTheRangeOfADouble) {
  for (const char* word : {"1e999", "-1e999", "1.8e308"}) {
    EXPECT_EQ(ReadNumberWord(word, 3, NumberReading::Strict),
              (std::variant<double, UsageError>(
                  UsageError{"word 3, \"" + std::string(word) + "\", is too large for a double"})))
        << word;
  }
}

TEST(ReadNumberWord, GivesTheReasonOfEachOtherRefusal) {
  const struct {
    const char* word;
    const char* problem;
  } cases[] = {
      {"2,5", "word 2, \"2,5\", is not a number: use a point (.) for the decimal separator"},
      {"1/0", "word 2, \"1/0\", is not a finite number"},
      {"sqrt(-1)", "word 2, \"sqrt(-1)\", is not a finite number"},
      {"(1", "word 2, \"(1\", has unbalanced parentheses"},
      {"\"1\"", "word 2, \"\\\"1\\\"\", is not a number"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumberWord(c.word, 2, NumberReading::Strict),
              (std::variant<double, UsageError>(UsageError{c.problem})))
        << c.word;
  }
}

TEST(ReadNumberWord, ReadsPointDecimalsUnderACommaDecimalLocale) {
  CommaDecimalLocale locale;
  ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(ReadNumberWord("2.5", 2, NumberReading::Strict),
            (std::variant<double, UsageError>(2.5)));
  EXPECT_TRUE(std::holds_alternative<UsageError>(ReadNumberWord("2,5", 2, NumberReading::Strict)));
  EXPECT_EQ(ReadNumberWord("2,5", 2, NumberReading::Lenient),
            (std::variant<double, UsageError>(2.0)));
}

TEST(ReadNumberWord, LenientReadingTakesTheLeadingNumberOrZero) {
  const ValueCase cases[] = {{"1/3", 1},  {"two", 0}, {"", 0},   {"1.5e2abc", 150},
                             {"0x10", 0}, {"1e", 1},  {"nan", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumberWord(c.word, 2, NumberReading::Lenient),
              (std::variant<double, UsageError>(c.value)))
        << c.word;
  }
  EXPECT_TRUE(std::isinf(std::get<double>(ReadNumberWord("1e999", 2, NumberReading::Lenient))));
}

// Short plain decimals are read inline; every other word by the full rules of its reading.
// The two must agree on every word, to the bit and to the message: random words of digits,
// signs, points, exponents, blanks, arithmetic and letters, many around 15 digits.
TEST(ReadNumberWord, ReadsShortDecimalsAsTheFullRulesReadThem) {
  Draw draw(20261209);
  const std::string_view pieces[] = {"0", "1", "5", "9",  "7", "3", "8",       "2",  "4",
                                     "6", ".", "-", "+",  "e", "E", " ",       "\t", "\r",
                                     "*", "(", ")", "pi", "x", ",", "\xc3\xa9"};
  for (int n = 0; n < 30000; ++n) {
    std::string word;
    const int length = draw.Below(n % 3 == 0 ? 24 : 8);
    for (int i = 0; i < length; ++i) {
      // Mostly digits, so that most words are numbers.
      const int piece = draw.Chance(0.7) ? draw.Below(10) : draw.Below(std::size(pieces));
      word += pieces[piece];
    }
    for (const NumberReading reading : {NumberReading::Strict, NumberReading::Lenient}) {
      const auto read = ReadNumberWord(word, 3, reading);
      const auto full = ReadLongerNumberWord(word, 3, reading);
      ASSERT_EQ(read.index(), full.index()) << word;
      if (const double* value = std::get_if<double>(&read)) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*value),
                  std::bit_cast<std::uint64_t>(std::get<double>(full)))
            << word;
      } else {
        ASSERT_EQ(std::get<UsageError>(read), std::get<UsageError>(full)) << word;
      }
    }
  }
}

}  // namespace
