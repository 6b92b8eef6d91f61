// Every root shown for a polynomial of degree 2 to 4 with well-separated roots must agree in
// all its printed digits with a root the test chose, with no message on the way. The
// polynomials come from a fixed seed and are expanded from their roots; the draw favours the
// shapes on which closed formulas are weakest: clusters at the minimum spacing, symmetric and
// nearly symmetric roots, zero roots and parts, and the cube roots of a number.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/result_text.h"
#include "tests/poly/expected_effects.h"
#include "tests/poly/printed_roots.h"
#include "tests/support/random_draw.h"

namespace {

using Root = std::complex<double>;

constexpr int kCasesPerDegree = 4000;
constexpr double kMinPart = 0.02, kMaxPart = 50.0;

// The draws of this test: parts of both signs, some of them zero, and the spacing of close roots.
class PartDraw : public Draw {
 public:
  using Draw::Draw;
  double Magnitude() { return LogUniform(kMinPart, kMaxPart); }
  double Part() { return Chance(0.2) ? 0.0 : Sign() * Magnitude(); }
  // The minimum spacing next to `at`, times 1 to 3.
  double Spacing(double at) { return 1e-3 * std::max(1.0, std::fabs(at)) * (1 + 2 * Unit()); }
};

struct Polynomial {
  double leading;
  std::vector<Root> roots;  // non-real roots in conjugate pairs, one after the other

  void AddPair(double re, double im) {
    roots.push_back({re, im});
    roots.push_back({re, -im});
  }
};

Polynomial DrawPolynomial(PartDraw& draw, int degree) {
  Polynomial poly{draw.Sign() * draw.LogUniform(0.1, 10.0), {}};
  auto& roots = poly.roots;
  const auto left = [&] { return degree - static_cast<int>(roots.size()); };
  const double centre = draw.Part(), y = draw.Magnitude();
  switch (static_cast<int>(draw.Unit() * 7)) {
    case 0: {  // a row of real roots at the minimum spacing, all or all but one
      const int others = degree == 4 && draw.Chance(0.5) ? 1 : 0;
      for (double x = centre; left() > others; x += draw.Spacing(x))
        roots.push_back(x);
      break;
    }
    case 1:  // symmetric about the centre, which odd degrees need as a root
      if (degree % 2 == 1 || draw.Chance(0.3))
        roots.push_back(centre);
      while (left() >= 2) {
        const double half_width = draw.Magnitude();
        if (draw.Chance(0.5))
          roots.insert(roots.end(), {centre + half_width, centre - half_width});
        else
          poly.AddPair(centre, half_width);
      }
      break;
    case 2:  // nearly symmetric: one pair off by about the minimum spacing
      roots.insert(roots.end(), {centre + y, centre - y + draw.Sign() * draw.Spacing(y)});
      break;
    case 3:  // close pairs of real roots
      while (left() >= 2) {
        const double x = draw.Part();
        roots.insert(roots.end(), {x, x + draw.Spacing(x)});
      }
      break;
    case 4:  // a pair with a small imaginary part beside a real root
      poly.AddPair(
          centre,
          std::min(draw.LogUniform(kMinPart, 0.1) * std::max(1.0, std::fabs(centre)), kMaxPart));
      if (left() > 0)
        roots.push_back(centre + draw.Sign() * draw.Spacing(centre) * 10 * draw.Unit());
      break;
    case 5:  // the cube roots of a number of either sign, or two close complex pairs
      if (degree == 3) {
        const double real_root = draw.Sign() * y;
        roots.push_back(centre + real_root);
        poly.AddPair(centre - real_root / 2, y * std::sqrt(3.0) / 2);
      } else if (degree == 4) {
        poly.AddPair(centre, y);
        poly.AddPair(centre + draw.Spacing(y), y + draw.Spacing(y) * draw.Unit());
      }
      break;
  }
  while (left() > 0) {
    if (left() >= 2 && draw.Chance(0.4))
      poly.AddPair(draw.Part(), draw.Magnitude());
    else
      roots.push_back(draw.Part());
  }
  return poly;
}

// Parts zero or of magnitude kMinPart to kMaxPart, roots apart by 1e-3 of the larger modulus
// and at least by 1e-3.
bool InsideBar(const Polynomial& poly) {
  for (size_t i = 0; i < poly.roots.size(); ++i) {
    for (double part : {poly.roots[i].real(), poly.roots[i].imag()})
      if (part != 0 && (std::fabs(part) < kMinPart || std::fabs(part) > kMaxPart))
        return false;
    for (size_t j = 0; j < i; ++j) {
      const double scale = std::max({1.0, std::abs(poly.roots[i]), std::abs(poly.roots[j])});
      if (std::abs(poly.roots[i] - poly.roots[j]) < 1e-3 * scale)
        return false;
    }
  }
  return true;
}

// The coefficients expanded in long double, then rounded to doubles, highest power first.
std::vector<double> Coefficients(const Polynomial& poly) {
  std::vector<std::complex<long double>> c{poly.leading};
  for (const Root& root : poly.roots) {
    c.push_back(0.0L);
    for (size_t k = c.size() - 1; k > 0; --k)
      c[k] -= c[k - 1] * std::complex<long double>(root);
  }
  std::vector<double> real;
  for (const auto& value : c)
    real.push_back(static_cast<double>(value.real()));
  return real;
}

// Rounding the coefficients and evaluating p move a root by up to about sum |a_k| |r|^k unit
// roundoffs over |p'(r)|: the solver stops refining once |p| is within 2n of them, and the
// coefficients add one more. Digits finer than 16 times that are not the coefficients' own.
double RoundingShift(const Polynomial& poly, const std::vector<double>& coefficients, Root r) {
  double size = 0.0;
  for (double c : coefficients)
    size = size * std::abs(r) + std::fabs(c);
  double slope = std::fabs(poly.leading);
  for (const Root& other : poly.roots)
    if (other != r)
      slope *= std::abs(r - other);
  return 16 * std::ldexp(size / slope, -53);
}

bool ShowsTheRoots(const std::string& text, const Polynomial& poly,
                   const std::vector<double>& coefficients) {
  const auto shown = ReadRoots(text);
  std::vector<Root> truth = poly.roots;
  const auto before = [](Root x, Root y) {
    return x.real() < y.real() || (x.real() == y.real() && x.imag() < y.imag());
  };
  std::sort(truth.begin(), truth.end(), before);
  do {
    bool all = shown.size() == truth.size();
    for (size_t k = 0; k < truth.size() && all; ++k) {
      const double shift = RoundingShift(poly, coefficients, truth[k]);
      all = Agrees(shown[k].real(), truth[k].real(), shift) &&
            Agrees(shown[k].imag(), truth[k].imag(), shift);
    }
    if (all)
      return true;
  } while (std::next_permutation(truth.begin(), truth.end(), before));
  return false;
}

class PolynomialAccuracy : public testing::TestWithParam<int> {};

TEST_P(PolynomialAccuracy, ShowsEveryRootInAllPrintedDigitsWithoutMessages) {
  PartDraw draw(20240 + GetParam());
  for (int n = 0, failures = 0; n < kCasesPerDegree && failures < 5; ++n) {
    Polynomial poly;
    do
      poly = DrawPolynomial(draw, GetParam());
    while (!InsideBar(poly));
    const std::vector<double> coefficients = Coefficients(poly);
    // The quadratic's write-backs follow its roots.
    const PolyEffects effects = CalculatePolynomial(coefficients);
    bool right = !effects.empty() && effects[0].kind == PolyEffect::Kind::ShowRoots;
    for (const PolyEffect& effect : effects)
      right = right && effect.kind != PolyEffect::Kind::Message &&
              (effect.kind != PolyEffect::Kind::ShowRoots ||
               ShowsTheRoots(effect.text, poly, coefficients));
    if (!right) {
      ++failures;
      ADD_FAILURE() << "coefficients " << testing::PrintToString(coefficients) << "\n"
                    << testing::PrintToString(effects);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Degrees, PolynomialAccuracy, testing::Values(2, 3, 4));

}  // namespace
