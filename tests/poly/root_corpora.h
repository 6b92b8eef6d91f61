#pragma once

// Random polynomials of the hard classes, and the judgement of shown roots against the
// reference roots: every printed part must be the true part rounded to five significant
// digits, except that a true part within 1e-9 (relative) of a rounding midpoint may round
// either way and a part below the zero threshold may show as 0. The draws are the same with
// every standard library (Draw).

#include <algorithm>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/result_text.h"
#include "poly/cubic.h"
#include "poly/quartic.h"
#include "poly/roots_text.h"
#include "tests/poly/printed_roots.h"
#include "tests/poly/root_oracle.h"
#include "tests/support/random_draw.h"

enum class RootClass {
  Cluster1e2,              // four roots within 1e-2 of their size of each other
  Cluster1e3,              // within 1e-3
  Cluster1e4,              // within 1e-4
  MultipleRoots,           // a root of multiplicity 2 to 4, coefficients typed to 12 digits
  WideCoefficients,        // coefficients of magnitude 1e-12 to 1e12, typed to 12 digits
  WideRoots,               // roots whose moduli differ by up to twelve orders of magnitude
  ShortCoefficients,       // coefficients of 0.01 to 100 with three digits, as users type them
  WholeRange,              // roots of 1e-300 to 1e300, often too far apart for one scale of doubles
  WholeRangeCoefficients,  // coefficients of 1e-300 to 1e300, some of them 0
};

inline const char* ClassName(RootClass c) {
  switch (c) {
    case RootClass::Cluster1e2:
      return "cluster_1e-2";
    case RootClass::Cluster1e3:
      return "cluster_1e-3";
    case RootClass::Cluster1e4:
      return "cluster_1e-4";
    case RootClass::MultipleRoots:
      return "multiple_roots";
    case RootClass::WideCoefficients:
      return "coefficients_1e-12_to_1e12";
    case RootClass::WideRoots:
      return "roots_12_orders_apart";
    case RootClass::ShortCoefficients:
      return "three_digit_coefficients";
    case RootClass::WholeRange:
      return "roots_1e-300_to_1e300";
    case RootClass::WholeRangeCoefficients:
      return "coefficients_1e-300_to_1e300";
  }
  return "";
}

// Every class, for the tests that run on each.
inline constexpr RootClass kRootClasses[] = {
    RootClass::Cluster1e2,        RootClass::Cluster1e3,       RootClass::Cluster1e4,
    RootClass::MultipleRoots,     RootClass::WideCoefficients, RootClass::WideRoots,
    RootClass::ShortCoefficients, RootClass::WholeRange,       RootClass::WholeRangeCoefficients,
};

// The class's name as a test's name may spell it: letters, digits and '_'.
inline std::string TestNameOf(RootClass c) {
  std::string name = ClassName(c);
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch)))
      ch = '_';
  return name;
}

struct RootCase {
  std::vector<std::string> boxes;    // as typed
  std::vector<double> coefficients;  // as read, highest power first
  std::vector<LongRoot> chosen;      // the roots the draw started from, if any
};

// The coefficients of leading * prod (x - root), expanded in long double.
inline std::vector<long double> Expanded(long double leading, const std::vector<LongRoot>& roots) {
  std::vector<LongRoot> c{leading};
  for (const LongRoot& root : roots) {
    c.push_back(0.0L);
    for (size_t k = c.size() - 1; k > 0; --k)
      c[k] -= c[k - 1] * root;
  }
  std::vector<long double> real;
  for (const LongRoot& value : c)
    real.push_back(value.real());
  return real;
}

inline RootCase Typed(const std::vector<long double>& coefficients, const char* format) {
  RootCase result;
  for (long double c : coefficients) {
    result.boxes.push_back(ResultText(format, static_cast<double>(c)));
    result.coefficients.push_back(std::strtod(result.boxes.back().c_str(), nullptr));
  }
  return result;
}

// Roots round `centre`, `left` of them, real or in conjugate pairs, at offsets of `spread`.
inline void AddRootsAround(Draw& draw, std::vector<LongRoot>& roots, size_t left, double centre,
                           double spread) {
  while (left > 0) {
    const double offset = spread * (draw.Unit() - 0.5);
    if (left >= 2 && draw.Chance(0.4)) {
      const double im = spread * (0.05 + draw.Unit());
      roots.push_back({centre + offset, im});
      roots.push_back({centre + offset, -im});
      left -= 2;
    } else {
      roots.push_back(centre + offset);
      --left;
    }
  }
}

// `degree` roots, real or in conjugate pairs, of moduli 10^-(orders / 2) to 10^(orders / 2).
inline void AddRootsOfModuli(Draw& draw, std::vector<LongRoot>& roots, size_t degree,
                             double orders) {
  while (roots.size() < degree) {
    const double modulus = std::pow(10.0, orders * draw.Unit() - orders / 2);
    if (roots.size() + 2 <= degree && draw.Chance(0.4)) {
      const double angle = 0.1 + 1.4 * draw.Unit();
      roots.push_back(std::polar(modulus, angle));
      roots.push_back(std::polar(modulus, -angle));
    } else {
      roots.push_back(draw.Sign() * modulus);
    }
  }
}

inline bool Within(long double x, long double smallest, long double largest) {
  return std::fabs(x) >= smallest && std::fabs(x) <= largest;
}

inline RootCase DrawRootCase(RootClass root_class, Draw& draw) {
  const double leading = draw.Sign() * draw.LogUniform(0.1, 10.0);
  std::vector<LongRoot> roots;
  RootCase result;
  switch (root_class) {
    case RootClass::Cluster1e2:
    case RootClass::Cluster1e3:
    case RootClass::Cluster1e4: {
      const double width = root_class == RootClass::Cluster1e2   ? 1e-2
                           : root_class == RootClass::Cluster1e3 ? 1e-3
                                                                 : 1e-4;
      const double centre = draw.Sign() * draw.LogUniform(0.1, 100.0);
      AddRootsAround(draw, roots, 4, centre, width * std::fabs(centre));
      result = Typed(Expanded(leading, roots), "%.12g");
      break;
    }
    case RootClass::MultipleRoots: {
      const size_t degree = 2 + draw.Below(3);
      const size_t multiplicity = 2 + draw.Below(static_cast<int>(degree) - 1);
      const double root = draw.Sign() * draw.LogUniform(0.1, 100.0);
      roots.assign(multiplicity, root);
      AddRootsAround(draw, roots, degree - multiplicity, 0.0, 100.0);
      result = Typed(Expanded(leading, roots), "%.12g");
      break;
    }
    case RootClass::WideCoefficients:
    case RootClass::ShortCoefficients: {
      const bool wide = root_class == RootClass::WideCoefficients;
      const int degree = 2 + draw.Below(3);
      std::vector<long double> c;
      for (int k = 0; k <= degree; ++k)
        c.push_back(draw.Sign() *
                    (wide ? draw.LogUniform(1e-12, 1e12) : draw.LogUniform(0.01, 100)));
      result = Typed(c, wide ? "%.12g" : "%.3g");
      break;
    }
    case RootClass::WideRoots:
      AddRootsOfModuli(draw, roots, 2 + draw.Below(3), 12);
      result = Typed(Expanded(leading, roots), "%.17g");
      break;
    case RootClass::WholeRange: {
      // Drawn again until every coefficient is an ordinary double.
      const size_t degree = 2 + draw.Below(3);
      std::vector<long double> c;
      const auto in_range = [](long double x) { return x != 0 && Within(x, 1e-300L, 1e300L); };
      do {
        roots.clear();
        AddRootsOfModuli(draw, roots, degree, 600);
        c = Expanded(leading, roots);
      } while (!std::all_of(c.begin(), c.end(), in_range));
      result = Typed(c, "%.17g");
      break;
    }
    case RootClass::WholeRangeCoefficients: {
      const int degree = 2 + draw.Below(3);
      std::vector<long double> c{leading};
      for (int k = 1; k <= degree; ++k)
        c.push_back(draw.Chance(0.1) ? 0 : draw.Sign() * std::pow(10.0, 600 * draw.Unit() - 300));
      result = Typed(c, "%.17g");
      break;
    }
  }
  result.chosen = roots;
  return result;
}

inline std::vector<ReferenceRoot> ReferenceRootsOf(const RootCase& c) {
  return ReferenceRoots(c.coefficients, c.chosen.empty() ? CircleStarts(c.coefficients) : c.chosen);
}

// Whether long double pins every root down far enough to judge five digits.
inline bool Determined(const std::vector<ReferenceRoot>& truth) {
  return std::all_of(truth.begin(), truth.end(), [](const ReferenceRoot& t) {
    return t.radius <= 1e-7L * std::max(std::abs(t.value), 1e-8L);
  });
}

// The bar for one part: what the truth prints as, or 0 for a true part below the threshold.
inline bool PartRight(double shown, long double truth, long double radius) {
  const double t = static_cast<double>(truth);
  if (shown == 0 && std::fabs(truth) - radius < 1e-8L)
    return true;
  return Agrees(shown, t, static_cast<double>(radius) + 1e-17 * std::fabs(t));
}

// Whether the printed roots are the true roots in some order, each part to the bar.
inline bool ShowsTrueRoots(const std::vector<std::complex<double>>& shown,
                           const std::vector<ReferenceRoot>& truth) {
  if (shown.size() != truth.size())
    return false;
  std::vector<size_t> order(truth.size());
  for (size_t k = 0; k < order.size(); ++k)
    order[k] = k;
  do {
    bool all = true;
    for (size_t k = 0; k < order.size() && all; ++k) {
      const ReferenceRoot& t = truth[order[k]];
      all = PartRight(shown[k].real(), t.value.real(), t.radius) &&
            PartRight(shown[k].imag(), t.value.imag(), t.radius);
    }
    if (all)
      return true;
  } while (std::next_permutation(order.begin(), order.end()));
  return false;
}

// The texts that the original, unmended formula shows for the cubic or quartic with these
// coefficients (highest power first), when it takes its general routes; empty for any other
// degree.
inline std::vector<std::string> OriginalTexts(const std::vector<double>& c) {
  std::vector<std::string> texts;
  if (c.size() == 4) {
    const double coefficients[4] = {c[0], c[1], c[2], c[3]};
    Complex roots[3];
    OriginalCubicRoots(coefficients, roots);
    CleanUpRoots(roots);
    CubicRootsText(roots, texts.emplace_back());
  } else if (c.size() == 5) {
    const double coefficients[5] = {c[0], c[1], c[2], c[3], c[4]};
    Complex roots[2][4];
    const int count = OriginalQuarticRoots(coefficients, roots);
    for (int k = 0; k < count; ++k) {
      CleanUpRoots(roots[k]);
      QuarticRootsText(roots[k], LeadingBlank::No, texts.emplace_back());
    }
  }
  return texts;
}
