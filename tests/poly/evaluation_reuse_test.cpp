// The two shortcuts of the discs: the evaluation at a real point without imaginary parts, and
// the evaluations that the refinement made, taken again for the same point. Both must leave
// every disc exactly as the full evaluation makes it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "poly/accurate_evaluation.h"
#include "poly/inclusion_discs.h"
#include "poly/polynomial.h"
#include "poly/power_scaling.h"
#include "poly/shown_roots.h"
#include "tests/poly/root_corpora.h"

namespace {

// Coefficients from the highest power down.
struct RealPointCase {
  const char* name;
  std::vector<double> coefficients;
};

const std::vector<RealPointCase> kRealPointCases = {
    {"ordinary quartic", {1, 0, -25, 60, -36}},
    {"cluster near 1", {1, -4.0000004, 6.0000012, -4.0000012, 1.0000004}},
    {"huge and tiny", {1e-200, 3e-100, -7, 2e100, 5e180}},
    {"zero coefficients", {2, 0, 0, 0, -3}},
    {"cubic", {-0.0297, 0.974, -31.6, 11}},
    {"quadratic", {1e-12, 1e12, 3}},
    {"linear", {3, -7}},
};

// p(x) in quadruple precision, to within 2^-110 of sum |c[k]| |x|^k.
__float128 QuadValue(const Polynomial& p, double x) {
  __float128 value = p.c[p.degree];
  for (int k = p.degree - 1; k >= 0; --k)
    value = value * x + p.c[k];
  return value;
}

std::vector<double> RealPoints(const Polynomial& p, std::mt19937_64& random) {
  std::vector<double> points = {0.0, 1.0, -1.0, 2.0, 3.0, -6.0, 1e-300, -5e-324, 1e30};
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int k = 0; k < 200; ++k)
    points.push_back(std::ldexp(unit(random), static_cast<int>(random() % 40) - 20));
  // Near the roots too, where the value cancels most.
  Point roots[kMaxDegree];
  NewtonPolygonStarts(p, std::span(roots, p.degree));
  for (int k = 0; k < p.degree; ++k)
    points.push_back(std::abs(roots[k]));
  return points;
}

TEST(EvaluationReuse, TheRealEvaluationHasTheFullOnesModuliAndBoundsToTheBit) {
  std::mt19937_64 random(20261208);
  for (const RealPointCase& c : kRealPointCases) {
    const Polynomial p = FromHighestFirst(c.coefficients);
    for (double x : RealPoints(p, random)) {
      const Evaluation real = EvaluateAtReal(p, x);
      if (!IsFinite(real.value) || !std::isfinite(real.bound))
        continue;
      for (double zero : {0.0, -0.0}) {
        const Evaluation full = EvaluateAccurately(p, Point(x, zero));
        SCOPED_TRACE(::testing::Message() << c.name << " at " << x << " " << zero);
        EXPECT_TRUE(SameBits(Modulus(real.value), Modulus(full.value)));
        EXPECT_TRUE(SameBits(Modulus(real.slope), Modulus(full.slope)));
        EXPECT_TRUE(SameBits(real.bound, full.bound));
        EXPECT_TRUE(SameBits(real.slope_bound, full.slope_bound));
      }
      // And the value lies within its bound of p(x), which quadruple precision gives.
      const double size = HornerSize(p, std::fabs(x));
      const double error = static_cast<double>(QuadValue(p, x) - real.value.real());
      EXPECT_LE(std::fabs(error), real.bound + 0x1p-109 * size) << c.name << " at " << x;
    }
  }
}

// Four approximations of the roots 1, 2, 3 and -6 of x^4 - 25 x^2 + 60 x - 36, two of them
// with an imaginary residue, as the closed forms hand them over.
const Polynomial kQuartic = FromHighestFirst(std::vector<double>{1, 0, -25, 60, -36});
const Point kApproximations[] = {{2, -3e-16}, {3.0000000000000004, 0}, {1, 1e-16}, {-6, 0}};

std::vector<InclusionDisc> Discs(std::span<const KnownEvaluation> known) {
  std::vector<InclusionDisc> discs(4);
  InclusionDiscs(kQuartic, kApproximations, discs, known);
  return discs;
}

void ExpectSameDiscs(const std::vector<InclusionDisc>& a, const std::vector<InclusionDisc>& b) {
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_TRUE(SameBits(a[i].radius, b[i].radius))
        << i << ": " << a[i].radius << " " << b[i].radius;
    EXPECT_TRUE(SameBits(a[i].weierstrass, b[i].weierstrass)) << i;
    EXPECT_EQ(a[i].isolated, b[i].isolated) << i;
  }
}

TEST(EvaluationReuse, AKnownEvaluationServesOnlyThePointWithItsVeryBits) {
  const std::vector<InclusionDisc> fresh = Discs({});
  // The true evaluations, kept, give the same discs.
  std::vector<KnownEvaluation> known;
  for (const Point& z : kApproximations)
    known.push_back({z, EvaluateAccurately(kQuartic, z)});
  ExpectSameDiscs(Discs(known), fresh);
  ExpectSameDiscs(Discs(std::span(known).first(2)), fresh);
  // Evaluations that claim an exact root (value and bounds 0) would shrink a disc to a point
  // wherever they were taken. At points one unit away, or at the other zero, they are not.
  const Evaluation false_root{};
  const std::vector<KnownEvaluation> elsewhere = {
      {{std::nextafter(2.0, 3.0), -3e-16}, false_root},
      {{2, std::nextafter(-3e-16, 0.0)}, false_root},
      {{3.0000000000000004, -0.0}, false_root},
      {{-6, -0.0}, false_root},
  };
  ExpectSameDiscs(Discs(elsewhere), fresh);
  // At the very point, it is: the disc of the first approximation becomes a point.
  const KnownEvaluation here[] = {{kApproximations[0], false_root}};
  EXPECT_EQ(Discs(here)[0].radius, 0.0);
  EXPECT_GT(fresh[0].radius, 0.0);
}

// The discs that the solvers show, which reuse the refinement's evaluations, against discs
// proven afresh on the roots shown, over the hard classes and a few typed cases.
TEST(EvaluationReuse, TheDiscsShownAreThoseProvenAfreshOnTheRootsShown) {
  std::vector<std::vector<std::string>> typed = {
      {"1", "0", "-25", "60", "-36"},            // the ordinary quartic
      {"1", "-2", "1.000000000000000001", "0"},  // a near-real pair beside 0
      {"1", "0", "-3", "0", "0"},                // 0 twice, which the refinement takes apart
      {"1", "-4", "6", "-4", "1.0000000001"},    // a cluster of four about 1
      {"1e-200", "1", "1e200"},                  // roots 1e200 and 1e-200
      {"2", "3", "5"},                           // a quadratic's pair
  };
  std::vector<RootCase> cases;
  for (const std::vector<std::string>& boxes : typed) {
    RootCase c{boxes, {}, {}};
    for (const std::string& box : boxes)
      c.coefficients.push_back(std::strtod(box.c_str(), nullptr));
    cases.push_back(c);
  }
  for (int k = 0; k <= static_cast<int>(RootClass::WholeRangeCoefficients); ++k) {
    Draw draw(70000 + k);
    for (int n = 0; n < 150; ++n)
      cases.push_back(DrawRootCase(static_cast<RootClass>(k), draw));
  }
  int compared = 0;
  for (const RootCase& c : cases) {
    for (const PolyEffect& effect : CalculatePolynomial(c.coefficients)) {
      if (effect.kind != PolyEffect::Kind::ShowRoots || effect.values.empty())
        continue;
      // Where the discs overlap, an exact multiple root may narrow them further; those are
      // left to the multiple-root tests.
      bool all_isolated = true;
      std::vector<Complex> roots;
      for (const RootValue& value : effect.values) {
        all_isolated = all_isolated && value.isolated;
        roots.push_back({value.re, value.im});
      }
      if (!all_isolated)
        continue;
      const RootValues fresh = ProvenRoots(c.coefficients, roots);
      ASSERT_EQ(fresh.size(), effect.values.size());
      for (size_t i = 0; i < fresh.size(); ++i)
        EXPECT_TRUE(SameBits(fresh[i].radius, effect.values[i].radius))
            << c.boxes[0] << " " << c.boxes[1] << " ...: root " << i << " " << fresh[i].radius
            << " " << effect.values[i].radius;
      ++compared;
    }
  }
  // Most of the cases have isolated discs; a comparison of none would prove nothing.
  EXPECT_GT(compared, 1000);
}

}  // namespace
