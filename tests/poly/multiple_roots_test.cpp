// The exact split into multiple roots, against roots chosen first: each multiple root found
// with its multiplicity and a radius that covers the true root (computed in quadruple
// precision), and none where the roots are merely close.

#include "poly/multiple_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Expected {
  __float128 re, im;
  int multiplicity;
};

struct SplitCase {
  std::vector<double> coefficients;
  std::vector<Expected> roots;
};

TEST(ExactMultipleRoots, FindsEachMultipleRootWithADiscThatHoldsIt) {
  const __float128 third = __float128(1) / 3;
  // Long double holds the square root to 2^-64, far inside the radii of doubles.
  const __float128 root2 = std::sqrt(2.0L);
  const std::vector<SplitCase> cases = {
      // Dyadic roots: their doubles are exact.
      {{1, -481893, 77406954483, -4144652168519591}, {{160631, 0, 3}}},
      {{1, -1317.59375, 640729.236328125, -135615555.82629395, 10460389332.740059},
       {{370.8125, 0, 3}}},
      {{1, -4, 6, -4, 1}, {{1, 0, 4}}},
      {{1, 0, -6, 8, -3}, {{1, 0, 3}}},
      {{1, -2, 1}, {{1, 0, 2}}},
      {{1, 0, 0}, {{0, 0, 2}}},
      {{1, 0x1p-499, 0x1p-1000}, {{-0x1p-500, 0, 2}}},
      // Rational roots that no double holds: 1/3, and 1/10 of 1e9 (x - 0.1)^4.
      {{9, -6, 1}, {{third, 0, 2}}},
      {{1e9, -4e8, 6e7, -4e6, 1e5}, {{__float128(1) / 10, 0, 4}}},
      // Two double roots, real and irrational, or a conjugate pair.
      {{1, 0, -4, 0, 4}, {{root2, 0, 2}, {-root2, 0, 2}}},
      {{1, 0, 2, 0, 1}, {{0, 1, 2}, {0, -1, 2}}},
      // Coefficients far apart in size, beyond 128-bit integers.
      {{1, -0x1p301, 0x1p600}, {{0x1p300, 0, 2}}},
      // Close but distinct roots, and square-free polynomials.
      {{1, -2, 1 - 0x1p-52}, {}},
      {{1, -6, 11, -6}, {}},
      {{1, 0, 1}, {}},
      {{1, -4.8, -20.4, -22.4, -7.8}, {}},
  };
  for (const SplitCase& c : cases) {
    MultipleRoot found[4];
    const int count = ExactMultipleRoots(c.coefficients, found);
    ASSERT_EQ(count, static_cast<int>(c.roots.size())) << c.coefficients[1];
    for (const Expected& expected : c.roots) {
      bool matched = false;
      for (const MultipleRoot& root : std::span(found, count)) {
        const __float128 dre = root.value.re - expected.re, dim = root.value.im - expected.im;
        const double distance = std::sqrt(static_cast<double>(dre * dre + dim * dim));
        matched =
            matched || (root.multiplicity == expected.multiplicity && distance <= root.radius &&
                        root.radius <= 1e-15 * std::fabs(root.value.re) +
                                           1e-15 * std::fabs(root.value.im) + 1e-300);
      }
      EXPECT_TRUE(matched) << static_cast<double>(expected.re) << " "
                           << static_cast<double>(expected.im) << " of " << c.coefficients[1];
    }
  }
}

}  // namespace
