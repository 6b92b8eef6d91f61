#include "poly/cubic.h"

#include <gtest/gtest.h>

#include "tests/poly/expected_effects.h"

namespace {

const char kLeadingError[] = "\n Error: the X^3 coefficient must be non-zero. \n";

TEST(CalculateCubic, WritesItsTextLetterForLetter) {
  EXPECT_EQ(WithoutValues(Solved("1 0 0 -1")),
            PolyEffects{Shown("Complex Roots \r\n\r\n X1 =           1 + j (           0) \r\n\r\n "
                              "X2 =        -0.5 + j (     0.86603) \r\n\r\n X3 =        -0.5 + j ( "
                              "   -0.86603) ")});
}

TEST(CalculateCubic, ListsTheRootsInTheOrderOfItsRoutes) {
  ExpectEffects({
      {"1 0 0 -1", {Shown(CubicRoots("1 0; -0.5 0.86603; -0.5 -0.86603"))}},
      // x1 is the cube root at +60 degrees when -d/a < 0, so the real root comes second.
      {"1 0 0 1", {Shown(CubicRoots("0.5 0.86603; -1 0; 0.5 -0.86603"))}},
      {"1 -6 11 -6", {Shown(CubicRoots("3 0; 1 0; 2 0"))}},
      {"1 0 1 0", {Shown(CubicRoots("0 0; 0 1; 0 -1"))}},
      {"1 0 1 10", {Shown(CubicRoots("-2 0; 1 2; 1 -2"))}},
      {"2 0 -8 0", {Shown(CubicRoots("2 0; -2 0; 0 0"))}},
      {"1 -3 3 -1", {Shown(CubicRoots("1 0; 1 0; 1 0"))}},
      {"1 _ _ _", {Shown(CubicRoots("0 0; 0 0; 0 0"))}},
      // Parts that come out as residues of exact zeros are cleaned to 0.
      {"3 -0.3 -0.06 0", {Shown(CubicRoots("0.2 0; -0.1 0; 0 0"))}},
      {"1 0 2.25 0", {Shown(CubicRoots("0 0; 0 1.5; 0 -1.5"))}},
  });
}

TEST(CalculateCubic, RejectsALeadingCoefficientWithinTheThreshold) {
  ExpectEffects({
      {"0 1 2 3", {Message(kLeadingError)}},
      {"1e-9 1 2 3", {Message(kLeadingError)}},
      {"-1e-8 1 2 3", {Message(kLeadingError)}},
      {"_ _ _ _", {Message(kLeadingError)}},
      {"2e-8 1 2 3", {Shown(CubicRoots("-1 -1.4142; -5e+07 0; -1 1.4142"))}},
  });
}

TEST(CalculateCubic, SolvesCubicsWhosePrincipalWVanishes) {
  ExpectEffects({
      {"1 3 3 2", {Shown(CubicRoots("-0.5 -0.86603; -0.5 0.86603; -2 0"))}},
      {"1 -3 3 7", {Shown(CubicRoots("2 -1.7321; 2 1.7321; -1 0"))}},
  });
}

TEST(CalculateCubic, ShowsTripleRootsOfEitherSign) {
  ExpectEffects({
      {"1 3 3 1", {Shown(CubicRoots("-1 0; -1 0; -1 0"))}},
      {"-2 12 -24 16", {Shown(CubicRoots("2 0; 2 0; 2 0"))}},
      {"0.5 3 6 4", {Shown(CubicRoots("-2 0; -2 0; -2 0"))}},
  });
}

TEST(CalculateCubic, SolvesTheCubicItselfWithoutAnErrorWhenTheTripleRootEstimatesDisagree) {
  // (x - 0.001)^3 + 9e-9 (x - 0.001): p and q are within the threshold, but it is no cube.
  // The roots shown are right, so no message says that the calculation failed.
  ExpectEffects({{"1 -0.003 3.009e-6 -1.009e-9",
                  {Shown(CubicRoots("0.001 0; 0.001 9.4868e-05; 0.001 -9.4868e-05"))}}});
}

}  // namespace
