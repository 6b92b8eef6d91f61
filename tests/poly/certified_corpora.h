#pragma once

// Random polynomials of the classes that certified roots judge (tests/poly/certified_roots.h),
// as the boxes would hold them: doubles of 17 digits anywhere in the range of doubles, Mignotte's
// polynomials with their two nearly equal roots, and exact multiple roots whose coefficients are
// dyadic and held exactly.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/result_text.h"
#include "tests/support/random_draw.h"

enum class CertifiedClass {
  Digits17,        // 17 significant digits, exponents 10^-324 to 10^308, some coefficients 0
  Mignotte,        // x^n - 2 (a x - 1)^2 scaled, with two roots within a^-(n+2)/2 of 1/a
  MultipleDyadic,  // a root of multiplicity 2 to 4, or a double pair, with dyadic coefficients
};

inline const char* CertifiedClassName(CertifiedClass c) {
  switch (c) {
    case CertifiedClass::Digits17:
      return "digits17_whole_range";
    case CertifiedClass::Mignotte:
      return "mignotte";
    case CertifiedClass::MultipleDyadic:
      return "multiple_dyadic";
  }
  return "";
}

// A word of 17 significant digits between about 10^-324 and 10^308, of either sign.
inline std::string SeventeenDigits(Draw& draw) {
  char word[48];
  std::snprintf(word, sizeof word, "%.16fe%d", (draw.Sign() * (1 + 9 * draw.Unit())),
                draw.Below(632) - 324);
  return word;
}

// An integer polynomial, coefficients from the highest power down, times another.
inline std::vector<__int128> Times(const std::vector<__int128>& a, const std::vector<__int128>& b) {
  std::vector<__int128> product(a.size() + b.size() - 1, 0);
  for (size_t i = 0; i < a.size(); ++i)
    for (size_t j = 0; j < b.size(); ++j)
      product[i + j] += a[i] * b[j];
  return product;
}

// Exact multiple roots: roots k / 2^12 and pairs (k + j l) / 2^12 with |k|, |l| < 2^12 in one of
// the shapes of multiplicity, times a leading coefficient l 2^s; drawn again until every
// coefficient is a double exactly.
inline std::vector<double> MultipleDyadic(Draw& draw) {
  const auto root = [&] { return std::vector<__int128>{4096, draw.Below(8191) - 4095}; };
  const auto pair = [&] {
    const __int128 re = draw.Below(8191) - 4095, im = 1 + draw.Below(4095);
    return std::vector<__int128>{4096 * 4096, -2 * 4096 * re, re * re + im * im};
  };
  for (;;) {
    const std::vector<__int128> r = root(), s = root(), t = root(), q = pair();
    std::vector<__int128> p;
    switch (draw.Below(9)) {
      case 0:
        p = Times(r, r);
        break;
      case 1:
        p = Times(Times(r, r), r);
        break;
      case 2:
        p = Times(Times(r, r), s);
        break;
      case 3:
        p = Times(Times(r, r), Times(r, r));
        break;
      case 4:
        p = Times(Times(Times(r, r), r), s);
        break;
      case 5:
        p = Times(Times(r, r), Times(s, t));
        break;
      case 6:
        p = Times(Times(r, r), Times(s, s));
        break;
      case 7:
        p = Times(Times(r, r), q);
        break;
      default:
        p = Times(q, q);
        break;
    }
    const __int128 leading = draw.Sign() * (1 + draw.Below(255));
    const int shift = draw.Below(41) - 20;
    std::vector<double> c;
    bool exact = true;
    for (__int128 k : p) {
      const __int128 coefficient = k * leading;
      const double value = static_cast<double>(coefficient);
      exact = exact && static_cast<__int128>(value) == coefficient;
      c.push_back(std::ldexp(value, shift));
    }
    if (exact)
      return c;
  }
}

// The boxes of one polynomial of the class, highest power first.
inline std::vector<std::string> DrawCertifiedCase(CertifiedClass certified_class, Draw& draw) {
  std::vector<std::string> boxes;
  switch (certified_class) {
    case CertifiedClass::Digits17: {
      const int degree = 2 + draw.Below(3);
      // A leading coefficient above the zero threshold, which the cubic and quartic need.
      boxes.push_back(ResultText(
          "%.17g", draw.Sign() * (1 + 9 * draw.Unit()) * std::pow(10.0, draw.Below(300) - 7)));
      for (int k = 1; k <= degree; ++k)
        boxes.push_back(draw.Chance(0.1) ? "0" : SeventeenDigits(draw));
      break;
    }
    case CertifiedClass::Mignotte: {
      const int degree = 3 + draw.Below(2);
      const double a = std::round(std::pow(10.0, 0.3 + 7 * draw.Unit()));
      const double scale = std::ldexp(draw.Sign(), draw.Below(41) - 20);
      // x -> -x flips the odd powers.
      const double flip = draw.Sign();
      const std::vector<double> middle = {-2 * a * a, 4 * a * flip, -2};
      boxes.push_back(ResultText("%.17g", scale));
      if (degree == 4)
        boxes.push_back("0");
      for (size_t k = 0; k < middle.size(); ++k)
        boxes.push_back(ResultText("%.17g", middle[k] * scale * (degree == 3 ? flip : 1.0)));
      break;
    }
    case CertifiedClass::MultipleDyadic:
      for (double c : MultipleDyadic(draw))
        boxes.push_back(ResultText("%.17g", c));
      break;
  }
  return boxes;
}
