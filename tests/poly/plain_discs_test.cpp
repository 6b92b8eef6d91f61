// The plain evaluation's bounds against quadruple precision, and the discs built on it against
// reference roots: wherever the discs are all isolated, each must hold exactly one true root,
// and where a root is multiple they can never all be.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <complex>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "poly/accurate_evaluation.h"
#include "poly/cubic.h"
#include "poly/inclusion_discs.h"
#include "poly/quartic.h"
#include "tests/poly/expected_effects.h"
#include "tests/poly/root_corpora.h"

namespace {

constexpr double kUnit = 0x1p-53;

// |x - y| in long double, y in quadruple precision.
long double Distance(Point x, const Quad& y) {
  return Modulus(Quad{x.real(), x.imag()} - y);
}

// Points where the evaluation rounds most or underflows: at and beside the roots, with the
// tiny imaginary residues that closed forms leave on real roots, and across magnitudes.
std::vector<Point> PointsAround(const std::vector<ReferenceRoot>& roots, Draw& draw) {
  std::vector<Point> points = {0.0, 1.0, -1.0, {0.5, 2.0}, {3e-200, -1e-200}, 1e150};
  for (const ReferenceRoot& root : roots) {
    const std::complex<double> r(static_cast<double>(root.value.real()),
                                 static_cast<double>(root.value.imag()));
    const double size = std::abs(r);
    points.push_back(r);
    points.push_back({r.real(), r.imag() == 0 ? 1e-17 * size : -r.imag()});
    points.push_back({r.real(), 1e-310});
    for (double offset : {1e-15, 1e-9, 1e-3})
      points.push_back(r + std::polar(offset * size, 6.3 * draw.Unit()));
    points.push_back(r.real() * (1 + 1e-12));
  }
  return points;
}

TEST(PlainEvaluation, ValueAndSlopeLieWithinTheirBoundsOfTheExactOnes) {
  const char* const cases[] = {
      "1 0 -25 60 -36",                               // real roots 1, 2, 3, -6
      "1 2 3 4 5",                                    // two conjugate pairs
      "1 -4.0000004 6.0000012 -4.0000012 1.0000004",  // a cluster near 1
      "1e-200 3e-100 -7 2e100 5e180",                 // roots over 280 orders of magnitude
      "3e-300 1e-290 -2e-295 7e-301",                 // tiny coefficients, whose terms underflow
      "1e300 -1e300 1e300 -1e300 1e300",              // huge ones
      "2 0 0 0 -3",
      "-0.0297 0.974 -31.6 11",
      "1e-12 1e12 3",
  };
  Draw draw(16016);
  int checked = 0;
  for (const char* text : cases) {
    const std::vector<double> c = Coefficients(text);
    const Polynomial p = FromHighestFirst(c);
    for (const Point& z : PointsAround(ReferenceRoots(c, CircleStarts(c)), draw)) {
      const Evaluation e = EvaluatePlainly(p, z);
      if (!IsFinite(e.value) || !IsFinite(e.slope) || !std::isfinite(e.bound) ||
          !std::isfinite(e.slope_bound))
        continue;
      Quad value, slope;
      long double size;
      QuadHorner(c, Quad{z.real(), z.imag()}, &value, &slope, &size);
      // Quadruple precision errs by 2^-104 of the sizes at most; the slope's size is below
      // n size / |z| + |c[1]|, and the comparison allows for both.
      const long double slope_size =
          size * p.degree / std::max(1e-300L, std::abs(LongRoot(z.real(), z.imag()))) +
          std::fabs(p.c[1]);
      SCOPED_TRACE(testing::Message() << text << " at " << z.real() << " + " << z.imag() << "i");
      EXPECT_LE(Distance(e.value, value), e.bound + 0x1p-104L * size);
      EXPECT_LE(Distance(e.slope, slope), e.slope_bound + 0x1p-104L * slope_size);
      // And the bound is no more than what the rounding of the plain rule can reach.
      EXPECT_LE(e.bound, 32 * p.degree * kUnit * (1 + 1e-9) * size + 0x1p-1000);
      EXPECT_GT(e.bound, 0);
      ++checked;
    }
  }
  EXPECT_GT(checked, 200);
}

// Approximations of all the roots, and where they come from: the original formula's for cubics
// and quartics, and the reference roots moved by `offset` of their size in a random direction
// (along the axis for a real root, half the time), so that the discs must reach the true roots
// from some way off.
struct Approximations {
  double offset;  // NAN for the original formula's
  std::vector<Point> z;
};

std::vector<Approximations> ApproximationsOf(const std::vector<double>& c,
                                             const std::vector<ReferenceRoot>& truth, Draw& draw) {
  std::vector<Approximations> sets;
  const auto add = [&](std::span<const Complex> roots) {
    sets.push_back({NAN, {}});
    for (const Complex& root : roots)
      sets.back().z.push_back({root.re, root.im});
  };
  if (c.size() == 4) {
    const double coefficients[4] = {c[0], c[1], c[2], c[3]};
    Complex roots[3];
    OriginalCubicRoots(coefficients, roots);
    add(roots);
  } else if (c.size() == 5) {
    const double coefficients[5] = {c[0], c[1], c[2], c[3], c[4]};
    Complex roots[2][4];
    const int count = OriginalQuarticRoots(coefficients, roots);
    for (int k = 0; k < count; ++k)
      add(roots[k]);
  }
  for (double offset : {0.0, 1e-15, 1e-11, 1e-7}) {
    sets.push_back({offset, {}});
    for (const ReferenceRoot& root : truth) {
      const std::complex<double> r(static_cast<double>(root.value.real()),
                                   static_cast<double>(root.value.imag()));
      const bool along_axis = r.imag() == 0 && draw.Chance(0.5);
      const double angle = along_axis ? std::numbers::pi * draw.Below(2) : 6.3 * draw.Unit();
      sets.back().z.push_back(r + std::polar(offset * std::abs(r), angle));
    }
  }
  return sets;
}

// Whether each disc holds a true root and no two discs the same one: the discs are isolated,
// so each holds exactly one.
void ExpectEachDiscHoldsItsOwnRoot(std::span<const Point> z, std::span<const double> radii,
                                   const std::vector<ReferenceRoot>& truth) {
  std::vector<bool> taken(truth.size());
  for (size_t i = 0; i < z.size(); ++i) {
    size_t nearest = truth.size();
    long double distance = HUGE_VALL;
    for (size_t k = 0; k < truth.size(); ++k) {
      const long double d = std::abs(LongRoot(z[i].real(), z[i].imag()) - truth[k].value);
      if (d - truth[k].radius < distance) {
        distance = d - truth[k].radius;
        nearest = k;
      }
    }
    ASSERT_LT(nearest, truth.size());
    // The distance in long double rounds by a few units of its last place.
    EXPECT_LE(distance, radii[i] * (1 + 1e-15L)) << "disc " << i;
    EXPECT_FALSE(taken[nearest]) << "disc " << i << " shares its root with another";
    taken[nearest] = true;
  }
}

struct ClassAcceptance {
  RootClass root_class;
  // The shares of cases whose discs must all be isolated, at the original formula's roots and
  // at the reference roots rounded to doubles.
  double least_at_closed_forms, least_at_reference_roots;
};

TEST(PlainDiscs, HoldEachTrueRootWhereverTheyAreAllIsolated) {
  const ClassAcceptance classes[] = {
      {RootClass::ShortCoefficients, 0.9, 0.95},
      {RootClass::WideCoefficients, 0.4, 0.95},
      {RootClass::WideRoots, 0.7, 0.95},
      {RootClass::Cluster1e2, 0.3, 0.95},
      {RootClass::Cluster1e3, 0, 0},
      {RootClass::Cluster1e4, 0, 0},
      {RootClass::MultipleRoots, 0, 0},
      {RootClass::WholeRange, 0, 0},
      {RootClass::WholeRangeCoefficients, 0, 0},
  };
  constexpr int kCases = 150;
  for (const ClassAcceptance& c : classes) {
    Draw draw(16100 + static_cast<uint32_t>(c.root_class));
    int closed_forms = 0, closed_forms_isolated = 0, reference = 0, reference_isolated = 0;
    for (int n = 0; n < kCases; ++n) {
      const RootCase root_case = DrawRootCase(c.root_class, draw);
      const std::vector<ReferenceRoot> truth = ReferenceRootsOf(root_case);
      const Polynomial p = FromHighestFirst(root_case.coefficients);
      for (const Approximations& set : ApproximationsOf(root_case.coefficients, truth, draw)) {
        double radii[kMaxDegree];
        const bool isolated = IsolatedDiscs(p, set.z, std::span(radii, set.z.size()));
        if (std::isnan(set.offset)) {
          ++closed_forms;
          closed_forms_isolated += isolated;
        } else if (set.offset == 0) {
          ++reference;
          reference_isolated += isolated;
        }
        if (isolated) {
          SCOPED_TRACE(testing::Message() << ClassName(c.root_class) << " "
                                          << testing::PrintToString(root_case.coefficients)
                                          << " offset " << set.offset);
          ExpectEachDiscHoldsItsOwnRoot(set.z, std::span(radii, set.z.size()), truth);
        }
      }
    }
    EXPECT_GE(closed_forms_isolated, c.least_at_closed_forms * closed_forms)
        << ClassName(c.root_class);
    EXPECT_GE(reference_isolated, c.least_at_reference_roots * reference)
        << ClassName(c.root_class);
  }
}

// A root of multiplicity m would lie in m of the discs at once, which isolated discs rule out:
// wherever one is multiple, the discs cannot all be isolated, however near its approximations
// lie. The coefficients here are exact.
TEST(PlainDiscs, AreNeverAllIsolatedAroundAMultipleRoot) {
  struct MultipleCase {
    const char* coefficients;
    std::vector<std::complex<double>> roots;  // with their multiplicity
  };
  const MultipleCase cases[] = {
      {"1 -7 17 -17 6", {1, 1, 2, 3}},
      {"1 -2 0 2 -1", {1, 1, 1, -1}},
      {"1 -8 24 -32 16", {2, 2, 2, 2}},
      {"1 0 2 0 1", {{0, 1}, {0, 1}, {0, -1}, {0, -1}}},
      {"1 -4 5 -2", {1, 1, 2}},
      {"4 -16 17 -3", {0.5, 0.5, 3}},
      {"1 -2000 999999 2000 -1000000", {1000, 1000, 1, -1}},
      {"1e-40 -2e-20 1", {1e20, 1e20}},
      {"1 0 0", {0, 0}},
  };
  Draw draw(16200);
  for (const MultipleCase& c : cases) {
    const std::vector<double> coefficients = Coefficients(c.coefficients);
    const Polynomial p = FromHighestFirst(coefficients);
    std::vector<std::vector<Point>> sets;
    for (double offset : {1e-16, 1e-12, 1e-8, 1e-5, 1e-3}) {
      sets.emplace_back();
      for (const std::complex<double>& root : c.roots)
        sets.back().push_back(
            root + std::polar(offset * std::max(1.0, std::abs(root)), 6.3 * draw.Unit()));
    }
    if (coefficients.size() == 5) {
      const double a[5] = {coefficients[0], coefficients[1], coefficients[2], coefficients[3],
                           coefficients[4]};
      Complex roots[2][4];
      const int count = OriginalQuarticRoots(a, roots);
      for (int k = 0; k < count; ++k) {
        sets.emplace_back();
        for (const Complex& root : roots[k])
          sets.back().push_back({root.re, root.im});
      }
    }
    for (const std::vector<Point>& z : sets) {
      double radii[kMaxDegree];
      EXPECT_FALSE(IsolatedDiscs(p, z, std::span(radii, z.size())))
          << c.coefficients << " at " << testing::PrintToString(z);
    }
  }
}

// Where the discs cannot be bounded, there are none: not finite coefficients or
// approximations, approximations on one point, a leading coefficient of 0, or distances and
// values beyond the range where the bounds' factors hold. An exact root 0 of an exact zero
// constant has a disc of radius 0.
TEST(PlainDiscs, RefuseWhatTheyCannotBound) {
  struct RefusalCase {
    const char* name;
    std::vector<double> coefficients;
    std::vector<Point> z;
    bool isolated;
  };
  const RefusalCase cases[] = {
      {"ordinary", {1, 0, -25, 60, -36}, {1, 2, 3, -6}, true},
      {"infinite coefficient", {1, HUGE_VAL, -25, 60, -36}, {1, 2, 3, -6}, false},
      {"NaN coefficient", {1, 0, -25, NAN, -36}, {1, 2, 3, -6}, false},
      {"NaN approximation", {1, 0, -25, 60, -36}, {1, 2, {3, NAN}, -6}, false},
      {"infinite approximation", {1, 0, -25, 60, -36}, {1, 2, 3, -HUGE_VAL}, false},
      {"two on one point", {1, 0, -25, 60, -36}, {1, 2, 2, -6}, false},
      {"leading 0", {0, 1, -6, 11, -6}, {1, 2, 3, 1e9}, false},
      {"leading below 2^-250", {1e-80, -6e-80, 11e-80, -6e-80}, {1, 2, 3}, false},
      {"roots 2^-260 apart", {1, -2, 1 - 0x1p-520}, {1 - 0x1p-260, 1 + 0x1p-260}, false},
      {"roots 1e80 apart", {1, 0, -1e160}, {-1e80, 1e80}, false},
      {"leading above 2^250", {1e300, -3e300, 2e300}, {1, 2}, false},
      {"terms beyond the range of doubles", {1e75, 0, 0, 0, -1e75}, {1, -1, {0, 1}, 1e70}, false},
      {"exact root 0", {1, -3, 2, 0}, {0, 1, 2}, true},
  };
  for (const RefusalCase& c : cases) {
    const Polynomial p = FromHighestFirst(c.coefficients);
    double radii[kMaxDegree];
    EXPECT_EQ(IsolatedDiscs(p, c.z, std::span(radii, c.z.size())), c.isolated) << c.name;
  }
  const Polynomial p = FromHighestFirst(std::vector<double>{1, -3, 2, 0});
  const Point z[] = {0, 1, 2};
  double radii[3];
  ASSERT_TRUE(IsolatedDiscs(p, z, radii));
  EXPECT_EQ(radii[0], 0);
  EXPECT_GT(radii[1], 0);
}

}  // namespace
