// Evaluation order is part of the contract: sums keep the order of their terms and squares
// are taken with pow, so that each printed digit comes out the same on every machine.
#include "common/wide_number.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>

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

// A product of mantissas in [0.5, 1) is exact in its power of two, so each term here is the
// plain formula's term divided by 2^exponent, rounded the same way.
WideNumber Sum(std::span<const Product> terms, Multiply multiply) {
  bool in_range = true, finite = true;
  int largest = INT_MIN;
  for (const Product& term : terms) {
    finite = finite && std::isfinite(term.a) && std::isfinite(term.b);
    if (term.a == 0.0 || term.b == 0.0)
      continue;
    const int exponent = ExponentOf(term.a) + ExponentOf(term.b);
    in_range = in_range && StaysInRange(exponent);
    largest = std::max(largest, exponent);
  }
  // Infinities and NaNs give what the plain formula gives them.
  auto term = terms.begin();
  if (in_range || !finite) {
    double sum = multiply(term->a, term->b);
    for (++term; term != terms.end(); ++term)
      sum = sum + multiply(term->a, term->b);
    return {sum};
  }
  const auto scaled = [&](const Product& t) {
    const int shift = ExponentOf(t.a) + ExponentOf(t.b) - largest;
    return std::ldexp(multiply(MantissaOf(t.a), MantissaOf(t.b)), shift);
  };
  double sum = scaled(*term);
  for (++term; term != terms.end(); ++term)
    sum = sum + scaled(*term);
  return {sum, largest};
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
WideNumber SumOfSquares(std::initializer_list<double> parts) {
  Product squares[3];
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
