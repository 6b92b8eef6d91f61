#include "common/result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "common/general_number.h"
#include "tests/common/locale_guard.h"
#include "tests/common/printf_comparison.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
  const char* format;
  double value;
  const char* text;
};

const FormatCase kCases[] = {
    {"%11.5g", 2.0, "          2"},           {"%12.5g", 2.0, "           2"},
    {"%11.5g", 0.86602540378, "    0.86603"}, {"%11.5g", -0.0, "         -0"},
    {"%12.5g", 1.23456e10, "  1.2346e+10"},   {"%11.5g", 7.4505805969238281e-09, " 7.4506e-09"},
    {"%11.5g", 1e-300, "     1e-300"},        {"%11.5g", kInf, "        inf"},
    {"%11.5g", -kInf, "       -inf"},         {"%11.5g", kNaN, "        nan"},
    {"%11.5g", -kNaN, "       -nan"},         {"%12.5g", 123456.0, "  1.2346e+05"},
    {"%12.5g", 12345.0, "       12345"},
};

TEST(ResultText, FormatsLikePrintfInTheCLocale) {
  for (const auto& c : kCases)
    EXPECT_EQ(ResultText(c.format, c.value), c.text) << c.format;
}

// Where %g is easiest to get wrong: ties that round to even, rounding that carries into a new
// power of ten and so changes the form, the edges of the fixed form, the ends of the range.
const FormatCase kBoundaryCases[] = {
    {"%11.5g", 99999.5, "      1e+05"},
    {"%11.5g", 99998.5, "      99998"},
    {"%11.5g", 99999.4, "      99999"},
    {"%.2g", 0.125, "0.12"},
    {"%.2g", 0.375, "0.38"},
    {"%11.5g", 0.0001, "     0.0001"},
    {"%11.5g", 0.00001, "      1e-05"},
    {"%11.5g", 9.99995e-5, " 9.9999e-05"},
    {"%11.5g", 9.99996e-5, "     0.0001"},
    {"%11.5g", 1e16, "      1e+16"},
    {"%11.5g", 9999950000.0, "      1e+10"},
    {"%11.5g", -1.2345e+100, "-1.2345e+100"},
    {"%12.5g", 5e-324, " 4.9407e-324"},
    {"%12.5g", 2.2250738585072014e-308, " 2.2251e-308"},
    {"%12.5g", 1.7976931348623157e308, " 1.7977e+308"},
    {"%.17g", 0.1, "0.10000000000000001"},
    {"%.0g", 0.5, "0.5"},
    {"%.1g", 0.25, "0.2"},
    {"%g", 1234567.0, "1.23457e+06"},
    {"%-12.5g|", -0.0, "-0          |"},
};

TEST(ResultText, RoundsAndChoosesTheFormAsPrintfDoes) {
  for (const auto& c : kBoundaryCases) {
    EXPECT_EQ(ResultText(c.format, c.value), c.text) << c.format << " " << c.value;
    char expected[64];
    std::snprintf(expected, sizeof expected, c.format, c.value);
    EXPECT_EQ(c.text, std::string(expected)) << "the table is wrong for " << c.value;
  }
}

TEST(ResultText, FormatsTheOtherConversionsAndTheLiteralText) {
  EXPECT_EQ(ResultText(" %s = %11.5g %c j (%11.5g) \n", "X+Y", 1.5, '-', 2.0),
            " X+Y =         1.5 - j (          2) \n");
  EXPECT_EQ(ResultText("  %2d  %-6s|%3s|%.2s", 7, "mag", "ab", "xyz"), "   7  mag   | ab|xy");
  EXPECT_EQ(ResultText("%d%%%d %-4d|", -12, 0, 3), "-12%0 3   |");
  EXPECT_EQ(ResultText("no conversions \r\n"), "no conversions \r\n");
}

// Over the whole range of doubles and every number of digits that --digits allows; the ten
// million values of bench/printf_comparison go further.
TEST(ResultText, AgreesWithPrintfOnRandomDoubles) {
  PrintfComparisonValues values(20261208);
  int mismatches = 0;
  for (int i = 0; i < 100000 && mismatches < 10; ++i) {
    const double value = values.Next();
    const int digits = i % 2 == 0 ? ResultDigits::kStandard : 1 + i / 2 % ResultDigits::kMost;
    if (const auto mismatch = CompareWithPrintf(value, digits)) {
      ++mismatches;
      ADD_FAILURE() << mismatch->format << " of " << std::hexfloat << mismatch->value << ": \""
                    << mismatch->ours << "\" against printf's \"" << mismatch->printf << "\"";
    }
  }
}

// Two numbers print alike exactly where their rounded decimals are equal: each number beside
// neighbours a few units in the last place away and a little further, which round alike or
// across a rounding edge, against printf's texts.
TEST(RoundToDigits, TellsWhetherTwoNumbersPrintAlike) {
  PrintfComparisonValues values(20261209);
  int compared = 0, alike = 0;
  for (int i = 0; i < 50000; ++i) {
    const double value = values.Next();
    const int digits = i % 2 == 0 ? ResultDigits::kStandard : 1 + i / 2 % ResultDigits::kMost;
    const double step = i % 3 == 0 ? 0x1p-52 * std::fabs(value) * (i % 7) : 0.0;
    double neighbour = value + (i % 5 == 0 ? -step : step) * 1e6;
    for (int k = 0; k < i % 4; ++k)
      neighbour = std::nextafter(neighbour, i % 8 < 4 ? HUGE_VAL : -HUGE_VAL);
    RoundedDecimal a, b;
    if (!RoundToDigits(value, digits, a) || !RoundToDigits(neighbour, digits, b))
      continue;
    char a_text[64], b_text[64];
    std::snprintf(a_text, sizeof a_text, "%.*g", digits, value);
    std::snprintf(b_text, sizeof b_text, "%.*g", digits, neighbour);
    ++compared;
    alike += a == b;
    EXPECT_EQ(a == b, std::string(a_text) == b_text)
        << std::hexfloat << value << " and " << neighbour << " at " << digits << " digits";
  }
  // Both outcomes must have been met often. Most numbers beyond 10^digits now have their
  // decimals too, and their neighbours a few units in the last place away mostly print alike.
  EXPECT_GT(alike, compared / 10);
  EXPECT_LT(alike, compared - compared / 20);
}

TEST(ResultText, KeepsPointDecimalsUnderACommaDecimalLocale) {
  CommaDecimalLocale locale;
  ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(ResultText(" x1 = %12.5g ", 2.5), " x1 =          2.5 ");
  EXPECT_EQ(ResultText("%11.5g", -kNaN), "       -nan");
}

TEST(ResultText, HandlesTextsLongerThanAnyFixedBuffer) {
  const std::string long_text(5000, 'a');
  EXPECT_EQ(ResultText("%s|%11.5g", long_text.c_str(), 1.5), long_text + "|        1.5");
}

struct DigitsCase {
  int digits;
  const char* format;
  double value;
  const char* text;
};

// Each field widens by digits - 5 and shows that many significant digits; everything else
// in the format stays as written.
const DigitsCase kDigitsCases[] = {
    {5, " x1 = %12.5g ", 2.0 / 3, " x1 =      0.66667 "},
    {10, " x1 = %12.5g ", 2.0 / 3, " x1 =      0.6666666667 "},
    {17, " X1 = %11.5g ", 2.0 / 3, " X1 =     0.66666666666666663 "},
    {17, "%11.5g", 0.1, "    0.10000000000000001"},
    {1, " x1 = %12.5g ", 2.0 / 3, " x1 =      0.7 "},
    {1, "%11.5g", 12345.0, "  1e+04"},
    {7, "%11.5g", kNaN, "          nan"},
    {7, "%-11.5g|", 1.5, "1.5          |"},
    {7, "%.5g", 2.0 / 3, "0.6666667"},
    {9, "100%% %11.5g", 1.0, "100%               1"},
    {9, "%11.3g %2d %11.5g", 2.0 / 3, "      0.667  7     0.666666667"},
};

TEST(ResultDigits, WidensEveryFiveDigitFieldAndLeavesTheRest) {
  for (const auto& c : kDigitsCases) {
    const ResultDigits digits(c.digits);
    // The case with three conversions takes 2/3, 7 and 2/3 again.
    const std::string text = std::string(c.format).find("%2d") != std::string::npos
                                 ? ResultText(c.format, c.value, 7, c.value)
                                 : ResultText(c.format, c.value);
    EXPECT_EQ(text, c.text) << c.digits << " " << c.format;
  }
}

TEST(ResultDigits, EndsWithItsScope) {
  {
    const ResultDigits digits(12);
    EXPECT_EQ(ResultText("%11.5g", 0.1), "               0.1");
  }
  EXPECT_EQ(ResultText("%11.5g", 2.0 / 3), "    0.66667");
}

constexpr const char* kTwoFields = " x1 = %12.5g \r\n x2 = %-11.5g|%.3g";
constexpr NumberFormat kTwoFieldsFormat(kTwoFields);
constexpr NumberFormat kFromSecondCharacter(kTwoFields, 1);
constexpr NumberFormat kNoFields("no numbers");
constexpr NumberFormat kOnlyAField("%11.5g");

// A number format writes what the format itself writes, at every number of digits, for
// numbers of every kind and both justifications.
TEST(NumberFormat, WritesWhatTheFormatItselfWrites) {
  const double values[] = {2.0 / 3, -0.0,  1e-300, 123456.0, 9.99995, -kInf,
                           kNaN,    -1e22, 0.1,    12345.0,  1e-5,    7.0};
  for (const int digits : {1, 5, 9, 17}) {
    const ResultDigits scope(digits);
    for (const double a : values) {
      for (const double b : values) {
        std::string expected, text = "what it held";
        AssignResultText(expected, kTwoFields, a, b, a);
        AssignNumberText(text, kTwoFieldsFormat, a, b, a);
        EXPECT_EQ(text, expected) << digits << " digits of " << a << " and " << b;
        AssignResultText(expected, kTwoFields + 1, a, b, a);
        AssignNumberText(text, kFromSecondCharacter, a, b, a);
        EXPECT_EQ(text, expected) << digits << " digits of " << a << " and " << b;
      }
      std::string text;
      AssignNumberText(text, kOnlyAField, a);
      EXPECT_EQ(text, ResultText("%11.5g", a));
    }
  }
  std::string text = "what it held";
  AssignNumberText(text, kNoFields);
  EXPECT_EQ(text, "no numbers");
}

TEST(NumberFormatDeathTest, EndsTheProgramOnTooFewOrTooManyNumbers) {
  std::string text;
  EXPECT_DEATH(AssignNumberText(text, kTwoFieldsFormat, 1.0, 2.0), "2 numbers for the 3 fields");
  const double four[] = {1.0, 2.0, 3.0, 4.0};
  EXPECT_DEATH(AssignNumberText(text, kTwoFieldsFormat, std::span<const double>(four)),
               "4 numbers for the 3 fields");
}

// A result's numbers compare by what is shown, not by what the unused places hold, and a
// seventh number is refused rather than written beyond them.
TEST(ShownNumbers, CompareByTheNumbersShownAndHoldNoMoreThanSix) {
  ShownNumbers numbers{{"re", 1.0}, {"im", 2.0}};
  EXPECT_EQ(numbers, (ShownNumbers{{"re", 1.0}, {"im", 2.0}}));
  EXPECT_NE(numbers, (ShownNumbers{{"re", 1.0}}));
  EXPECT_NE(numbers, (ShownNumbers{{"re", 1.0}, {"im", -2.0}}));
  for (size_t i = numbers.size(); i < ShownNumbers::kMost; ++i)
    numbers.push_back({"x", 0.0});
  EXPECT_EQ(numbers.size(), ShownNumbers::kMost);
  EXPECT_THROW(numbers.push_back({"x", 0.0}), std::out_of_range);
  EXPECT_EQ(numbers.size(), ShownNumbers::kMost);
}

}  // namespace
