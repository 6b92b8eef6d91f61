#include "common/box_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>

#include "common/c_locale.h"
#include "tests/support/random_draw.h"

// Names the reading in a failure instead of its bytes.
void PrintTo(BoxText reading, std::ostream* out) {
  *out << "BoxText(" << static_cast<int>(reading) << ")";
}

namespace {

struct ValueCase {
  std::string text;
  BoxText reading;
  double value;
};

// The values are IEEE operations and C library calls on the literal operands, each made
// once, as a person evaluating the text in doubles would.
const ValueCase kValues[] = {
    {"", BoxText::Blank, 0},
    {"   ", BoxText::Blank, 0},
    {"\t \r\n", BoxText::Blank, 0},
    {"1", BoxText::Number, 1},
    {" -2.5 ", BoxText::Number, -2.5},
    {"+3", BoxText::Number, 3},
    {".5", BoxText::Number, 0.5},
    {"5.", BoxText::Number, 5},
    {"1E+2", BoxText::Number, 100},
    {"-1e-3", BoxText::Number, -0.001},
    {"0.1", BoxText::Number, 0.1},
    {"1e-400", BoxText::Number, 0},
    {"4.9406564584124654e-324", BoxText::Number, std::numeric_limits<double>::denorm_min()},
    {"1.7976931348623157e308", BoxText::Number, std::numeric_limits<double>::max()},
    {"1/3", BoxText::Expression, 1.0 / 3.0},
    {"-1/3", BoxText::Expression, -1.0 / 3.0},
    {"1+2*3", BoxText::Expression, 7},
    {"2*3+1", BoxText::Expression, 7},
    {"10-2-3", BoxText::Expression, 5},
    {"2/4/2", BoxText::Expression, 0.25},
    {"(1+2)*3", BoxText::Expression, 9},
    {"-2^2", BoxText::Expression, -4},
    {"(-2)^2", BoxText::Expression, 4},
    {"2^3^2", BoxText::Expression, 512},
    {"2^-1", BoxText::Expression, 0.5},
    {"2^-2^2", BoxText::Expression, 1.0 / 16},
    {"-2^-2", BoxText::Expression, -0.25},
    {"2*-3", BoxText::Expression, -6},
    {"2--3", BoxText::Expression, 5},
    {"--1", BoxText::Expression, 1},
    {"- 5", BoxText::Expression, -5},
    {"+-+2", BoxText::Expression, -2},
    {" 1 +\t2 ", BoxText::Expression, 3},
    {"1e3*2", BoxText::Expression, 2000},
    {"1.5e-3 + 1", BoxText::Expression, 1.5e-3 + 1},
    {"((((1))))", BoxText::Expression, 1},
    {"0*-1", BoxText::Expression, -0.0},
    {"pi", BoxText::Expression, std::numbers::pi},
    {"2*pi", BoxText::Expression, 2 * std::numbers::pi},
    {"e", BoxText::Expression, std::numbers::e},
    {"e^2", BoxText::Expression, std::pow(std::numbers::e, 2)},
    {"sqrt(2)", BoxText::Expression, std::sqrt(2.0)},
    {"sqrt (2) / 2", BoxText::Expression, std::sqrt(2.0) / 2},
    {"cbrt(-8)", BoxText::Expression, -2},
    {"exp(1)", BoxText::Expression, std::exp(1.0)},
    {"ln(10)", BoxText::Expression, std::log(10.0)},
    {"log10(1000)", BoxText::Expression, 3},
    {"sin(pi/6)", BoxText::Expression, std::sin(std::numbers::pi / 6)},
    {"cos(1)", BoxText::Expression, std::cos(1.0)},
    {"tan(1)", BoxText::Expression, std::tan(1.0)},
    {"asin(1)", BoxText::Expression, std::asin(1.0)},
    {"acos(-1)", BoxText::Expression, std::acos(-1.0)},
    {"4*atan(1)", BoxText::Expression, 4 * std::atan(1.0)},
    {"abs(-3)", BoxText::Expression, 3},
    {"-abs(2-5)^2", BoxText::Expression, -9},
    {"sqrt(sqrt(16))", BoxText::Expression, 2},
};

const ValueCase kRefusals[] = {
    {"2,5", BoxText::DecimalComma, 0},
    {"-2,5", BoxText::DecimalComma, 0},
    {"1,000", BoxText::DecimalComma, 0},
    {"sqrt(2,5)", BoxText::DecimalComma, 0},
    {"2,5e3", BoxText::DecimalComma, 0},
    {"a,b", BoxText::NotANumber, 0},
    {",5", BoxText::NotANumber, 0},
    {"5,", BoxText::NotANumber, 0},
    {"abc", BoxText::NotANumber, 0},
    {"0x10", BoxText::NotANumber, 0},
    {"1e", BoxText::NotANumber, 0},
    {"1e+", BoxText::NotANumber, 0},
    {"nan", BoxText::NotANumber, 0},
    {"inf", BoxText::NotANumber, 0},
    {"-inf", BoxText::NotANumber, 0},
    {"3abc", BoxText::NotANumber, 0},
    {"2.5 volts", BoxText::NotANumber, 0},
    {"1..2", BoxText::NotANumber, 0},
    {"1.2.3", BoxText::NotANumber, 0},
    {"1 2", BoxText::NotANumber, 0},
    {".", BoxText::NotANumber, 0},
    {"-", BoxText::NotANumber, 0},
    {"1+", BoxText::NotANumber, 0},
    {"*2", BoxText::NotANumber, 0},
    {"2**3", BoxText::NotANumber, 0},
    {"2pi", BoxText::NotANumber, 0},
    {"pi2", BoxText::NotANumber, 0},
    {"sqrt", BoxText::NotANumber, 0},
    {"sqrt 2", BoxText::NotANumber, 0},
    {"SQRT(2)", BoxText::NotANumber, 0},
    {"log(2)", BoxText::NotANumber, 0},
    {"()", BoxText::NotANumber, 0},
    {"(1)(2)", BoxText::NotANumber, 0},
    {"\xe2\x88\x92"
     "1",
     BoxText::NotANumber, 0},  // U+2212 MINUS SIGN
    {"1\xc2\xa0"
     "000",
     BoxText::NotANumber, 0},  // a no-break space
    {"1e999", BoxText::TooLarge, 0},
    {" -1e999 ", BoxText::TooLarge, 0},
    {"1e999*0", BoxText::TooLarge, 0},
    {"1/0", BoxText::NotFinite, 0},
    {"-1/0", BoxText::NotFinite, 0},
    {"0/0", BoxText::NotFinite, 0},
    {"1/(1/0)", BoxText::NotFinite, 0},
    {"sqrt(-1)", BoxText::NotFinite, 0},
    {"ln(0)", BoxText::NotFinite, 0},
    {"ln(-1)", BoxText::NotFinite, 0},
    {"acos(2)", BoxText::NotFinite, 0},
    {"10^400", BoxText::NotFinite, 0},
    {"1e308*10", BoxText::NotFinite, 0},
    {"exp(1000)-exp(1000)", BoxText::NotFinite, 0},
    {"(-8)^(1/3)", BoxText::NotFinite, 0},
    {"(1+2", BoxText::UnbalancedParentheses, 0},
    {"1+2)", BoxText::UnbalancedParentheses, 0},
    {"sqrt(2", BoxText::UnbalancedParentheses, 0},
    {")(", BoxText::UnbalancedParentheses, 0},
    {"((1)", BoxText::UnbalancedParentheses, 0},
    // A syntax fault outweighs a value that would not be finite.
    {"1/0 +", BoxText::NotANumber, 0},
    {"1/0,5", BoxText::DecimalComma, 0},
};

std::string Repeated(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += part;
  return text;
}

bool SameDouble(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every table runs in the "C" locale and in a comma-decimal one, as the program runs in the
// user's locale.
class BoxNumberInLocale : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
        << "the " << GetParam() << " locale is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_P(BoxNumberInLocale, ReadsBlanksNumbersAndArithmetic) {
  for (const ValueCase& c : kValues) {
    const BoxNumber read = ReadBoxNumber(c.text);
    EXPECT_EQ(read.reading, c.reading) << '"' << c.text << '"';
    EXPECT_TRUE(SameDouble(read.value, c.value))
        << '"' << c.text << "\" reads " << read.value << ", not " << c.value;
  }
}

TEST_P(BoxNumberInLocale, RefusesEverythingElseWithItsReason) {
  for (const ValueCase& c : kRefusals) {
    const BoxNumber read = ReadBoxNumber(c.text);
    EXPECT_EQ(read.reading, c.reading) << '"' << c.text << '"';
    EXPECT_TRUE(read.Refused()) << '"' << c.text << '"';
  }
}

TEST_P(BoxNumberInLocale, ReadsPlainNumbersExactlyAsStrtodInTheCLocale) {
  Draw draw(20261208);
  const char* const formats[] = {"%.17g", "%.3g", "%.0f", "%.25e", "  %+.12E  "};
  for (int i = 0; i < 20000; ++i) {
    // From the smallest subnormal up to the largest binade.
    const double x = draw.Sign() * std::ldexp(1 + draw.Unit(), draw.Below(2098) - 1074);
    char text[400];
    // The texts are written with '.' decimals, as a person types them in any locale.
    const locale_t outer = uselocale(CLocale());
    std::snprintf(text, sizeof text, formats[i % std::size(formats)], x);
    uselocale(outer);
    const BoxNumber read = ReadBoxNumber(text);
    ASSERT_EQ(read.reading, BoxText::Number) << text;
    ASSERT_TRUE(SameDouble(read.value, strtod_l(text, nullptr, CLocale()))) << text;
  }
}

TEST_P(BoxNumberInLocale, BoundsTheNesting) {
  const std::string deepest = Repeated("(", kMaxNesting) + "1" + Repeated(")", kMaxNesting);
  EXPECT_EQ(ReadBoxNumber(deepest).reading, BoxText::Expression);
  const std::string deeper = "(" + deepest + ")";
  EXPECT_EQ(ReadBoxNumber(deeper).reading, BoxText::NestedTooDeep);
  EXPECT_EQ(ReadBoxNumber(Repeated("sqrt(", kMaxNesting + 1) + "1").reading,
            BoxText::NestedTooDeep);
  EXPECT_EQ(ReadBoxNumber(Repeated("1^", kMaxNesting) + "1").reading, BoxText::Expression);
  EXPECT_EQ(ReadBoxNumber(Repeated("1^", kMaxNesting + 1) + "1").reading, BoxText::NestedTooDeep);
  // A million opening parentheses stop at the limit instead of exhausting the stack.
  EXPECT_EQ(ReadBoxNumber(Repeated("(", 1000000)).reading, BoxText::NestedTooDeep);
}

TEST_P(BoxNumberInLocale, ReadsLongTextsWithoutRecursingIntoThem) {
  const BoxNumber signs = ReadBoxNumber(Repeated("-", 1000000) + "2");
  EXPECT_EQ(signs.reading, BoxText::Expression);
  EXPECT_EQ(signs.value, 2);
  const BoxNumber sum = ReadBoxNumber("0" + Repeated("+1", 500000));
  EXPECT_EQ(sum.reading, BoxText::Expression);
  EXPECT_EQ(sum.value, 500000);
  const std::string digits = "0." + Repeated("0", 100000) + "1";
  EXPECT_EQ(ReadBoxNumber(digits).reading, BoxText::Number);
}

INSTANTIATE_TEST_SUITE_P(Locales, BoxNumberInLocale, testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) {
                           return std::string(info.index == 0 ? "C" : "CommaDecimal");
                         });

TEST(BoxNumber, KeepsTheSignOfANegativeZero) {
  for (const char* text : {"-0", "-1e-400", "-0.0e5"}) {
    EXPECT_EQ(ReadBoxNumber(text).reading, BoxText::Number) << text;
    EXPECT_TRUE(std::signbit(ReadBoxNumber(text).value)) << text;
  }
  EXPECT_FALSE(std::signbit(ReadBoxNumber("0").value));
  EXPECT_FALSE(std::signbit(ReadBoxNumber(" ").value));
}

TEST(BoxNumber, GivesEachRefusalItsReason) {
  const std::pair<BoxText, const char*> reasons[] = {
      {BoxText::NotANumber, "is not a number"},
      {BoxText::DecimalComma, "is not a number: use a point (.) for the decimal separator"},
      {BoxText::TooLarge, "is too large for a double"},
      {BoxText::NotFinite, "is not a finite number"},
      {BoxText::UnbalancedParentheses, "has unbalanced parentheses"},
      {BoxText::NestedTooDeep, "nests deeper than 100 levels"},
  };
  for (const auto& [reading, reason] : reasons)
    EXPECT_EQ(RefusalReason(reading), reason);
}

}  // namespace

namespace {

TEST(RefusedBoxMessage, NamesTheBoxAndQuotesItsText) {
  EXPECT_EQ(RefusedBoxMessage("X real part", "2,5", BoxText::DecimalComma),
            "X real part: \"2,5\" is not a number: use a point (.) for the decimal separator.");
  EXPECT_EQ(RefusedBoxMessage("Constant term", "", BoxText::NotANumber),
            "Constant term: \"\" is not a number.");
  const std::string longest(kQuotedTextLimit, '7');
  EXPECT_EQ(RefusedBoxMessage("Coefficient of x", longest + "x", BoxText::NotANumber),
            "Coefficient of x: \"" + longest + "...\" is not a number.");
  EXPECT_EQ(RefusedBoxMessage("Coefficient of x", longest, BoxText::NotANumber),
            "Coefficient of x: \"" + longest + "\" is not a number.");
  // A character that the limit would cut in two is left out whole.
  const std::string before(kQuotedTextLimit - 1, '7');
  EXPECT_EQ(RefusedBoxMessage("Y real part",
                              before + "\xc3\xa9"
                                       "1",
                              BoxText::NotANumber),
            "Y real part: \"" + before + "...\" is not a number.");
}

}  // namespace
