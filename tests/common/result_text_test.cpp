#include "common/result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/common/locale_guard.h"

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

}  // namespace
