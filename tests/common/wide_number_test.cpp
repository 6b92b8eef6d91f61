#include "common/wide_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

#include "tests/support/true_real.h"

namespace {

double RandomFactor(std::mt19937_64& random, int lowest_exponent, int highest_exponent) {
  std::uniform_real_distribution<double> mantissa(0.5, 1.0);
  std::uniform_int_distribution<int> exponent(lowest_exponent, highest_exponent);
  const double factor = std::ldexp(mantissa(random), exponent(random));
  return random() % 2 ? factor : -factor;
}

// Near the edges of the range the sums take their scaled way although the plain formula
// would still stay in range. Wherever it does, both give the same bits: scaling by a power
// of two is exact.
TEST(WideNumber, ScaledSumsKeepThePlainFormulasBitsWhereThatStaysInRange) {
  std::mt19937_64 random(1);
  int scaled = 0;
  for (int round = 0; round < 200000; ++round) {
    const bool large = round % 2 == 0;
    const int low = large ? 480 : -540, high = large ? 512 : -480;
    const double a = RandomFactor(random, low, high), b = RandomFactor(random, low, high);
    const double c = RandomFactor(random, low, high), d = RandomFactor(random, low, high);
    const double e = RandomFactor(random, low, high), f = RandomFactor(random, low, high);
    const double plain = (a * b + c * d) + e * f;
    const double squares = (std::pow(a, 2) + std::pow(c, 2)) + std::pow(e, 2);
    const auto in_range = [](double sum, std::initializer_list<double> terms) {
      bool normal = std::isfinite(sum);
      for (const double term : terms)
        normal = normal && std::fabs(term) >= DBL_MIN;
      return normal;
    };
    if (in_range(plain, {a * b, c * d, e * f})) {
      const WideNumber sum = SumOfProducts({{a, b}, {c, d}, {e, f}});
      scaled += sum.exponent != 0;
      EXPECT_EQ(ToDouble(sum), plain) << a << " " << b << " " << c << " " << d << " " << e;
    }
    if (in_range(squares, {a * a, c * c, e * e})) {
      const WideNumber sum = SumOfSquares({a, c, e});
      scaled += sum.exponent != 0;
      EXPECT_EQ(ToDouble(sum), squares) << a << " " << c << " " << e;
      EXPECT_EQ(ToDouble(SquareRootOf(sum)), std::sqrt(squares));
      EXPECT_EQ(DivideWide({a}, sum), a / squares);
    }
  }
  EXPECT_GT(scaled, 10000);
}

// The true sums and roots, against long double, whose range takes in every product of two
// doubles.
TEST(WideNumber, SumsAndRootsBeyondTheRangeAreTrue) {
  std::mt19937_64 random(2);
  for (int round = 0; round < 100000; ++round) {
    const double a = RandomFactor(random, -1070, 1023), b = RandomFactor(random, -1070, 1023);
    const double c = RandomFactor(random, -1070, 1023);
    const long double squares = static_cast<long double>(a) * a + static_cast<long double>(b) * b;
    const long double product = static_cast<long double>(a) * c;
    const WideNumber sum = SumOfSquares({a, b});
    const long double wide = std::ldexp(static_cast<long double>(sum.mantissa), sum.exponent);
    EXPECT_NEAR(static_cast<double>(wide / squares), 1.0, 4 * DBL_EPSILON) << a << " " << b;
    const WideNumber root = SquareRootOf(sum);
    EXPECT_NEAR(
        static_cast<double>(std::ldexp(static_cast<long double>(root.mantissa), root.exponent) /
                            std::sqrt(squares)),
        1.0, 4 * DBL_EPSILON);
    const WideNumber fourth = FourthRootOf(sum);
    EXPECT_NEAR(
        static_cast<double>(std::ldexp(static_cast<long double>(fourth.mantissa), fourth.exponent) /
                            std::sqrt(std::sqrt(squares))),
        1.0, 4 * DBL_EPSILON);
    const double quotient = DivideWide(SumOfProducts({{a, c}}), sum);
    const long double truth = product / squares;
    if (std::fabs(truth) >= DBL_MIN && std::fabs(truth) <= DBL_MAX) {
      EXPECT_NEAR(static_cast<double>(quotient / truth), 1.0, 4 * DBL_EPSILON);
    }
  }
}

// Whether value * 2^exponent is within one unit in the last place of value of the truth.
bool Faithful(WideNumber value, const TrueReal& truth) {
  if (truth.IsZero())
    return value.mantissa == 0;
  const double unit =
      std::nextafter(std::fabs(value.mantissa), INFINITY) - std::fabs(value.mantissa);
  const TrueReal error = Abs(TrueReal(value.mantissa) - Ldexp(truth, -value.exponent));
  return !(TrueReal(unit) < error);
}

// Sums of two and three products from the whole range of doubles, half of them made to cancel:
// the fourth factor is the one that nearly cancels a * b with c * d, and e * f is small or
// absent. The truth is MPFR's exact sum.
TEST(WideNumber, TrueSumsOfProductsAreWithinOneUnitOfTheTruthHoweverTheyCancel) {
  std::mt19937_64 random(3);
  int cancelled = 0;
  for (int round = 0; round < 40000; ++round) {
    const int low = round % 4 == 0 ? -1070 : -500, high = round % 4 == 0 ? 1023 : 500;
    const double a = RandomFactor(random, low, high), b = RandomFactor(random, low, high);
    const double c = RandomFactor(random, low, high);
    double d = RandomFactor(random, low, high);
    double e = RandomFactor(random, low, high), f = RandomFactor(random, low, high);
    if (round % 2 == 0) {
      const double cancelling = -(TrueReal(a) * b / c).ToDouble();
      if (std::isfinite(cancelling) && cancelling != 0) {
        d = cancelling;
        e = std::ldexp(e, -60);
        ++cancelled;
      }
    }
    const TrueReal two = TrueReal(a) * b + TrueReal(c) * d;
    const TrueReal three = two + TrueReal(e) * f;
    // Terms below 2^-900 of the largest may lose their lowest bits to underflow. The sizes
    // are summed in 64 bits: ilogb(0) is INT_MIN.
    const auto size = [](double x, double y) {
      return static_cast<int64_t>(std::ilogb(x)) + std::ilogb(y);
    };
    const int64_t s1 = size(a, b), s2 = size(c, d), s3 = size(e, f);
    if (std::min(s1, s2) > std::max(s1, s2) - 900) {
      const WideNumber sum = TrueSumOfProducts({{a, b}, {c, d}});
      EXPECT_TRUE(Faithful(sum, two)) << std::hexfloat << a << " " << b << " " << c << " " << d;
    }
    if (std::min({s1, s2, s3}) > std::max({s1, s2, s3}) - 900) {
      const WideNumber sum = TrueSumOfProducts({{a, b}, {c, d}, {e, f}});
      EXPECT_TRUE(Faithful(sum, three))
          << std::hexfloat << a << " " << b << " " << c << " " << d << " " << e << " " << f;
    }
  }
  EXPECT_GT(cancelled, 15000);
}

// An exact 0 keeps the sign that IEEE addition gives the plain formula's terms.
TEST(WideNumber, TrueSumsOfZeroTakeThePlainFormulasSign) {
  const struct {
    Product first, second;
    bool negative;
  } cases[] = {
      {{-1, 0}, {0, 1}, false},
      {{-1, 0}, {-0.0, 1}, true},
      {{1e200, 1e200}, {-1e200, 1e200}, false},
      {{3, 0.1}, {-0.1, 3}, false},
  };
  for (const auto& c : cases) {
    const WideNumber sum = TrueSumOfProducts({c.first, c.second});
    EXPECT_EQ(sum.mantissa, 0.0);
    EXPECT_EQ(std::signbit(sum.mantissa), c.negative) << c.first.a << " " << c.second.b;
  }
}

// Infinities and NaNs go through the plain formula.
TEST(WideNumber, TrueSumsOfSpecialValuesAreThePlainFormulas) {
  EXPECT_TRUE(std::isnan(TrueSumOfProducts({{INFINITY, 0}, {1, 1}}).mantissa));
  EXPECT_EQ(TrueSumOfProducts({{INFINITY, 2}, {1e308, 1e308}}).mantissa, INFINITY);
  EXPECT_TRUE(std::isnan(TrueSumOfProducts({{INFINITY, 1}, {-INFINITY, 1}}).mantissa));
}

}  // namespace
