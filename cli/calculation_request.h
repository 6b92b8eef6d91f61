#pragma once

#include <array>
#include <string>
#include <variant>

#include "common/fixed_list.h"
#include "complex/complex_ops.h"
#include "vector/vector_ops.h"

// One calculation asked for on the command line or on a line of standard input, with its
// numbers read from its words as the calculators read their boxes.

// A polynomial of degree 2, 3 or 4: its 3, 4 or 5 coefficients from the highest power down.
struct RootsRequest {
  FixedList<double, 5> coefficients;

  bool operator==(const RootsRequest&) const = default;
};

// An operation of the complex calculator on X, Y and Z, given as XR, XI, YR, YI, ZR, ZI.
struct ComplexRequest {
  ComplexOperation operation = ComplexOperation::Reciprocal;
  std::array<double, 6> parts{};

  bool operator==(const ComplexRequest&) const = default;
};

// An operation of the vector calculator on X and Y, given as X's i, j, k, then Y's.
struct VectorRequest {
  int dimension = 0;
  VectorOperation operation = VectorOperation::Magnitude;
  std::array<double, 6> components{};

  bool operator==(const VectorRequest&) const = default;
};

// Words that do not make a calculation, with what is wrong with them.
struct UsageError {
  std::string problem;

  bool operator==(const UsageError&) const = default;
};

using CalculationRequest = std::variant<RootsRequest, ComplexRequest, VectorRequest>;
using ParsedCalculation = std::variant<CalculationRequest, UsageError>;
