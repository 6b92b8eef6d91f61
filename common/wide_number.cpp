// Evaluation order is part of the contract: sums keep the order of their terms and squares
// are taken with pow, so that each printed digit comes out the same on every machine.
#include "common/wide_number.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>

#include "common/exact_sum.h"

namespace {

// A product of factors below 2^ea and 2^eb lies below 2^(ea + eb). Up to 2^1021 a sum of
// three products stays finite; from 2^-967 up, the rounding error of a product lost to
// underflow (2^-1075) stays below the last bit of the largest product.
bool StaysInRange(int exponent_sum) {
  return exponent_sum >= -967 && exponent_sum <= 1021;
}

int ExponentOf(double factor) {
  int exponent = 0;
  std::frexp(factor, &exponent);
  return exponent;
}

double MantissaOf(double factor) {
  int exponent = 0;
  return std::frexp(factor, &exponent);
}

using Multiply = double (*)(double a, double b);

double Times(double a, double b) {
  return a * b;
}

double PowerTwo(double a, double) {
  return std::pow(a, 2);
}

// Where a sum's products lie: whether every factor is finite, whether every product stays
// in range, and the largest power of two among them.
struct Extent {
  bool in_range = true, finite = true;
  int largest = INT_MIN;
};

Extent ExtentOf(std::span<const Product> terms) {
  Extent extent;
  for (const Product& term : terms) {
    extent.finite = extent.finite && std::isfinite(term.a) && std::isfinite(term.b);
    if (term.a == 0.0 || term.b == 0.0)
      continue;
    const int exponent = ExponentOf(term.a) + ExponentOf(term.b);
    extent.in_range = extent.in_range && StaysInRange(exponent);
    extent.largest = std::max(extent.largest, exponent);
  }
  return extent;
}

double PlainSum(std::span<const Product> terms, Multiply multiply) {
  auto term = terms.begin();
  double sum = multiply(term->a, term->b);
  for (++term; term != terms.end(); ++term)
    sum = sum + multiply(term->a, term->b);
  return sum;
}

// A product of mantissas in [0.5, 1) is exact in its power of two, so each term here is the
// plain formula's term divided by 2^exponent, rounded the same way.
WideNumber Sum(std::span<const Product> terms, Multiply multiply) {
  const Extent extent = ExtentOf(terms);
  // Infinities and NaNs give what the plain formula gives them.
  if (extent.in_range || !extent.finite)
    return {PlainSum(terms, multiply)};
  const auto scaled = [&](const Product& t) {
    const int shift = ExponentOf(t.a) + ExponentOf(t.b) - extent.largest;
    return std::ldexp(multiply(MantissaOf(t.a), MantissaOf(t.b)), shift);
  };
  auto term = terms.begin();
  double sum = scaled(*term);
  for (++term; term != terms.end(); ++term)
    sum = sum + scaled(*term);
  return {sum, extent.largest};
}

// The `degree`-th root of a value whose exponent is made a multiple of `degree` first, so
// that the root of the power of two is exact.
WideNumber RootOf(WideNumber value, int degree, double (*root)(double)) {
  if (value.exponent == 0)
    return {root(value.mantissa)};
  const int remainder = ((value.exponent % degree) + degree) % degree;
  return {root(std::ldexp(value.mantissa, remainder)), (value.exponent - remainder) / degree};
}

}  // namespace

WideNumber SumOfProducts(std::initializer_list<Product> terms) {
  return Sum({terms.begin(), terms.size()}, Times);
}

// Squares go through the same sum as products, each part as both of its factors.
// In range every product and its rounding error are doubles as they stand. Beyond it each
// product is taken as mantissas times a power of two, exact relative to the largest product
// down to 2^-968 of it; a smaller one loses its lowest bits to underflow.
WideNumber TrueSumOfProducts(std::initializer_list<Product> terms) {
  // The common case, every product well inside the range, is told from the products alone.
  bool in_range = true;
  for (const Product& term : terms) {
    const double product = std::fabs(term.a * term.b);
    const bool zero = term.a == 0.0 || term.b == 0.0;
    in_range =
        in_range && std::isfinite(product) && (zero || (product >= 0x1p-966 && product < 0x1p1020));
  }
  const Extent extent = in_range ? Extent{} : ExtentOf({terms.begin(), terms.size()});
  if (!extent.finite)
    return {PlainSum({terms.begin(), terms.size()}, Times)};
  ExactSum sum;
  for (const Product& term : terms) {
    if (extent.in_range) {
      sum.AddProduct(term.a, term.b);
    } else if (term.a != 0.0 && term.b != 0.0) {
      const int shift = ExponentOf(term.a) + ExponentOf(term.b) - extent.largest;
      sum.AddProduct(MantissaOf(term.a), std::ldexp(MantissaOf(term.b), shift));
    }
  }
  // An exact 0 takes the sign that IEEE addition gives it, which is the plain formula's.
  const double rounded = sum.Rounded();
  if (rounded == 0.0) {
    const double plain = PlainSum({terms.begin(), terms.size()}, Times);
    return {plain == 0.0 ? plain : 0.0};
  }
  return {rounded, extent.in_range ? 0 : extent.largest};
}

WideNumber SumOfSquares(std::initializer_list<double> parts) {
  Product squares[3] = {};
  size_t count = 0;
  for (const double part : parts)
    squares[count++] = {part, part};
  return Sum({squares, count}, PowerTwo);
}

WideNumber SquareRootOf(WideNumber value) {
  return RootOf(value, 2, [](double v) { return std::sqrt(v); });
}

WideNumber FourthRootOf(WideNumber value) {
  return RootOf(value, 4, [](double v) { return std::pow(v, 1.0 / 4); });
}

WideNumber MultiplyWide(WideNumber a, WideNumber b) {
  return {a.mantissa * b.mantissa, a.exponent + b.exponent};
}

double ToDouble(WideNumber value) {
  return std::ldexp(value.mantissa, value.exponent);
}

// Dividing the mantissas once they lie in [0.5, 1) keeps a subnormal or huge mantissa from
// losing digits before the powers of two are put back.
double DivideWide(WideNumber numerator, WideNumber denominator) {
  if (numerator.exponent == 0 && denominator.exponent == 0)
    return numerator.mantissa / denominator.mantissa;
  const int exponent = numerator.exponent + ExponentOf(numerator.mantissa) - denominator.exponent -
                       ExponentOf(denominator.mantissa);
  return std::ldexp(MantissaOf(numerator.mantissa) / MantissaOf(denominator.mantissa), exponent);
}
