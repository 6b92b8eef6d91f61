// The vector operations: the first byte chooses the operation, the second the dimension, the
// rest are the components of X and Y as box texts, one a line (in the plane the dialog
// passes 0 for the third ones). Every result shows as many well-formed numbers as its layout
// has, and with finite operands a NaN only where a zero vector's direction is asked for.
#include <cmath>
#include <cstdint>
#include <string>

#include "common/field_number.h"
#include "fuzz/fuzz_checks.h"
#include "vector/vector_ops.h"

namespace {

size_t ShownNumberCount(VectorOperation operation, bool three_dimensions) {
  switch (operation) {
    case VectorOperation::Magnitude:
    case VectorOperation::AngleBetween:
      return 2;
    case VectorOperation::DirectionCosines:
      return three_dimensions ? 6 : 4;
    case VectorOperation::Sum:
    case VectorOperation::Difference:
      return three_dimensions ? 4 : 3;
    case VectorOperation::DotProduct:
      return 1;
    case VectorOperation::CrossProduct:
      return 4;
  }
  return 0;
}

bool IsZero(const Vector& v) {
  return v.i == 0 && v.j == 0 && v.k == 0;
}

bool Undefined(VectorOperation operation, const Vector& x, const Vector& y) {
  return (operation == VectorOperation::DirectionCosines ||
          operation == VectorOperation::AngleBetween) &&
         (IsZero(x) || IsZero(y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2)
    return 0;
  const auto operation = static_cast<VectorOperation>(data[0] % kVectorOperationCount);
  const int dimension = data[1] % kVectorDimensionCount;
  const std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const auto t = InputTexts(input, 6);
  const bool three_dimensions = dimension == 1;
  const Vector x{FieldNumber(t[0]), FieldNumber(t[1]), three_dimensions ? FieldNumber(t[2]) : 0};
  const Vector y{FieldNumber(t[3]), FieldNumber(t[4]), three_dimensions ? FieldNumber(t[5]) : 0};
  const std::string text = ComputeVectorResult(dimension, operation, x, y);
  const std::string context = "operation " + std::to_string(static_cast<int>(operation)) +
                              ", dimension " + std::to_string(dimension) + "\n" + input +
                              "\n---\n" + text;
  const auto numbers = ReadResultNumbers(text);
  FuzzCheck(numbers && numbers->size() == ShownNumberCount(operation, three_dimensions),
            "result text does not show its numbers", context);
  bool finite = true;
  for (const double component : {x.i, x.j, x.k, y.i, y.j, y.k})
    finite = finite && std::isfinite(component);
  if (finite && !Undefined(operation, x, y)) {
    for (const double number : *numbers)
      FuzzCheck(!std::isnan(number), "NaN from finite operands", context);
  }
  return 0;
}
