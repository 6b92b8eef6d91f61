#include "poly/quadratic.h"

#include <gtest/gtest.h>

#include "tests/poly/expected_effects.h"

namespace {

const PolyEffect kXZero = ZeroWrittenInto(CoefficientBox::X);
const PolyEffect kConstantZero = ZeroWrittenInto(CoefficientBox::Constant);
const char kInputError[] = "\n Input Error \n";

TEST(CalculateQuadratic, WritesItsTextsLetterForLetter) {
  EXPECT_EQ(
      WithoutValues(Solved("1 -3 2")),
      PolyEffects{Shown(" Two Real Roots: \r\n\r\n x1 =            2 \r\n x2 =            1")});
  EXPECT_EQ(WithoutValues(Solved("-1 2 -5")),
            PolyEffects{Shown(" Two Complex Roots: \r\n\r\n x1 =            1 + j (           2) "
                              "\r\n\r\n x2 =            1 -  j (           2) ")});
}

TEST(CalculateQuadratic, GivesTheRootsOrTheInputErrorThenTheZeroWriteBacks) {
  ExpectEffects({
      {"1 -3 2", {Shown(RealQuadratic("2", "1"))}},
      // The root above the real axis comes first although sqrt(-D)/(2a) is negative.
      {"-1 2 -5", {Shown(ComplexQuadratic("1", "2"))}},
      {"1 2 1", {Shown(RealQuadratic("-1", "-1"))}},
      // -b/(2a) is a negative zero.
      {"1 _ 1", {Shown(ComplexQuadratic("-0", "1")), kXZero}},
      {"1 _ -4", {Shown(RealQuadratic("2", "-2")), kXZero}},
      {"_ _ _", {Message(kInputError), kXZero, kConstantZero}},
      {"0 1 -0", {Message(kInputError), kConstantZero}},
      {"abc 2x 3", {Message(kInputError)}},
      // An exact zero root stays as the formula gives it, not as c/a over the other root.
      {"1 2 _", {Shown(RealQuadratic("0", "-2")), kConstantZero}},
      {"-1 -2 0", {Shown(RealQuadratic("-2", "-0")), kConstantZero}},
  });
}

TEST(CalculateQuadratic, KeepsTheRootThatTheFormulaWouldCancel) {
  ExpectEffects({
      {"1 1e8 1", {Shown(RealQuadratic("-1e-08", "-1e+08"))}},
      {"1e-300 1 1", {Shown(RealQuadratic("-1", "-1e+300"))}},
      {"1 -1e8 1", {Shown(RealQuadratic("1e+08", "1e-08"))}},
      {"-2 1e9 3", {Shown(RealQuadratic("-3e-09", "5e+08"))}},
  });
}

TEST(CalculateQuadratic, SolvesQuadraticsWhoseDiscriminantOverflows) {
  // b^2 - 4ac is inf - inf: the quadratic scaled by a power of two is x^2 + x + 1.
  ExpectEffects({{"1e200 1e200 1e200", {Shown(ComplexQuadratic("-0.5", "0.86603"))}}});
}

}  // namespace
