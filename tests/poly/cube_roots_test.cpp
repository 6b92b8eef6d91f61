#include "poly/cube_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "poly/roots_text.h"

namespace {

struct CubeRootCase {
  double a, b, c, d;
  Complex x1, x2, x3;
};

const double kHalfRoot3 = std::sqrt(3.0) / 2;

void ExpectNear(Complex root, Complex expected) {
  EXPECT_NEAR(root.re, expected.re, 1e-12);
  EXPECT_NEAR(root.im, expected.im, 1e-12);
}

TEST(SolveCubic, WritesTheRootsAndLeavesTheCoefficients) {
  const CubeRootCase cases[] = {
      {1, 0, -1, 0, {1, 0}, {-1, 0}, {0, 0}},
      // p = 0, q = 1: the principal w is exactly 0, the other square root gives the roots.
      {1, 3, 3, 2, {-0.5, -kHalfRoot3}, {-0.5, kHalfRoot3}, {-2, 0}},
      // p = q = 0: w vanishes both ways, and all three roots are -b/(3a).
      {1, -3, 3, -1, {1, 0}, {1, 0}, {1, 0}},
  };
  for (const CubeRootCase& c : cases) {
    CubicWork = {c.a, c.b, c.c, c.d, {}, {}, {}};
    SolveCubic(Formula::Mended);
    EXPECT_EQ(CubicWork.a, c.a);
    EXPECT_EQ(CubicWork.b, c.b);
    EXPECT_EQ(CubicWork.c, c.c);
    EXPECT_EQ(CubicWork.d, c.d);
    ExpectNear(CubicWork.x1, c.x1);
    ExpectNear(CubicWork.x2, c.x2);
    ExpectNear(CubicWork.x3, c.x3);
  }
}

TEST(SolvePureCubic, ReplacesDByMinusDOverAAndWritesItsCubeRoots) {
  CubicWork = {2, 0, 0, 16, {}, {}, {}};
  SolvePureCubic();
  EXPECT_EQ(CubicWork.a, 2.0);
  EXPECT_EQ(CubicWork.d, -8.0);
  ExpectNear(CubicWork.x1, {1, 2 * kHalfRoot3});
  ExpectNear(CubicWork.x2, {-2, 0});
  ExpectNear(CubicWork.x3, {1, -2 * kHalfRoot3});
}

TEST(CleanUpRoots, SetsResiduesAndNotANumberToPositiveZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double parts[][2] = {{3e-9, 0},    {-3e-9, 0},     {-0.0, 0},  {nan, 0},
                             {1e-8, 1e-8}, {-1e-8, -1e-8}, {2.5, 2.5}, {-HUGE_VAL, -HUGE_VAL}};
  for (const auto& [part, cleaned] : parts) {
    Complex roots[1] = {{part, part}};
    CleanUpRoots(roots);
    for (double result : {roots[0].re, roots[0].im}) {
      EXPECT_EQ(result, cleaned) << part;
      EXPECT_EQ(std::signbit(result), std::signbit(cleaned)) << part;
    }
  }
}

}  // namespace
