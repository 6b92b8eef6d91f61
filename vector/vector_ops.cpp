// Evaluation order is part of the contract: every expression below keeps the grouping and the
// order of its terms exactly as written (squares through pow, products and sums in the order
// given), so that each printed digit comes out the same on every machine. Dot and cross
// products, whose terms may cancel, are the true sums of their products rounded once.
#include "vector/vector_ops.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

#include "common/angle.h"
#include "common/result_text.h"
#include "common/wide_number.h"

const char* const kVectorOperationNames[kVectorOperationCount] = {
    "Magnitude", "Direction cosines", "X+Y", "X-Y", "X dot Y", "X cross Y", "Angle between X and Y",
};

const char* const kVectorDimensionNames[kVectorDimensionCount] = {"2D", "3D"};

// Squares and products below go through WideNumber: where the plain formula would overflow
// or underflow in them, the true result is shown; everywhere else the magnitudes are the plain
// formula's own.
namespace {

WideNumber WideMagnitude(const Vector& v) {
  return SquareRootOf(SumOfSquares({v.i, v.j, v.k}));
}

WideNumber WideDotProduct(const Vector& x, const Vector& y) {
  return TrueSumOfProducts({{x.i, y.i}, {x.j, y.j}, {x.k, y.k}});
}

// The components of X x Y, each difference written as the sum of a negated product.
struct WideVector {
  WideNumber i, j, k;
};

WideVector WideCrossProduct(const Vector& x, const Vector& y) {
  return {TrueSumOfProducts({{x.j, y.k}, {-x.k, y.j}}),
          TrueSumOfProducts({{x.k, y.i}, {-x.i, y.k}}),
          TrueSumOfProducts({{x.i, y.j}, {-x.j, y.i}})};
}

}  // namespace

double VectorMagnitude(const Vector& v) {
  return ToDouble(WideMagnitude(v));
}

namespace {

double DotProductOf(const Vector& x, const Vector& y) {
  return ToDouble(WideDotProduct(x, y));
}

void Magnitudes(const Vector& x, const Vector& y, ResultWithNumbers& result) {
  const double mx = VectorMagnitude(x);
  const double my = VectorMagnitude(y);
  AssignResultText(result.text, "\n Magnitude X = %12.5g \n Magnitude Y = %12.5g", mx, my);
  result.numbers = {{"x_magnitude", mx}, {"y_magnitude", my}};
}

void DirectionCosines(bool three_dimensions, const Vector& x, const Vector& y,
                      ResultWithNumbers& result) {
  const WideNumber mx = WideMagnitude(x);
  const WideNumber my = WideMagnitude(y);
  const Vector cx{DivideWide({x.i}, mx), DivideWide({x.j}, mx), DivideWide({x.k}, mx)};
  const Vector cy{DivideWide({y.i}, my), DivideWide({y.j}, my), DivideWide({y.k}, my)};
  if (three_dimensions) {
    AssignResultText(result.text,
                     "\n Vector X:\n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g \n"
                     " cos( omega z) = %12.5g \n\n\n\n Vector Y: \n\n cos( omega x) = %12.5g \n"
                     " cos( omega y) = %12.5g \n cos( omega z) = %12.5g ",
                     cx.i, cx.j, cx.k, cy.i, cy.j, cy.k);
    result.numbers = {{"x_cos_x", cx.i}, {"x_cos_y", cx.j}, {"x_cos_z", cx.k},
                      {"y_cos_x", cy.i}, {"y_cos_y", cy.j}, {"y_cos_z", cy.k}};
    return;
  }
  AssignResultText(result.text,
                   "\n Vector X:\n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g  \n\n\n\n"
                   " Vector Y: \n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g \n",
                   cx.i, cx.j, cy.i, cy.j);
  result.numbers = {{"x_cos_x", cx.i}, {"x_cos_y", cx.j}, {"y_cos_x", cy.i}, {"y_cos_y", cy.j}};
}

// The sum and the difference share one layout; `sign` is the operator between X and Y.
void ComponentwiseText(bool three_dimensions, char sign, const Vector& v,
                       ResultWithNumbers& result) {
  const double magnitude = VectorMagnitude(v);
  if (three_dimensions) {
    AssignResultText(
        result.text,
        "\n X %c Y = %12.5g i +  %12.5g j +  %12.5g k \n\n\n Magnitude [ X %c Y ] = %12.5g", sign,
        v.i, v.j, v.k, sign, magnitude);
    result.numbers = {{"i", v.i}, {"j", v.j}, {"k", v.k}, {"magnitude", magnitude}};
    return;
  }
  AssignResultText(result.text,
                   "\n X %c Y = %12.5g i +  %12.5g j \n\n\n Magnitude [ X %c Y ] = %12.5g", sign,
                   v.i, v.j, sign, magnitude);
  result.numbers = {{"i", v.i}, {"j", v.j}, {"magnitude", magnitude}};
}

void Sum(bool three_dimensions, const Vector& x, const Vector& y, ResultWithNumbers& result) {
  ComponentwiseText(three_dimensions, '+', {x.i + y.i, x.j + y.j, x.k + y.k}, result);
}

void Difference(bool three_dimensions, const Vector& x, const Vector& y,
                ResultWithNumbers& result) {
  ComponentwiseText(three_dimensions, '-', {x.i - y.i, x.j - y.j, x.k - y.k}, result);
}

void DotProduct(const Vector& x, const Vector& y, ResultWithNumbers& result) {
  const double product = DotProductOf(x, y);
  AssignResultText(result.text, "\n X dot Y = %12.5g ", product);
  result.numbers = {{"dot", product}};
}

// Always the three-component layout: in the plane the product stands along k.
void CrossProduct(const Vector& x, const Vector& y, ResultWithNumbers& result) {
  const WideVector wide = WideCrossProduct(x, y);
  const Vector c{ToDouble(wide.i), ToDouble(wide.j), ToDouble(wide.k)};
  const double magnitude = VectorMagnitude(c);
  AssignResultText(
      result.text,
      "\n X cross Y =  %12.5g i +  %12.5g j +  %12.5g k \n\n\n Magnitude [ X cross Y ] "
      "= %12.5g",
      c.i, c.j, c.k, magnitude);
  result.numbers = {{"i", c.i}, {"j", c.j}, {"k", c.k}, {"magnitude", magnitude}};
}

bool IsFinite(const Vector& v) {
  return std::isfinite(v.i) && std::isfinite(v.j) && std::isfinite(v.k);
}

bool IsZero(const Vector& v) {
  return v.i == 0 && v.j == 0 && v.k == 0;
}

// The power of two just above |value|; 0 has none, and counts as 2^INT_MIN.
int SizeOf(WideNumber value) {
  if (value.mantissa == 0)
    return INT_MIN;
  int exponent = 0;
  std::frexp(value.mantissa, &exponent);
  return value.exponent + exponent;
}

// The largest size among the values, 0 when all of them are 0.
int CommonSize(std::initializer_list<WideNumber> values) {
  int size = INT_MIN;
  for (const WideNumber value : values)
    size = std::max(size, SizeOf(value));
  return size == INT_MIN ? 0 : size;
}

// value / 2^exponent, for a value no larger than 2^exponent.
double Below(WideNumber value, int exponent) {
  return value.mantissa == 0 ? value.mantissa
                             : std::ldexp(value.mantissa, value.exponent - exponent);
}

// |c| for components that may each carry their own power of two: the squares are taken of the
// components brought below 1 together.
WideNumber WideMagnitudeOf(const WideVector& c) {
  // Components of ordinary size need no scaling: their squares stay far inside the range.
  const auto ordinary = [](WideNumber v) {
    return v.exponent == 0 && std::fabs(v.mantissa) < 0x1p500;
  };
  if (ordinary(c.i) && ordinary(c.j) && ordinary(c.k) &&
      std::fmax(std::fabs(c.i.mantissa),
                std::fmax(std::fabs(c.j.mantissa), std::fabs(c.k.mantissa))) >= 0x1p-500)
    return {std::sqrt((c.i.mantissa * c.i.mantissa + c.j.mantissa * c.j.mantissa) +
                      c.k.mantissa * c.k.mantissa)};
  const int size = CommonSize({c.i, c.j, c.k});
  const double i = Below(c.i, size), j = Below(c.j, size), k = Below(c.k, size);
  return {std::sqrt((i * i + j * j) + k * k), size};
}

// The angle between X and Y as atan2(|X x Y|, X . Y), with both products true to the last
// bit: acos of a rounded cosine loses every digit of a small angle (1e-9 has a cosine of
// 1 - 5e-19, which rounds to 1). A zero vector has no angle: its 0/0 gives NaN, as do
// infinities and NaNs, by the cosine as its quotient of the dot product and the magnitudes.
Angle AngleOf(const Vector& x, const Vector& y) {
  if (!IsFinite(x) || !IsFinite(y) || IsZero(x) || IsZero(y)) {
    const WideNumber magnitudes = MultiplyWide(WideMagnitude(x), WideMagnitude(y));
    const double radians = std::acos(DivideWide(WideDotProduct(x, y), magnitudes));
    return {radians, Degrees(radians)};
  }
  const WideNumber sine = WideMagnitudeOf(WideCrossProduct(x, y));
  const WideNumber cosine = WideDotProduct(x, y);
  // Each brought into [0.5, 1): the sine may lie far below the cosine, or far above it. Only
  // their ratio counts, and a cosine of 0 has none: the angle is then a right one.
  const int sine_size = CommonSize({sine}), cosine_size = CommonSize({cosine});
  const int ratio_exponent = cosine.mantissa == 0 ? 0 : sine_size - cosine_size;
  return AngleOfPoint(Below(sine, sine_size), Below(cosine, cosine_size), ratio_exponent);
}

void AngleBetween(const Vector& x, const Vector& y, ResultWithNumbers& result) {
  const Angle angle = AngleOf(x, y);
  const double theta = angle.radians, degrees = angle.degrees;
  AssignResultText(result.text,
                   "\n Angle between X and Y \t= %12.5g radians \n\n \t\t\t= %12.5g degrees", theta,
                   degrees);
  result.numbers = {{"radians", theta}, {"degrees", degrees}};
}

}  // namespace

void WriteVectorResult(int dimension, VectorOperation operation, const Vector& x, const Vector& y,
                       ResultWithNumbers& result) {
  const bool three_dimensions = dimension == kThreeDimensionsPosition;
  switch (operation) {
    case VectorOperation::Magnitude:
      return Magnitudes(x, y, result);
    case VectorOperation::DirectionCosines:
      return DirectionCosines(three_dimensions, x, y, result);
    case VectorOperation::Sum:
      return Sum(three_dimensions, x, y, result);
    case VectorOperation::Difference:
      return Difference(three_dimensions, x, y, result);
    case VectorOperation::DotProduct:
      return DotProduct(x, y, result);
    case VectorOperation::CrossProduct:
      return CrossProduct(x, y, result);
    case VectorOperation::AngleBetween:
      break;
  }
  AngleBetween(x, y, result);
}

ResultWithNumbers ComputeVectorResultWithNumbers(int dimension, VectorOperation operation,
                                                 const Vector& x, const Vector& y) {
  ResultWithNumbers result;
  WriteVectorResult(dimension, operation, x, y, result);
  return result;
}

std::string ComputeVectorResult(int dimension, VectorOperation operation, const Vector& x,
                                const Vector& y) {
  return ComputeVectorResultWithNumbers(dimension, operation, x, y).text;
}
