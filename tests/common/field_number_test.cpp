#include "common/field_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "tests/common/locale_guard.h"

namespace {

struct FieldCase {
  const char* text;
  double value;
};

const FieldCase kCases[] = {
    {"", 0.0},
    {" ", 0.0},
    {"abc", 0.0},
    {"1", 1.0},
    {"  \t-2.5", -2.5},
    {"+3", 3.0},
    {"1e3", 1000.0},
    {"1.5e2abc", 150.0},
    {"2.5xyz", 2.5},
    {".5", 0.5},
    {"5.", 5.0},
    {"-.25e1", -2.5},
    {"1e", 1.0},
    {"1e+", 1.0},
    {"1e-x", 1.0},
    {"0x1A", 0.0},  // hexadecimal stops after the 0
    {"inf", 0.0},
    {"-infinity", 0.0},
    {"nan", 0.0},
    {"1,5", 1.0},  // a comma is never a decimal point
    {"- 1", 0.0},
    {".", 0.0},
    {"+", 0.0},
    {"1e400", std::numeric_limits<double>::infinity()},
    {"-1e400", -std::numeric_limits<double>::infinity()},
    {"1e-400", 0.0},
    {"0.1", 0.1},
    {"3.141592653589793", 3.141592653589793},
};

TEST(FieldNumber, ReadsTheLeadingDecimalNumberOrZero) {
  for (const auto& c : kCases) {
    EXPECT_EQ(FieldNumber(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(FieldNumber, KeepsTheSignOfNegativeZero) {
  EXPECT_TRUE(std::signbit(FieldNumber("-0")));
  EXPECT_TRUE(std::signbit(FieldNumber("-1e-400")));
  EXPECT_FALSE(std::signbit(FieldNumber("0")));
}

TEST(FieldNumber, AgreesWithAtofOnDecimalTextInTheCLocale) {
  const char* texts[] = {"1.0000000000000002",      "4.9e-324",
                         "2.2250738585072011e-308", "123456789012345678901234567890",
                         "0.30000000000000004",     "-7.4506e-09"};
  for (const char* text : texts)
    EXPECT_EQ(FieldNumber(text), std::atof(text)) << text;
}

// Random texts of the bytes of `letters` (a byte listed more often is drawn more often).
class RandomTexts {
 public:
  RandomTexts(std::uint64_t seed, std::string letters, size_t shortest, size_t longest)
      : random_(seed),
        letters_(std::move(letters)),
        letter_(0, letters_.size() - 1),
        length_(shortest, longest) {}

  std::string Next() {
    std::string text(length_(random_), ' ');
    for (char& c : text)
      c = letters_[letter_(random_)];
    return text;
  }

 private:
  std::mt19937_64 random_;
  std::string letters_;
  std::uniform_int_distribution<size_t> letter_, length_;
};

// Short decimals take a path of their own: their values and ends are checked against
// from_chars on random texts of digits, points, exponents and other letters, most of them
// around the 15 digits where that path ends.
TEST(ReadUnsignedDecimal, ReadsEveryTextAsFromCharsReadsIt) {
  RandomTexts texts(20261208, "0123456789012345678901234567890123456789..eE+-x ", 1, 24);
  for (int n = 0; n < 200000; ++n) {
    const std::string text = texts.Next();
    if (!((text[0] >= '0' && text[0] <= '9') || text[0] == '.'))
      continue;
    const char* const first = text.data();
    const char* const last = first + text.size();
    double value = -1.0, expected = -1.0;
    const char* const end = ReadUnsignedDecimal(first, last, value);
    const std::from_chars_result read = std::from_chars(first, last, expected);
    if (read.ec == std::errc::invalid_argument) {
      ASSERT_EQ(end, first) << text;
      continue;
    }
    ASSERT_EQ(end, read.ptr) << text;
    if (read.ec == std::errc()) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
          << text;
    }
  }
}

// A whole word is a short decimal when it is an optional sign, then 1 to 15 digits and at
// most one point, in any order; its value is then what from_chars reads, sign and all.
bool IsShortPlainDecimal(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-'))
    text.remove_prefix(1);
  const auto digits =
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const auto points = std::count(text.begin(), text.end(), '.');
  return digits >= 1 && digits <= 15 && points <= 1 &&
         static_cast<size_t>(digits + points) == text.size();
}

TEST(ReadShortDecimalWord, TakesExactlyTheShortPlainDecimalsWithFromCharsValues) {
  RandomTexts texts(20261209, "0123456789012345678901234567890123456789..+-eE ,x", 0, 20);
  for (int n = 0; n < 100000; ++n) {
    const std::string text = texts.Next();
    const bool expected = IsShortPlainDecimal(text);
    double value = 42.0;
    ASSERT_EQ(ReadShortDecimalWord(text, value), expected) << text;
    if (!expected) {
      ASSERT_EQ(value, 42.0) << text;
      continue;
    }
    const bool negative = text[0] == '-';
    const size_t unsigned_start = negative || text[0] == '+' ? 1 : 0;
    double magnitude = 0.0;
    std::from_chars(text.data() + unsigned_start, text.data() + text.size(), magnitude);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(value),
              std::bit_cast<std::uint64_t>(negative ? -magnitude : magnitude))
        << text;
  }
  double value = 1.0;
  EXPECT_FALSE(ReadShortDecimalWord(std::string_view(), value));
  EXPECT_FALSE(ReadShortDecimalWord("1234567890123456", value));
  EXPECT_TRUE(ReadShortDecimalWord("-123456789.012345", value));
  EXPECT_EQ(value, -123456789.012345);
}

TEST(FieldNumber, ReadsPointDecimalsUnderACommaDecimalLocale) {
  CommaDecimalLocale locale;
  ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(FieldNumber("2.5"), 2.5);
  EXPECT_EQ(FieldNumber("1,5"), 1.0);
  EXPECT_EQ(FieldNumber("-1.25e2"), -125.0);
}

}  // namespace
