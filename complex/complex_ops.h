#pragma once

#include <string>

#include "common/complex_value.h"
#include "common/result_text.h"

// The operations of the complex calculator, numbered as its operation list orders them. A list
// position becomes an operation only after it is checked against kComplexOperationCount, so an
// operation is always one of these values.
enum class ComplexOperation {
  Reciprocal,
  Magnitude,
  Phase,
  NaturalLog,
  Exponential,
  SquareRoot,
  Square,
  Sum,
  Product,
  Quotient,
  SumWithQuotient,
};
inline constexpr int kComplexOperationCount = 11;
extern const char* const kComplexOperationNames[kComplexOperationCount];

// The result text of `operation` on X, Y and Z.
std::string ComputeComplexResult(ComplexOperation operation, Complex x, Complex y, Complex z);

// The same text with the numbers it shows: "re" and "im", the result's parts (im with its own
// sign, whichever form the text writes it in), "magnitude" where the text shows one, and
// "radians" and "degrees" for the phase.
ResultWithNumbers ComputeComplexResultWithNumbers(ComplexOperation operation, Complex x, Complex y,
                                                  Complex z);

// The same, in place of what `result` held and in the room of its text, so that a batch that
// writes one result after another into the same one allocates nothing for them.
void WriteComplexResult(ComplexOperation operation, Complex x, Complex y, Complex z,
                        ResultWithNumbers& result);
