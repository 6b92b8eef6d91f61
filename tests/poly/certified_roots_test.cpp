// The roots shown and their discs against roots certified by ball arithmetic on the exact
// coefficients: every printed part right, the roots shown closed under conjugation as the true
// ones are, every disc holding a true root, and every isolated disc exactly one.

#include "tests/poly/certified_roots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "poly/inclusion_discs.h"
#include "poly/polynomial.h"
#include "tests/poly/certified_corpora.h"
#include "tests/poly/expected_effects.h"
#include "tests/poly/root_corpora.h"

namespace {

constexpr int kCasesPerClass = 300;
constexpr int kReportedFailures = 5;

// Whether the printed roots are closed under conjugation, as the true roots are; a part that
// the zero threshold may show as 0 counts as 0.
bool ClosedUnderConjugation(std::vector<std::complex<double>> roots) {
  std::vector<std::complex<double>> conjugates;
  for (auto& root : roots) {
    const auto part = [](double x) { return std::fabs(x) < 1e-8 ? 0.0 : x; };
    root = {part(root.real()), part(root.imag())};
    conjugates.push_back(std::conj(root));
  }
  const auto before = [](std::complex<double> x, std::complex<double> y) {
    return x.real() < y.real() || (x.real() == y.real() && x.imag() < y.imag());
  };
  std::sort(roots.begin(), roots.end(), before);
  std::sort(conjugates.begin(), conjugates.end(), before);
  return roots == conjugates;
}

::testing::AssertionResult ShowsCertifiedRoots(const std::vector<std::string>& boxes) {
  std::vector<double> coefficients;
  for (const std::string& box : boxes)
    coefficients.push_back(std::strtod(box.c_str(), nullptr));
  const CertifiedRoots roots(coefficients);
  const std::vector<ReferenceRoot> truth = roots.Reference();
  const PolyEffects effects = CalculatePolynomial(coefficients);
  int shown = 0;
  for (const PolyEffect& effect : effects) {
    if (effect.kind == PolyEffect::Kind::Message)
      return ::testing::AssertionFailure() << "message " << effect.text;
    if (effect.kind != PolyEffect::Kind::ShowRoots)
      continue;
    ++shown;
    const auto printed = ReadRoots(effect.text);
    if (!ShowsTrueRoots(printed, truth))
      return ::testing::AssertionFailure() << "wrong digits in " << effect.text;
    if (!ClosedUnderConjugation(printed))
      return ::testing::AssertionFailure() << "not closed under conjugation: " << effect.text;
    for (const RootValue& v : effect.values) {
      const Verdict holds = roots.Holds(v.re, v.im, v.radius);
      if (holds != Verdict::Yes)
        return ::testing::AssertionFailure()
               << "the disc (" << v.re << ", " << v.im << ") radius " << v.radius
               << (holds == Verdict::No ? " holds no root" : " is not proven to hold a root");
      const CertifiedRoots::Count count = roots.RootsIn(v.re, v.im, v.radius);
      if (v.isolated && !(count.surely == 1 && count.possibly == 1))
        return ::testing::AssertionFailure()
               << "the isolated disc (" << v.re << ", " << v.im << ") radius " << v.radius
               << " holds " << count.surely << " to " << count.possibly << " roots";
    }
  }
  if (shown == 0)
    return ::testing::AssertionFailure() << "no roots shown";
  return ::testing::AssertionSuccess();
}

// Inputs on which the discs once claimed a root where there was none, or the digits were wrong.
TEST(CertifiedRoots, ReportedCasesShowTheirTrueRootsInDiscsThatHoldThem) {
  const char* cases[] = {
      // A disc within a group of overlapping discs, which held no root of its own.
      "1 -0.09999988 -1.19999979e-08 -2.0999999e-16 -1e-24",
      "1 2322.7734375 1798425.4806518555 464148326.1979222",
      "1000000000 -400000000 60000000 -4000000 100000",
      // A double pair beside two simple roots, whose disc was wider than the roots' size.
      "0.018094219775953307 0.0053656598471435975 -0.11093490469799346 1.1563244468902968e-08 "
      "-3.028782240686534e-16",
      // Exact multiple roots, which showed imaginary parts.
      "1 -481893 77406954483 -4144652168519591",
      "1 -1317.59375 640729.236328125 -135615555.82629395 10460389332.740059",
      // The real part of a pair far below its modulus, shown as 0.
      "-3.90980174589612e+111 -6.864330324048914e+203 -1.2226135839381451e+179 "
      "-7.28698239438653e+304",
      "8.606498334434226 -1.3867909952069779e-05 7.974333797454514e+301 3.756809530952922e+305",
      // A pair beside a real root within 1e-8, cleaned on one side only.
      "1 -4.8 -20.4 -22.4 -7.8",
  };
  for (const char* reported : cases)
    EXPECT_TRUE(ShowsCertifiedRoots(Boxes(reported))) << reported;
}

TEST(CertifiedRoots, ExactMultipleRootsShowAsRealRoots) {
  ExpectEffects({
      {"1 -481893 77406954483 -4144652168519591",
       {Shown(CubicRoots("1.6063e+05 0; 1.6063e+05 0; 1.6063e+05 0"))}},
  });
}

class CertifiedClasses : public testing::TestWithParam<CertifiedClass> {};

TEST_P(CertifiedClasses, ShowTheirTrueRootsInDiscsThatHoldThem) {
  Draw draw(9100 + static_cast<uint32_t>(GetParam()));
  for (int n = 0, failures = 0; n < kCasesPerClass && failures < kReportedFailures; ++n) {
    const std::vector<std::string> boxes = DrawCertifiedCase(GetParam(), draw);
    const auto assertion = ShowsCertifiedRoots(boxes);
    if (!assertion) {
      ++failures;
      ADD_FAILURE() << testing::PrintToString(boxes) << ": " << assertion.message();
    }
  }
}

// The plain discs at the roots shown and at the original formula's, wherever they are all
// isolated: each must hold exactly one certified root. Around a multiple root (the dyadic
// class) or the close pair of a Mignotte polynomial they must give up rather than claim it.
TEST_P(CertifiedClasses, PlainDiscsHoldOneRootEachWhereAllIsolated) {
  Draw draw(9200 + static_cast<uint32_t>(GetParam()));
  int isolated_sets = 0;
  for (int n = 0; n < kCasesPerClass; ++n) {
    std::vector<double> coefficients;
    for (const std::string& box : DrawCertifiedCase(GetParam(), draw))
      coefficients.push_back(std::strtod(box.c_str(), nullptr));
    const CertifiedRoots roots(coefficients);
    std::vector<std::vector<Point>> sets;
    for (const PolyEffect& effect : CalculatePolynomial(coefficients)) {
      if (effect.kind != PolyEffect::Kind::ShowRoots)
        continue;
      sets.emplace_back();
      for (const RootValue& v : effect.values)
        sets.back().push_back({v.re, v.im});
    }
    for (const std::string& text : OriginalTexts(coefficients))
      sets.push_back(ReadRoots(text));
    const Polynomial p = FromHighestFirst(coefficients);
    for (const std::vector<Point>& z : sets) {
      double radii[kMaxDegree];
      if (z.size() != coefficients.size() - 1 || !IsolatedDiscs(p, z, std::span(radii, z.size())))
        continue;
      ++isolated_sets;
      for (size_t i = 0; i < z.size(); ++i) {
        const CertifiedRoots::Count count = roots.RootsIn(z[i].real(), z[i].imag(), radii[i]);
        EXPECT_TRUE(count.surely == 1 && count.possibly == 1)
            << testing::PrintToString(coefficients) << ": the disc (" << z[i].real() << ", "
            << z[i].imag() << ") radius " << radii[i] << " holds " << count.surely << " to "
            << count.possibly << " roots";
      }
    }
  }
  // Most of the whole range lies beyond the discs' range of magnitudes; a multiple root is
  // never isolated.
  if (GetParam() == CertifiedClass::Digits17) {
    EXPECT_GT(isolated_sets, 20);
  }
  if (GetParam() == CertifiedClass::MultipleDyadic) {
    EXPECT_EQ(isolated_sets, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Classes, CertifiedClasses,
                         testing::Values(CertifiedClass::Digits17, CertifiedClass::Mignotte,
                                         CertifiedClass::MultipleDyadic),
                         [](const auto& info) {
                           return std::string(CertifiedClassName(info.param));
                         });

}  // namespace
