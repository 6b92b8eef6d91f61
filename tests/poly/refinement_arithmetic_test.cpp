// The refinement's complex quotients over the whole range of doubles: right to a few units of
// the last place wherever the quotient itself is a normal double, against long double.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "poly/accurate_evaluation.h"

namespace {

struct QuotientCase {
  Point x, y;
};

// |computed - exact| within `units` units of the last place of |exact|.
::testing::AssertionResult Near(Point computed, std::complex<long double> exact, double units) {
  const long double error = std::abs(std::complex<long double>(computed) - exact);
  if (error <= units * 0x1p-52L * std::abs(exact))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << computed << " is " << error << " from " << exact.real() << " + j" << exact.imag();
}

TEST(RefinementArithmetic, QuotientsAreRightWhereProductsOrSquaresLeaveTheRange) {
  const std::vector<QuotientCase> cases = {
      {{1, 2}, {3, -4}},                     // ordinary
      {{1e220, 3e219}, {2e111, -1e110}},     // products of x and y overflow
      {{1e-246, 2e-247}, {4e-123, 1e-124}},  // products underflow, |y|^2 does not
      {{1e-300, 1e-300}, {1e-300, 2e-300}},  // |y|^2 underflows
      {{1e300, 1e300}, {1e300, -3e299}},     // |y|^2 overflows
      {{0, 1}, {1e-170, 1e-170}},            // a small y alone
      {{1e200, -1e-200}, {1e-150, 1e150}},   // parts of very different sizes
  };
  for (const QuotientCase& c : cases) {
    const std::complex<long double> x(c.x), y(c.y);
    EXPECT_TRUE(Near(Quotient(c.x, c.y), x / y, 4)) << c.x << " / " << c.y;
    EXPECT_TRUE(Near(Reciprocal(c.y), 1.0L / y, 4)) << "1 / " << c.y;
    // The same in long double, where none of these leaves the range.
    const std::complex<long double> wide = Quotient(x, y);
    EXPECT_LE(std::abs(wide - x / y), 4 * 0x1p-63L * std::abs(x / y)) << c.x << " / " << c.y;
  }
}

TEST(RefinementArithmetic, AnOrdinaryQuotientIsThePlainFormulasToTheBit) {
  const Point x(0.3, -1.7), y(2.5, 0.1);
  const double norm = y.real() * y.real() + y.imag() * y.imag();
  const Point plain((x.real() * y.real() + x.imag() * y.imag()) / norm,
                    (x.imag() * y.real() - x.real() * y.imag()) / norm);
  EXPECT_EQ(Quotient(x, y), plain);
  EXPECT_EQ(Reciprocal(y), Point(y.real() / norm, -y.imag() / norm));
}

}  // namespace
