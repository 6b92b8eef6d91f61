// Evaluation order is part of the contract: every expression below keeps the grouping and the
// order of its terms exactly as written (squares through pow, products and sums in the order
// given), so that each printed digit comes out the same on every machine.
#include "vector/vector_ops.h"

#include <cmath>

#include "common/result_text.h"
#include "common/wide_number.h"

const char* const kVectorOperationNames[kVectorOperationCount] = {
    "Magnitude", "Direction cosines", "X+Y", "X-Y", "X dot Y", "X cross Y", "Angle between X and Y",
};

const char* const kVectorDimensionNames[kVectorDimensionCount] = {"2D", "3D"};

// Squares and products below go through WideNumber: where the plain formula would overflow
// or underflow in them, the true result is shown; everywhere else the plain formula's own.
namespace {

WideNumber WideMagnitude(const Vector& v) {
  return SquareRootOf(SumOfSquares({v.i, v.j, v.k}));
}

WideNumber WideDotProduct(const Vector& x, const Vector& y) {
  return SumOfProducts({{x.i, y.i}, {x.j, y.j}, {x.k, y.k}});
}

}  // namespace

double VectorMagnitude(const Vector& v) {
  return ToDouble(WideMagnitude(v));
}

namespace {

double DotProductOf(const Vector& x, const Vector& y) {
  return ToDouble(WideDotProduct(x, y));
}

std::string Magnitudes(bool, const Vector& x, const Vector& y) {
  return ResultText("\n Magnitude X = %12.5g \n Magnitude Y = %12.5g", VectorMagnitude(x),
                    VectorMagnitude(y));
}

std::string DirectionCosines(bool three_dimensions, const Vector& x, const Vector& y) {
  const WideNumber mx = WideMagnitude(x);
  const WideNumber my = WideMagnitude(y);
  if (three_dimensions) {
    return ResultText(
        "\n Vector X:\n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g \n"
        " cos( omega z) = %12.5g \n\n\n\n Vector Y: \n\n cos( omega x) = %12.5g \n"
        " cos( omega y) = %12.5g \n cos( omega z) = %12.5g ",
        DivideWide({x.i}, mx), DivideWide({x.j}, mx), DivideWide({x.k}, mx), DivideWide({y.i}, my),
        DivideWide({y.j}, my), DivideWide({y.k}, my));
  }
  return ResultText(
      "\n Vector X:\n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g  \n\n\n\n"
      " Vector Y: \n\n cos( omega x) = %12.5g \n cos( omega y) = %12.5g \n",
      DivideWide({x.i}, mx), DivideWide({x.j}, mx), DivideWide({y.i}, my), DivideWide({y.j}, my));
}

// The sum and the difference share one layout; `sign` is the operator between X and Y.
std::string ComponentwiseText(bool three_dimensions, char sign, const Vector& v) {
  if (three_dimensions) {
    return ResultText(
        "\n X %c Y = %12.5g i +  %12.5g j +  %12.5g k \n\n\n Magnitude [ X %c Y ] = %12.5g", sign,
        v.i, v.j, v.k, sign, VectorMagnitude(v));
  }
  return ResultText("\n X %c Y = %12.5g i +  %12.5g j \n\n\n Magnitude [ X %c Y ] = %12.5g", sign,
                    v.i, v.j, sign, VectorMagnitude(v));
}

std::string Sum(bool three_dimensions, const Vector& x, const Vector& y) {
  return ComponentwiseText(three_dimensions, '+', {x.i + y.i, x.j + y.j, x.k + y.k});
}

std::string Difference(bool three_dimensions, const Vector& x, const Vector& y) {
  return ComponentwiseText(three_dimensions, '-', {x.i - y.i, x.j - y.j, x.k - y.k});
}

std::string DotProduct(bool, const Vector& x, const Vector& y) {
  return ResultText("\n X dot Y = %12.5g ", DotProductOf(x, y));
}

// Always the three-component layout: in the plane the product stands along k.
std::string CrossProduct(bool, const Vector& x, const Vector& y) {
  // Each difference is written as the sum of a negated product.
  const Vector c{ToDouble(SumOfProducts({{x.j, y.k}, {-x.k, y.j}})),
                 ToDouble(SumOfProducts({{x.k, y.i}, {-x.i, y.k}})),
                 ToDouble(SumOfProducts({{x.i, y.j}, {-x.j, y.i}}))};
  return ResultText(
      "\n X cross Y =  %12.5g i +  %12.5g j +  %12.5g k \n\n\n Magnitude [ X cross Y ] = %12.5g",
      c.i, c.j, c.k, VectorMagnitude(c));
}

// The cosine of the angle can never exceed 1 in magnitude, but rounding pushes it just beyond
// for parallel vectors ((1, 1, 1) with itself gives 1.0000000000000002), and acos would turn
// that into NaN. Such a ratio is brought back to +-1; a zero vector's 0/0 stays NaN, since
// there the angle is undefined.
double CosineOfAngle(const Vector& x, const Vector& y) {
  const double ratio =
      DivideWide(WideDotProduct(x, y), MultiplyWide(WideMagnitude(x), WideMagnitude(y)));
  if (ratio > 1.0)
    return 1.0;
  if (ratio < -1.0)
    return -1.0;
  return ratio;
}

std::string AngleBetween(bool, const Vector& x, const Vector& y) {
  const double theta = std::acos(CosineOfAngle(x, y));
  const double degrees = (theta * 180.0) / std::atan2(0.0, -1.0);
  return ResultText("\n Angle between X and Y \t= %12.5g radians \n\n \t\t\t= %12.5g degrees",
                    theta, degrees);
}

using VectorOperationText = std::string (*)(bool three_dimensions, const Vector& x,
                                            const Vector& y);

// In the order of VectorOperation, so that an operation's number is an index here.
const VectorOperationText kOperations[kVectorOperationCount] = {
    Magnitudes, DirectionCosines, Sum, Difference, DotProduct, CrossProduct, AngleBetween,
};

}  // namespace

std::string ComputeVectorResult(int dimension, VectorOperation operation, const Vector& x,
                                const Vector& y) {
  return kOperations[static_cast<int>(operation)](dimension == 1, x, y);
}
