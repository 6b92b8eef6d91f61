#pragma once

#include <string>

#include "common/complex_value.h"
#include "common/result_text.h"

// The operation list of the complex calculator; the position in the list is the index.
inline constexpr int kComplexOperationCount = 11;
extern const char* const kComplexOperationNames[kComplexOperationCount];

// The result text of operation `operation` (0 to 10) on X, Y and Z.
std::string ComputeComplexResult(int operation, Complex x, Complex y, Complex z);

// The same text with the numbers it shows: "re" and "im", the result's parts (im with its own
// sign, whichever form the text writes it in), "magnitude" where the text shows one, and
// "radians" and "degrees" for the phase.
ResultWithNumbers ComputeComplexResultWithNumbers(int operation, Complex x, Complex y, Complex z);
