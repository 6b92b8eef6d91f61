#pragma once

#include <string>

#include "common/result_text.h"

// A vector by its components along i, j and k.
struct Vector {
  double i = 0.0, j = 0.0, k = 0.0;
};

// The operations of the vector calculator, numbered as its operation list orders them. A list
// position becomes an operation only after it is checked against kVectorOperationCount, so an
// operation is always one of these values.
enum class VectorOperation {
  Magnitude,
  DirectionCosines,
  Sum,
  Difference,
  DotProduct,
  CrossProduct,
  AngleBetween,
};
inline constexpr int kVectorOperationCount = 7;
extern const char* const kVectorOperationNames[kVectorOperationCount];

// The dimension list: index 0 is "2D", 1 is "3D".
inline constexpr int kVectorDimensionCount = 2;
extern const char* const kVectorDimensionNames[kVectorDimensionCount];
// The dimension list's position of three dimensions; any other position lays out two.
inline constexpr int kThreeDimensionsPosition = 1;

// sqrt((a^2 + b^2) + c^2), the squares taken with pow; where they would leave the range of
// doubles, the true magnitude (infinity only beyond the largest double).
double VectorMagnitude(const Vector& v);

// The result text of `operation` on X and Y. `dimension` kThreeDimensionsPosition chooses the
// three-component layout, any other value the two-component one; the arithmetic always uses
// all three.
std::string ComputeVectorResult(int dimension, VectorOperation operation, const Vector& x,
                                const Vector& y);

// The same text with the numbers it shows, named after what they are: "x_magnitude" and
// "y_magnitude"; the direction cosines "x_cos_x" to "y_cos_z" (X's and Y's, along x, y and z,
// only those the layout shows); the components "i", "j", "k" (those shown) and "magnitude" of a
// sum, difference or cross product; "dot"; the angle's "radians" and "degrees".
ResultWithNumbers ComputeVectorResultWithNumbers(int dimension, VectorOperation operation,
                                                 const Vector& x, const Vector& y);

// The same, in place of what `result` held and in the room of its text, so that a batch that
// writes one result after another into the same one allocates nothing for them.
void WriteVectorResult(int dimension, VectorOperation operation, const Vector& x, const Vector& y,
                       ResultWithNumbers& result);
