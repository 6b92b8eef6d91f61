#include "complex/complex_ops.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 0/0 carries the processor's default NaN, whose sign differs between machines; the texts
// below are compared with every "-nan" blanked to " nan" (the field width stays), which keeps
// the "+ j"/"- j" choice exact.
std::string WithUnsignedNaNs(std::string text) {
  for (size_t at = text.find("-nan"); at != std::string::npos; at = text.find("-nan", at))
    text[at] = ' ';
  return text;
}

struct Operands {
  int operation;
  Complex x, y = {}, z = {};  // Y and Z at 0 where an operation uses X alone
};

struct ResultCase {
  Operands in;
  const char* text;
};

const ResultCase kResults[] = {
    {{0, {3, 4}}, " 1/X =        0.12 - j (       0.16) \n"},
    {{0, {5, 0}}, " 1/X =         0.2 + j (         -0) \n"},  // (-0)/25 stays -0
    {{0, {0, 0}}, " 1/X =         nan - j (        nan) \n"},
    {{1, {3, 4}}, " mag(X) =           5 \n"},
    {{1, {0, 0}}, " mag(X) =           0 \n"},
    {{2, {-1, 0}}, " phase(X) =      3.1416 rad\n\n            =         180 deg"},
    {{2, {1, 1}}, " phase(X) =      0.7854 rad\n\n            =          45 deg"},
    {{3, {-1, 0}}, " natural log(X) =           0 + j (     3.1416)\n"},
    {{3, {0, 0}}, " natural log(X) =        -inf + j (          0)\n"},
    {{3, {0, -1}}, " natural log(X) =           0 - j (     1.5708)\n"},
    // No clean-up outside the square root: the residue of sin(pi) shows.
    {{4, {0, 3.141592653589793}}, " exp (X) =          -1 + j ( 1.2246e-16)\n"},
    {{4, {1, -3.141592653589793 / 2}}, " exp (X) =  1.6645e-16 - j (     2.7183)\n"},
    // The real part of sqrt(-4) is about 1.2e-16 before the clean-up.
    {{5, {-4, 0}},
     " sqrt(X) =           0 + j (          2) \n\n\n mag [ sqrt (X) ] =           2 \n"},
    {{5, {0, 0}},
     " sqrt(X) =           0 + j (          0) \n\n\n mag [ sqrt (X) ] =           0 \n"},
    {{5, {3, -4}},
     " sqrt(X) =           2 - j (          1) \n\n\n mag [ sqrt (X) ] =      2.2361 \n"},
    {{6, {1, 2}}, " X^2 =          -3 + j (          4) \n\n\n mag (X^2) =           5 \n"},
    {{7, {1, 2}, {3, -4}},
     " X+Y =           4 - j (          2) \n\n\n mag (X+Y) =      4.4721 \n"},
    {{8, {1, 2}, {3, -4}},
     " X*Y =          11 + j (          2) \n\n\n mag (X*Y) =       11.18 \n"},
    {{9, {1, 2}, {3, -4}},
     " X/Y =        -0.2 + j (        0.4) \n\n\n mag (X/Y) =     0.44721 \n"},
    {{9, {1, 2}, {0, 0}}, " X/Y =         nan - j (        nan) \n\n\n mag (X/Y) =         nan \n"},
    {{10, {1, 2}, {3, -4}, {1, -1}}, " Z + (X/Y) =         0.8 - j (        0.6) \n"},
    {{10, {1, 2}, {0, 0}, {1, 1}}, " Z + (X/Y) =         nan - j (        nan) \n"},
};

TEST(ComplexResult, TextsMatchTheirFormatsByteForByte) {
  for (const auto& c : kResults) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeComplexResult(c.in.operation, c.in.x, c.in.y, c.in.z)),
              c.text)
        << "operation " << c.in.operation << ", X = " << c.in.x.re << " + j" << c.in.x.im;
  }
}

TEST(ComplexResult, EachOperationReadsOnlyTheNumbersItUses) {
  const Complex x{1.5, -2.5};
  const Complex y{0.5, 3}, other_y{-7, 0.25};
  const Complex z{2, 2}, other_z{-3, 9};
  for (int operation = 0; operation < kComplexOperationCount; ++operation) {
    const std::string base = ComputeComplexResult(operation, x, y, z);
    EXPECT_EQ(ComputeComplexResult(operation, x, other_y, z) != base, operation >= 7)
        << "operation " << operation << " and Y";
    EXPECT_EQ(ComputeComplexResult(operation, x, y, other_z) != base, operation == 10)
        << "operation " << operation << " and Z";
  }
}

TEST(ComplexResult, OperationNamesAreTheListEntriesInOrder) {
  const std::string expected[] = {"1/X",      "mag (X)",  "phase (X)", "natural log (X)",
                                  "exp (X) ", "sqrt (X)", "X^2",       "X + Y",
                                  "X * Y",    "X / Y",    "Z + (X/Y)"};
  for (int i = 0; i < kComplexOperationCount; ++i)
    EXPECT_EQ(kComplexOperationNames[i], expected[i]) << "entry " << i;
}

}  // namespace
