#include "complex/complex_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/common/printed_numbers.h"

#include "tests/support/unsigned_nans.h"

namespace {

// A number as the texts show it, with NaN's sign left out.
std::string ResultNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5g|", std::isnan(value) ? NAN : value);
  return text;
}

// The cases below give each operation by its position in the operation list, as the dialog
// and the command line have it.
std::string ResultAt(int position, Complex x, Complex y, Complex z) {
  return ComputeComplexResult(static_cast<ComplexOperation>(position), x, y, z);
}

struct Operands {
  int operation;
  Complex x, y = {}, z = {};  // Y and Z at 0 where an operation uses X alone
};

struct ResultCase {
  Operands in;
  const char* text;
};

const ResultCase kResults[] = {
    {{0, {3, 4}}, " 1/X =        0.12 - j (       0.16) \n"},
    {{0, {5, 0}}, " 1/X =         0.2 + j (         -0) \n"},  // (-0)/25 stays -0
    {{0, {0, 0}}, " 1/X =         nan - j (        nan) \n"},
    {{1, {3, 4}}, " mag(X) =           5 \n"},
    {{1, {0, 0}}, " mag(X) =           0 \n"},
    {{2, {-1, 0}}, " phase(X) =      3.1416 rad\n\n            =         180 deg"},
    {{2, {1, 1}}, " phase(X) =      0.7854 rad\n\n            =          45 deg"},
    {{3, {-1, 0}}, " natural log(X) =           0 + j (     3.1416)\n"},
    {{3, {0, 0}}, " natural log(X) =        -inf + j (          0)\n"},
    {{3, {0, -1}}, " natural log(X) =           0 - j (     1.5708)\n"},
    // No clean-up outside the square root: the residue of sin(pi) shows.
    {{4, {0, 3.141592653589793}}, " exp (X) =          -1 + j ( 1.2246e-16)\n"},
    {{4, {1, -3.141592653589793 / 2}}, " exp (X) =  1.6645e-16 - j (     2.7183)\n"},
    // The real part of sqrt(-4) is about 1.2e-16 before the clean-up.
    {{5, {-4, 0}},
     " sqrt(X) =           0 + j (          2) \n\n\n mag [ sqrt (X) ] =           2 \n"},
    {{5, {0, 0}},
     " sqrt(X) =           0 + j (          0) \n\n\n mag [ sqrt (X) ] =           0 \n"},
    {{5, {3, -4}},
     " sqrt(X) =           2 - j (          1) \n\n\n mag [ sqrt (X) ] =      2.2361 \n"},
    {{6, {1, 2}}, " X^2 =          -3 + j (          4) \n\n\n mag (X^2) =           5 \n"},
    {{7, {1, 2}, {3, -4}},
     " X+Y =           4 - j (          2) \n\n\n mag (X+Y) =      4.4721 \n"},
    {{8, {1, 2}, {3, -4}},
     " X*Y =          11 + j (          2) \n\n\n mag (X*Y) =       11.18 \n"},
    {{9, {1, 2}, {3, -4}},
     " X/Y =        -0.2 + j (        0.4) \n\n\n mag (X/Y) =     0.44721 \n"},
    {{9, {1, 2}, {0, 0}}, " X/Y =         nan - j (        nan) \n\n\n mag (X/Y) =         nan \n"},
    {{10, {1, 2}, {3, -4}, {1, -1}}, " Z + (X/Y) =         0.8 - j (        0.6) \n"},
    {{10, {1, 2}, {0, 0}, {1, 1}}, " Z + (X/Y) =         nan - j (        nan) \n"},
};

TEST(ComplexResult, TextsMatchTheirFormatsByteForByte) {
  for (const auto& c : kResults) {
    EXPECT_EQ(WithUnsignedNaNs(ResultAt(c.in.operation, c.in.x, c.in.y, c.in.z)), c.text)
        << "operation " << c.in.operation << ", X = " << c.in.x.re << " + j" << c.in.x.im;
  }
}

// Where a square or a product leaves the range of doubles, the result is still the true one:
// the numbers below are exact, or the true value rounded to five digits.
const ResultCase kWideRange[] = {
    {{1, {1e155, 0}}, " mag(X) =      1e+155 \n"},
    {{1, {1e-170, 0}}, " mag(X) =      1e-170 \n"},
    {{1, {1e308, 1e308}}, " mag(X) = 1.4142e+308 \n"},
    {{1, {1.5e308, 1.5e308}}, " mag(X) =         inf \n"},  // beyond the largest double
    {{0, {1e155, 0}}, " 1/X =      1e-155 + j (         -0) \n"},
    {{0, {1e-170, 1e-170}}, " 1/X =      5e+169 - j (     5e+169) \n"},
    {{0, {1e-310, 0}}, " 1/X =         inf + j (         -0) \n"},
    {{2, {1e-320, 1e-320}}, " phase(X) =      0.7854 rad\n\n            =          45 deg"},
    {{3, {1e-170, 0}}, " natural log(X) =     -391.44 + j (          0)\n"},
    {{3, {1.5e308, 1.5e308}}, " natural log(X) =      709.95 + j (     0.7854)\n"},
    {{4, {710, 0}}, " exp (X) =         inf + j (          0)\n"},
    {{4, {710, 1.5707963267948966}}, " exp (X) = 1.3679e+292 + j (        inf)\n"},
    {{5, {-1e300, 0}},
     " sqrt(X) =           0 + j (     1e+150) \n\n\n mag [ sqrt (X) ] =      1e+150 \n"},
    {{5, {1e-300, 1e-300}},
     " sqrt(X) = 1.0987e-150 + j (4.5509e-151) \n\n\n mag [ sqrt (X) ] = 1.1892e-150 \n"},
    {{6, {1e200, 1e200}}, " X^2 =           0 + j (        inf) \n\n\n mag (X^2) =         inf \n"},
    {{6, {1.35e154, 6e153}},
     " X^2 = 1.4625e+308 + j (  1.62e+308) \n\n\n mag (X^2) =         inf \n"},
    {{8, {1e300, 1e300}, {1e10, -1e10}},
     " X*Y =         inf + j (          0) \n\n\n mag (X*Y) =         inf \n"},
    {{9, {1e200, 1e200}, {1e200, 1e200}},
     " X/Y =           1 + j (          0) \n\n\n mag (X/Y) =           1 \n"},
    {{9, {1e-200, 0}, {1e-150, 0}},
     " X/Y =       1e-50 + j (          0) \n\n\n mag (X/Y) =       1e-50 \n"},
    {{10, {1e200, 1e200}, {1e200, 1e200}, {1, 1}}, " Z + (X/Y) =           2 + j (          1) \n"},
};

TEST(ComplexResult, SquaresAndProductsBeyondTheRangeOfDoublesGiveTheTrueResult) {
  for (const auto& c : kWideRange) {
    EXPECT_EQ(ResultAt(c.in.operation, c.in.x, c.in.y, c.in.z), c.text)
        << "operation " << c.in.operation << ", X = " << c.in.x.re << " + j" << c.in.x.im;
  }
}

// Results whose terms cancel, and logarithms near |X| = 1: the numbers are the true values,
// rounded to five digits, of the operation on the doubles given.
const ResultCase kCancelling[] = {
    // 1.00000001 * 1.00000004 + 1.00000002 * -1.00000003 leaves 4.2204e-16 of 2.
    {{8, {1.00000001, 1.00000002}, {1.00000003, -1.00000004}},
     " X*Y =           2 + j ( 4.2204e-16) \n\n\n mag (X*Y) =           2 \n"},
    {{6, {3, 3.0000000000000004}},
     " X^2 = -2.6645e-15 + j (         18) \n\n\n mag (X^2) =          18 \n"},
    {{6, {1.00000001, 1.00000001}},
     " X^2 =           0 + j (          2) \n\n\n mag (X^2) =           2 \n"},
    // 0.6^2 + 0.8^2 is 1 + 4.44e-17 in doubles.
    {{3, {0.6, 0.8}}, " natural log(X) =  2.2204e-17 + j (     0.9273)\n"},
    {{3, {1, 1e-8}}, " natural log(X) =       5e-17 + j (      1e-08)\n"},
    {{3, {-0.6, -0.8}}, " natural log(X) =  2.2204e-17 - j (     2.2143)\n"},
    {{3, {1, 0}}, " natural log(X) =           0 + j (          0)\n"},
    // X/Y = 5e299 (1 - j) is rounded, and Z takes away all but the rounding.
    {{10, {1, 0}, {1e-300, 1e-300}, {-5e299, 5e299}},
     " Z + (X/Y) = -3.8782e+283 + j (3.8782e+283) \n"},
    // X/Y = -0.2 + j0.4 exactly, Z is the nearest double to its negative.
    {{10, {1, 2}, {3, -4}, {-0.2, -0.4}}, " Z + (X/Y) =        -0.4 - j ( 2.2204e-17) \n"},
};

TEST(ComplexResult, CancellingTermsShowTheTrueResult) {
  for (const auto& c : kCancelling) {
    EXPECT_EQ(ResultAt(c.in.operation, c.in.x, c.in.y, c.in.z), c.text)
        << "operation " << c.in.operation << ", X = " << c.in.x.re << " + j" << c.in.x.im;
  }
}

// A part of the whole range of doubles: a random sign and mantissa at a random power of ten,
// now and then exactly zero.
double RandomPart(std::mt19937_64& random, int lowest_power, int highest_power) {
  if (random() % 16 == 0)
    return 0.0;
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> power(lowest_power, highest_power);
  const double part = mantissa(random) * std::pow(10.0, power(random));
  return random() % 2 ? part : -part;
}

Complex RandomComplex(std::mt19937_64& random, int lowest_power, int highest_power) {
  return {RandomPart(random, lowest_power, highest_power),
          RandomPart(random, lowest_power, highest_power)};
}

using LongComplex = std::complex<long double>;

// The numbers an operation shows, in long double, whose range takes in every product and
// square of doubles. Complex results come as re, im and the magnitude where it is shown.
// The sign of the imaginary part is the text's to apply.
std::vector<long double> TrueNumbers(int operation, Complex x, Complex y) {
  const LongComplex lx(x.re, x.im), ly(y.re, y.im);
  const auto parts = [](LongComplex v, bool with_magnitude) {
    std::vector<long double> numbers{v.real(), v.imag()};
    if (with_magnitude)
      numbers.push_back(std::sqrt(v.real() * v.real() + v.imag() * v.imag()));
    return numbers;
  };
  const long double squares = lx.real() * lx.real() + lx.imag() * lx.imag();
  switch (operation) {
    case 0:
      return parts(LongComplex(lx.real() / squares, -lx.imag() / squares), false);
    case 1:
      return {std::sqrt(squares)};
    case 3:
      return {std::log(std::sqrt(squares)), std::atan2(lx.imag(), lx.real())};
    case 5: {
      const long double root = std::sqrt(std::sqrt(squares));
      const long double half_angle = std::atan2(lx.imag(), lx.real()) / 2;
      return {root * std::cos(half_angle), root * std::sin(half_angle), root};
    }
    case 6:
      return parts(lx * lx, true);
    case 8:
      return parts(lx * ly, true);
    default: {
      const long double d = ly.real() * ly.real() + ly.imag() * ly.imag();
      return parts(LongComplex((lx.real() * ly.real() + lx.imag() * ly.imag()) / d,
                               (lx.imag() * ly.real() - lx.real() * ly.imag()) / d),
                   true);
    }
  }
}

// Operands whose results sit near the subnormal range, or whose parts cancel, are left out:
// there the long double reference itself is not good to five digits.
bool WellConditioned(int operation, Complex x, Complex y) {
  const auto balanced = [](long double a, long double b) {
    const long double sum = std::fabs(a) + std::fabs(b);
    return sum == 0 || std::fabs(a - b) > 1e-6L * sum;
  };
  const long double xr = x.re, xi = x.im, yr = y.re, yi = y.im;
  switch (operation) {
    case 6:
      return balanced(xr * xr, xi * xi);
    case 8:
      return balanced(xr * yr, xi * yi) && balanced(xr * yi, -xi * yr);
    case 9:
      return balanced(xr * yr, -xi * yi) && balanced(xi * yr, xr * yi);
    default:
      return true;
  }
}

TEST(ComplexResult, EveryShownDigitIsTrueOverTheWholeRangeOfDoubles) {
  std::mt19937_64 random(20261208);
  int compared = 0;
  for (int round = 0; round < 20000; ++round) {
    const int operation = std::vector<int>{0, 1, 3, 5, 6, 8, 9}[round % 7];
    const Complex x = RandomComplex(random, -300, 300);
    const Complex y = RandomComplex(random, -300, 300);
    if ((operation == 9 && y.re == 0 && y.im == 0) || (operation != 8 && x.re == 0 && x.im == 0))
      continue;
    if (!WellConditioned(operation, x, y))
      continue;
    const std::string text = ResultAt(operation, x, y, {});
    const std::vector<double> shown = PrintedNumbers(text);
    std::vector<long double> truth = TrueNumbers(operation, x, y);
    if (truth.size() > 1 && text.find("- j") != std::string::npos)
      truth[1] = -truth[1];
    ASSERT_EQ(shown.size(), truth.size()) << text;
    for (size_t i = 0; i < truth.size(); ++i) {
      if (std::fabs(truth[i]) < 1e-290L)
        continue;  // subnormal results have fewer than five digits to show
      if (operation == 5 && std::fabs(truth[i]) < 1e-9L * truth[2])
        continue;  // the square root's clean-up shows such a part as 0
      ++compared;
      EXPECT_TRUE(ShowsTrueValue(shown[i], truth[i]))
          << text << "number " << i << " should be " << static_cast<double>(truth[i])
          << "; X = " << x.re << " + j" << x.im << ", Y = " << y.re << " + j" << y.im;
    }
  }
  EXPECT_GT(compared, 40000);
}

// The plain formulas, with nothing scaled.
std::vector<double> PlainNumbers(int operation, Complex x, Complex y) {
  const auto magnitude = [](double re, double im) {
    return std::sqrt(std::pow(re, 2) + std::pow(im, 2));
  };
  const auto with_magnitude = [&](double re, double im) {
    return std::vector<double>{re, im, magnitude(re, im)};
  };
  const double dx = std::pow(x.re, 2) + std::pow(x.im, 2);
  const double dy = std::pow(y.re, 2) + std::pow(y.im, 2);
  switch (operation) {
    case 0:
      return {x.re / dx, (-x.im) / dx};
    case 1:
      return {magnitude(x.re, x.im)};
    case 3:
      return {std::log(magnitude(x.re, x.im)), std::atan2(x.im, x.re)};
    case 4:
      return {std::cos(x.im) * std::exp(x.re), std::sin(x.im) * std::exp(x.re)};
    case 6:
      return with_magnitude(x.re * x.re - x.im * x.im, x.re * x.im + x.im * x.re);
    case 8:
      return with_magnitude(x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re);
    default:
      return with_magnitude((x.re * y.re + x.im * y.im) / dy, (x.im * y.re - x.re * y.im) / dy);
  }
}

TEST(ComplexResult, OrdinaryOperandsGiveThePlainFormulasResults) {
  std::mt19937_64 random(8);
  for (int round = 0; round < 20000; ++round) {
    const int operation = std::vector<int>{0, 1, 3, 4, 6, 8, 9}[round % 7];
    const Complex x = RandomComplex(random, -40, 40);
    const Complex y = RandomComplex(random, -40, 40);
    const Complex small_x{std::fmod(x.re, 700.0), x.im};  // exp's argument stays finite
    const Complex operand = operation == 4 ? small_x : x;
    const std::vector<double> plain = PlainNumbers(operation, operand, y);
    const std::string text = ResultAt(operation, operand, y, {});
    std::string expected;
    for (size_t i = 0; i < plain.size(); ++i) {
      const bool minus_form = i == 1 && text.find("- j") != std::string::npos;
      expected += ResultNumber(minus_form ? -plain[i] : plain[i]);
    }
    std::string shown;
    for (const double number : PrintedNumbers(text))
      shown += ResultNumber(number);
    EXPECT_EQ(shown, expected) << text;
  }
}

TEST(ComplexResult, EachOperationReadsOnlyTheNumbersItUses) {
  const Complex x{1.5, -2.5};
  const Complex y{0.5, 3}, other_y{-7, 0.25};
  const Complex z{2, 2}, other_z{-3, 9};
  for (int operation = 0; operation < kComplexOperationCount; ++operation) {
    const std::string base = ResultAt(operation, x, y, z);
    EXPECT_EQ(ResultAt(operation, x, other_y, z) != base, operation >= 7)
        << "operation " << operation << " and Y";
    EXPECT_EQ(ResultAt(operation, x, y, other_z) != base, operation == 10)
        << "operation " << operation << " and Z";
  }
}

// A batch writes each result into the one before it: whatever that held (a longer text, more
// numbers, the texts of more digits), the result is the one written afresh, in the same room.
TEST(ComplexResult, WrittenOverAnotherIsTheFreshResultInTheSameRoom) {
  const Complex x{-1.5, 2.25e-7}, y{3, -4}, z{1e300, -0.5};
  ResultWithNumbers result{std::string(400, 'x'),
                           {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}, {"f", 6}}};
  const char* const room = result.text.data();
  for (const int digits : {ResultDigits::kMost, ResultDigits::kStandard, 1}) {
    const ResultDigits shown(digits);
    // Every operation after every other one, the longest texts before the shortest.
    for (int before = kComplexOperationCount - 1; before >= 0; --before) {
      for (int operation = 0; operation < kComplexOperationCount; ++operation) {
        const auto op = static_cast<ComplexOperation>(operation);
        WriteComplexResult(static_cast<ComplexOperation>(before), x, y, z, result);
        WriteComplexResult(op, x, y, z, result);
        ASSERT_EQ(result, ComputeComplexResultWithNumbers(op, x, y, z))
            << before << " then " << operation << " with " << digits << " digits";
      }
    }
  }
  EXPECT_EQ(result.text.data(), room);
}

TEST(ComplexResult, OperationNamesAreTheListEntriesInOrder) {
  const std::string expected[] = {"1/X",      "mag (X)",  "phase (X)", "natural log (X)",
                                  "exp (X) ", "sqrt (X)", "X^2",       "X + Y",
                                  "X * Y",    "X / Y",    "Z + (X/Y)"};
  for (int i = 0; i < kComplexOperationCount; ++i)
    EXPECT_EQ(kComplexOperationNames[i], expected[i]) << "entry " << i;
}

}  // namespace
