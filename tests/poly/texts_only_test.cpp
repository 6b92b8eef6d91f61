// The solvers' texts when only the texts are wanted, against those of the full path, which
// refines every root and proves its disc: the same texts byte for byte, whether the closed
// forms' roots prove them by themselves or the full path runs after all.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/result_text.h"
#include "tests/poly/expected_effects.h"
#include "tests/poly/root_corpora.h"

namespace {

// What the Roots box and the message boxes show, in order; the write-backs as their box.
std::vector<std::string> Texts(const PolyEffects& effects) {
  std::vector<std::string> texts;
  for (const PolyEffect& effect : effects)
    texts.push_back(effect.kind == PolyEffect::Kind::WriteBack
                        ? "set " + std::to_string(static_cast<int>(effect.box)) + effect.text
                        : effect.text);
  return texts;
}

// How many roots updates of a text-only calculation stood as the closed forms computed them:
// those carry no roots.
int FromClosedForms(const PolyEffects& effects) {
  int count = 0;
  for (const PolyEffect& effect : effects)
    count += effect.kind == PolyEffect::Kind::ShowRoots && effect.values.empty();
  return count;
}

// Solves `coefficients` both ways at `digits` and expects the same texts; returns how many
// roots updates came from the closed forms.
int ExpectSameTexts(const std::vector<double>& coefficients, int digits) {
  const ResultDigits in_use(digits);
  PolyEffects full, texts_only;
  CalculatePolynomial(coefficients, full, RootsWanted::WithDiscs);
  CalculatePolynomial(coefficients, texts_only, RootsWanted::TextsOnly);
  EXPECT_EQ(Texts(texts_only), Texts(full))
      << testing::PrintToString(coefficients) << " at " << digits << " digits";
  // The full path always gives its roots.
  for (const PolyEffect& effect : full) {
    if (effect.kind == PolyEffect::Kind::ShowRoots) {
      EXPECT_FALSE(effect.values.empty()) << testing::PrintToString(coefficients);
    }
  }
  return FromClosedForms(texts_only);
}

enum class Path { ClosedForms, Full, Either };

struct EdgeCase {
  const char* coefficients;
  int digits;
  Path path;  // which one the cubic's or quartic's update takes
};

TEST(TextsOnly, ShowTheFullPathsTextsAtThePrintedEdges) {
  const EdgeCase cases[] = {
      // Closed forms off by two units in the last place, real roots with residues of 1e-16.
      {"1 0 -25 60 -36", 5, Path::ClosedForms},
      {"1 0 -25 60 -36", 9, Path::ClosedForms},
      // Seventeen digits tell the closed forms' doubles from the refined ones.
      {"1 0 -25 60 -36", 17, Path::Full},
      {"1 2 3 4 5", 5, Path::ClosedForms},  // two conjugate pairs
      // The discs of the plain evaluations leave the ninth digit open here, and those of the
      // accurate evaluations decide it.
      {"-8.41 70.15 -44.59 84.45 -42.72", 9, Path::ClosedForms},
      {"1 -6 11 -6", 5, Path::ClosedForms},
      // A root at a tie of the fifth digit, 1.23455, and one at 99999.5, which rounds to
      // 1e+05 or 99999 and switches the form: no disc around them decides.
      {"20000 -104691 -121236 871601 -740730", 5, Path::Full},
      {"2 -200011 1200016 -2200001 1199994", 5, Path::Full},
      {"2 -200005 600001 -399998", 5, Path::Full},
      // Just below and above the switch: 99999.4 prints 99999, 99999.6 prints 1e+05; and
      // across a power of ten, 9.99994 prints 9.9999, 9.99996 prints 10.
      {"5 -749997 3999850000 2819987400000000 -71999568000000000000", 5, Path::ClosedForms},
      {"5 -749998 3999900000 2819991600000000 -71999712000000000000", 5, Path::ClosedForms},
      {"100000 -1499994 2099970 39499826 -104999370", 5, Path::ClosedForms},
      {"100000 -1499996 2099980 39499884 -104999580", 5, Path::ClosedForms},
      {"100000 -1499996 2099980 39499884 -104999580", 9, Path::ClosedForms},
      // An exact root 0, from a zero and from a negative zero constant term.
      {"1 0 0 -1 0", 5, Path::Either},
      {"1 0 0 -1 -0", 5, Path::Either},
      {"1 -3 2 -0", 5, Path::Either},
      // Double roots: overlapping discs, which only the full path resolves.
      {"1 -7 17 -17 6", 5, Path::Full},
      {"1 -4 5 -2", 5, Path::Full},
      {"1 -4 6 -4 1", 5, Path::Full},
      // Nearly double roots, and a root beside the zero threshold.
      {"1 -7.0000000001 17.0000000006 -17.0000000011 6.0000000006", 5, Path::Either},
      {"1 -6.000000015 11.00000009 -6.000000165 9e-08", 5, Path::Either},
      // The degenerate quartics show their roots as computed, through the full path.
      {"1 0 0 0 1", 5, Path::Full},
      {"1 0 0 0 0", 5, Path::Full},
      // Tiny and huge coefficients.
      {"1e-200 3e-100 1 5e99 1e198", 5, Path::Either},
      {"1e300 -1e300 1e300 -1e300 1e300", 5, Path::Either},
      {"4.2865e-231 1.2184e-166 -2.7217e-204 1.1073e-286 1.1939e-125", 5, Path::Either},
  };
  for (const EdgeCase& c : cases) {
    const std::vector<double> coefficients = Coefficients(c.coefficients);
    const int closed = ExpectSameTexts(coefficients, c.digits);
    if (c.path != Path::Either) {
      EXPECT_EQ(closed > 0, c.path == Path::ClosedForms) << c.coefficients << " at " << c.digits;
    }
  }
}

TEST(TextsOnly, LeaveOutTheQuadraticsDiscs) {
  for (const char* coefficients : {"1 -3 2", "1 0 1", "2 -0 -0", "1e-300 1 1e300"}) {
    ExpectSameTexts(Coefficients(coefficients), 5);
    PolyEffects effects;
    CalculatePolynomial(Coefficients(coefficients), effects, RootsWanted::TextsOnly);
    EXPECT_EQ(FromClosedForms(effects), 1) << coefficients;
  }
}

class TextsOnlyRandomized : public testing::TestWithParam<RootClass> {};

// A sample of each hard class, at five, nine and seventeen digits.
TEST_P(TextsOnlyRandomized, ShowTheFullPathsTexts) {
  constexpr int kCases = 400;
  for (int digits : {5, 9, 17}) {
    Draw draw(9100 + static_cast<uint32_t>(GetParam()));
    int closed = 0;
    for (int n = 0; n < kCases; ++n)
      closed += ExpectSameTexts(DrawRootCase(GetParam(), draw).coefficients, digits);
    // The coefficients as users type them have roots that the closed forms mostly get right
    // to within the fifth digit; the comparison must have met that path.
    if (GetParam() == RootClass::ShortCoefficients && digits == 5) {
      EXPECT_GT(closed, kCases / 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Classes, TextsOnlyRandomized, testing::ValuesIn(kRootClasses),
                         [](const auto& info) { return TestNameOf(info.param); });

}  // namespace
