#pragma once

#include <initializer_list>

// Sums of products beyond the range of doubles. A calculator's formula can overflow to
// infinity or underflow to zero in a product or a square although its result is an ordinary
// number: the magnitude of 1e155 squares it first. Here each product is taken as the formula
// takes it and only its power of two is kept apart, which is exact, so the sum comes out as
// the formula's own where that stays in range, and true where the formula's would not.

// mantissa * 2^exponent.
struct WideNumber {
  double mantissa = 0.0;
  int exponent = 0;
};

// A term a * b of a sum.
struct Product {
  double a, b;
};

// The sum of the products in the order given, ((t0 + t1) + t2), each product and partial
// sum rounded as in double arithmetic. Where every product stays comfortably in range, or a
// factor is infinite or not a number, it is the plain double sum with exponent 0.
WideNumber SumOfProducts(std::initializer_list<Product> terms);

// The true sum of the products, rounded once: within one unit in its last place, however
// much the products cancel. Factors that are infinite or not a number give the plain sum.
WideNumber TrueSumOfProducts(std::initializer_list<Product> terms);

// The same for squares taken with pow(part, 2), the calculators' way of squaring.
WideNumber SumOfSquares(std::initializer_list<double> parts);

// The square root and the fourth root of a sum of squares; exponent 0 stays exponent 0.
WideNumber SquareRootOf(WideNumber value);
WideNumber FourthRootOf(WideNumber value);

WideNumber MultiplyWide(WideNumber a, WideNumber b);

// The nearest double: infinity beyond the largest, and zero or a subnormal number below
// the smallest normal one.
double ToDouble(WideNumber value);

// numerator / denominator as a double; with both exponents 0 the plain quotient.
double DivideWide(WideNumber numerator, WideNumber denominator);
