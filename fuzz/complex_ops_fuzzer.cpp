// The complex operations: the first byte chooses the operation, the rest are the six parts
// of X, Y and Z as box texts, one a line. Every result shows as many well-formed numbers as
// its layout has, and with finite operands a NaN only where the operation is undefined.
#include <cmath>
#include <cstdint>
#include <string>

#include "common/field_number.h"
#include "complex/complex_ops.h"
#include "fuzz/fuzz_checks.h"

namespace {

// The numbers each operation's text shows, by operation index.
constexpr size_t kShownNumbers[kComplexOperationCount] = {2, 1, 2, 2, 2, 3, 3, 3, 3, 3, 2};

bool IsZero(Complex value) {
  return value.re == 0 && value.im == 0;
}

// 1/0 and division by 0 are 0/0 by the IEEE rules; nothing else is undefined.
bool Undefined(int operation, Complex x, Complex y) {
  return (operation == 0 && IsZero(x)) || (operation >= 9 && IsZero(y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const int operation = data[0] % kComplexOperationCount;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto t = InputTexts(input, 6);
  const Complex x{FieldNumber(t[0]), FieldNumber(t[1])};
  const Complex y{FieldNumber(t[2]), FieldNumber(t[3])};
  const Complex z{FieldNumber(t[4]), FieldNumber(t[5])};
  const std::string text = ComputeComplexResult(static_cast<ComplexOperation>(operation), x, y, z);
  const std::string context =
      "operation " + std::to_string(operation) + "\n" + input + "\n---\n" + text;
  const auto numbers = ReadResultNumbers(text);
  FuzzCheck(numbers && numbers->size() == kShownNumbers[operation],
            "result text does not show its numbers", context);
  bool finite = true;
  for (const double part : {x.re, x.im, y.re, y.im, z.re, z.im})
    finite = finite && std::isfinite(part);
  if (finite && !Undefined(operation, x, y)) {
    for (const double number : *numbers)
      FuzzCheck(!std::isnan(number), "NaN from finite operands", context);
  }
  return 0;
}
