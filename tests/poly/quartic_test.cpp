#include "poly/quartic.h"

#include <gtest/gtest.h>

#include "tests/poly/expected_effects.h"

namespace {

const char kLeadingError[] = "\n Error: the X^4 coefficient must be non-zero. \n";
const char kZeros[] = "0 0; 0 0; 0 0; 0 0";

TEST(CalculateQuartic, WritesItsTextsLetterForLetter) {
  EXPECT_EQ(WithoutValues(Solved("1 0 -5 0 4")),
            PolyEffects{Shown("Complex Roots \r\n\r\n X1 =           1 + j (           0) \r\n\r\n "
                              "X2 =          -1 + j (           0) \r\n\r\n X3 =           2 + j ( "
                              "          0) \r\n\r\n X4 =          -2 + j (           0)")});
  EXPECT_EQ(WithoutValues(Solved("1 0 0 0 0")),
            PolyEffects{Shown(" Complex Roots \r\n\r\n X1 =           0 + j (           0) \r\n\r\n"
                              " X2 =           0 + j (           0) \r\n\r\n X3 =           0 + j ("
                              "           0) \r\n\r\n X4 =           0 + j (           0)")});
}

TEST(CalculateQuartic, ShowsTheDegenerateFormsAsComputed) {
  ExpectEffects({
      {"1 0 0 0 0", {Shown(DegenerateQuarticRoots(kZeros))}},
      // A constant within the threshold still chooses this form, but x^4 = -1e-9 is solved.
      {"1 0 0 0 1e-9",
       {Shown(DegenerateQuarticRoots("0.0039764 0.0039764; -0.0039764 0.0039764; -0.0039764 "
                                     "-0.0039764; 0.0039764 -0.0039764"))}},
      // Turning -2 by a quarter gives X4 a negative zero.
      {"1 0 0 0 -16", {Shown(DegenerateQuarticRoots("2 0; 0 2; -2 0; -0 -2"))}},
      {"3 0 0 0 -48", {Shown(DegenerateQuarticRoots("2 0; 0 2; -2 0; -0 -2"))}},
      {"1 0 0 0 16",
       {Shown(DegenerateQuarticRoots("1.4142 1.4142; -1.4142 1.4142; -1.4142 -1.4142; 1.4142 "
                                     "-1.4142"))}},
      // Both forms come before the leading coefficient is tested.
      {"1e-8 0 0 0 _", {Shown(DegenerateQuarticRoots(kZeros))}},
  });
}

TEST(CalculateQuartic, RejectsALeadingCoefficientThatDoesNotExceedTheThreshold) {
  ExpectEffects({
      {"0 1 2 3 4", {Message(kLeadingError)}},
      {"1e-9 1 0 0 0", {Message(kLeadingError)}},
      {"1e-8 1 0 0 0", {Message(kLeadingError)}},
      {"_ _ _ _ 1", {Message(kLeadingError)}},
  });
}

TEST(CalculateQuartic, ListsTheRootsInTheOrderOfItsRoutes) {
  ExpectEffects({
      // A quadratic in y^2, with and without a shift.
      {"1 0 -5 0 4", {Shown(QuarticRoots("1 0; -1 0; 2 0; -2 0"))}},
      {"1 0 5 0 4", {Shown(QuarticRoots("0 2; 0 -2; 0 1; 0 -1"))}},
      {"1 0 2 0 5",
       {Shown(QuarticRoots("0.78615 -1.272; -0.78615 1.272; 0.78615 1.272; -0.78615 -1.272"))}},
      {"1 -4 1 6 0", {Shown(QuarticRoots("2 0; 0 0; 3 0; -1 0"))}},
      {"1 10 35 50 24", {Shown(QuarticRoots("-2 0; -3 0; -1 0; -4 0"))}},
      {"1 -10 35 -50 24", {Shown(QuarticRoots("3 0; 2 0; 4 0; 1 0"))}},
      // No constant: y = 0 first, then the cubic's roots.
      {"1 0 1 1 0", {Shown(QuarticRoots("0 0; -0.68233 0; 0.34116 1.1615; 0.34116 -1.1615"))}},
      {"1 0 0 -8 0", {Shown(QuarticRoots("0 0; 2 0; -1 1.7321; -1 -1.7321"))}},
      // Through the resolvent cubic, in the sign patterns of s1, s2, s3.
      {"1 0 -25 60 -36", {Shown(QuarticRoots("2 0; 3 0; 1 0; -6 0"))}},
      {"1 1 1 1 1",
       {Shown(QuarticRoots("0.30902 0.95106; 0.30902 -0.95106; -0.80902 0.58779; -0.80902 "
                           "-0.58779"))}},
      {"1 2 3 4 5",
       {Shown(QuarticRoots("0.28782 -1.4161; 0.28782 1.4161; -1.2878 -0.8579; -1.2878 0.8579"))}},
      // (x - 1)^4: both special routes run, and the second text replaces the first.
      {"1 -4 6 -4 1",
       {Shown(QuarticRoots("1 0; 1 0; 1 0; 1 0")), Shown(QuarticRoots("1 0; 1 0; 1 0; 1 0"))}},
  });
}

TEST(CalculateQuartic, SolvesTheCubicsThatItStores) {
  ExpectEffects({
      // A resolvent so close to z^3 that neither cube-root rule claims it.
      {"1 0 0 1e-4 2e-8",
       {Shown(QuarticRoots("0.023275 0.040198; 0.023275 -0.040198; -0.0002 0; -0.046349 0"))}},
      // Triple roots, whose resolvents are cubes.
      {"1 0 -6 8 -3", {Shown(QuarticRoots("1 0; 1 0; 1 0; -3 0"))}},
      {"2 0 -48 128 -96", {Shown(QuarticRoots("2 0; 2 0; 2 0; -6 0"))}},
  });
}

TEST(CalculateQuartic, FindsClusteredAndNearlySymmetricRoots) {
  ExpectEffects({
      // (x - 0.5)(x - 0.505)(x - 0.51)(x - 0.517): r is within the threshold, so y = 0 is
      // taken for a root that is not there.
      {"1 -2.032 1.548305 -0.52430585 0.066576675",
       {Shown(QuarticRoots("0.51 0; 0.517 0; 0.5 0; 0.505 0"))}},
      // Small-scale quartics for which the closed forms give a conjugate pair in place of two
      // close real roots.
      {"-0.1772493146180435 -0.029717947720477055 -0.0018424228386046766 -4.988046913749421e-05 "
       "-4.9495028571414025e-07",
       {Shown(QuarticRoots("-0.044138 0; -0.02742 0; -0.049363 0; -0.046741 0"))}},
      {"7.8342486830681501 -0.013970613551829044 -0.010679091463943869 -0.0001453850862209588 0",
       {Shown(QuarticRoots("0 0; 0.043237 0; -0.021356 0; -0.020097 0"))}},
      // (x^2 - 1)(x + 2)(x - 2.0000001): one resolvent root is all but zero. The roots stand
      // where the original formula puts them.
      {"1 -1e-07 -5.0000002 1e-07 4.0000002", {Shown(QuarticRoots("2 0; 1 0; -2 0; -1 0"))}},
  });
}

}  // namespace
