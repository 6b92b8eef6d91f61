// Evaluation order is part of the contract: every expression below keeps the grouping and the
// order of its terms exactly as written, so that each printed digit comes out the same on
// every machine. Squares and products go through WideNumber, which keeps them in range. Sums
// of squares are the plain formula's own (squares through pow) wherever that stays in range;
// the parts of products and quotients, where terms of opposite signs may cancel, are the true
// sums of their products rounded once, which shows the plain formula's digits wherever those
// were right.
#include "complex/complex_ops.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/angle.h"
#include "common/exact_sum.h"
#include "common/result_text.h"
#include "common/wide_number.h"

const char* const kComplexOperationNames[kComplexOperationCount] = {
    "1/X", "mag (X)", "phase (X)", "natural log (X)", "exp (X) ",  "sqrt (X)",
    "X^2", "X + Y",   "X * Y",     "X / Y",           "Z + (X/Y)",
};

namespace {

// How a result's imaginary part is written: "+ j (im)" when it compares >= 0.0, which a
// negative zero does, and "- j (-im)" otherwise, which takes in NaN as well.
struct ImaginaryPart {
  char sign;
  double shown;
};

ImaginaryPart Written(double im) {
  if (im >= 0.0)
    return {'+', im};
  return {'-', -im};
}

// Squares and products below go through WideNumber: where the plain formula would overflow
// or underflow in them, the true result is shown; everywhere else the plain formula's own.

// |X|^2 and the magnitude of a result, taken from its own parts.
WideNumber SquaredMagnitude(Complex value) {
  return SumOfSquares({value.re, value.im});
}

double Magnitude(Complex value) {
  return ToDouble(SquareRootOf(SquaredMagnitude(value)));
}

// The numbers of a complex result: its parts, whichever form writes them.
ShownNumbers Parts(double re, ImaginaryPart im) {
  return {{"re", re}, {"im", im.sign == '+' ? im.shown : -im.shown}};
}

// The parts and then the magnitude that follows them.
ShownNumbers Parts(double re, ImaginaryPart im, double magnitude) {
  ShownNumbers numbers = Parts(re, im);
  numbers.push_back({"magnitude", magnitude});
  return numbers;
}

// The layout shared by X^2, X+Y, X*Y and X/Y: the result, then its magnitude under the same
// label.
void WithMagnitude(const char* label, Complex value, ResultWithNumbers& result) {
  const ImaginaryPart im = Written(value.im);
  const double magnitude = Magnitude(value);
  AssignResultText(result.text, " %s = %11.5g %c j (%11.5g) \n\n\n mag (%s) = %11.5g \n", label,
                   value.re, im.sign, im.shown, label, magnitude);
  result.numbers = Parts(value.re, im, magnitude);
}

void Reciprocal(Complex x, ResultWithNumbers& result) {
  const WideNumber d = SquaredMagnitude(x);
  const double re = DivideWide({x.re}, d);
  const ImaginaryPart im = Written(DivideWide({-x.im}, d));
  AssignResultText(result.text, " 1/X = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown);
  result.numbers = Parts(re, im);
}

void MagnitudeOfX(Complex x, ResultWithNumbers& result) {
  const double magnitude = Magnitude(x);
  AssignResultText(result.text, " mag(X) = %11.5g \n", magnitude);
  result.numbers = {{"magnitude", magnitude}};
}

void Phase(Complex x, ResultWithNumbers& result) {
  const Angle angle = AngleOfPoint(x.im, x.re);
  const double rad = angle.radians, deg = angle.degrees;
  AssignResultText(result.text, " phase(X) = %11.5g rad\n\n            = %11.5g deg", rad, deg);
  result.numbers = {{"radians", rad}, {"degrees", deg}};
}

// Near |X| = 1 the logarithm is small and log of the rounded magnitude would keep none of
// its digits: there it is half log1p(|X|^2 - 1), with (|X|^2 - 1) / 2 summed exactly, so that
// a logarithm too small for log1p to change keeps its one rounding.
constexpr double kNearUnitLow = 0.5, kNearUnitHigh = 2.0;

// log |X|. A magnitude beyond the largest double or below the smallest normal one still has
// an ordinary logarithm: that of its mantissa plus its exponent times log 2.
double LogOfMagnitude(Complex x) {
  const WideNumber squares = SquaredMagnitude(x);
  const double shown_squares = ToDouble(squares);
  if (shown_squares >= kNearUnitLow && shown_squares <= kNearUnitHigh) {
    ExactSum half_excess;
    half_excess.AddProduct(0.5 * x.re, x.re);
    half_excess.AddProduct(0.5 * x.im, x.im);
    half_excess.Add(-0.5);
    return 0.5 * std::log1p(2 * half_excess.Rounded());
  }
  const WideNumber magnitude = SquareRootOf(squares);
  const double shown = ToDouble(magnitude);
  if (magnitude.exponent == 0 || std::isnormal(shown))
    return std::log(shown);
  return std::log(magnitude.mantissa) + magnitude.exponent * std::log(2.0);
}

void NaturalLog(Complex x, ResultWithNumbers& result) {
  const double re = LogOfMagnitude(x);
  const ImaginaryPart im = Written(std::atan2(x.im, x.re));
  AssignResultText(result.text, " natural log(X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown);
  result.numbers = Parts(re, im);
}

// factor * exp(exponent). Where exp alone passes the largest double, the product with a
// cosine or sine may still be an ordinary number: it is then taken in two halves. sin(0) is
// exactly 0, and so is its product with any finite number.
double TimesExponential(double factor, double exponent) {
  const double power = std::exp(exponent);
  if (!std::isinf(power) || !std::isfinite(exponent))
    return factor * power;
  if (factor == 0.0)
    return factor;
  const double half = std::exp(exponent / 2);
  return (factor * half) * half;
}

void Exponential(Complex x, ResultWithNumbers& result) {
  const double re = TimesExponential(std::cos(x.im), x.re);
  const ImaginaryPart im = Written(TimesExponential(std::sin(x.im), x.re));
  AssignResultText(result.text, " exp (X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown);
  result.numbers = Parts(re, im);
}

// The fraction of a square root's magnitude below which a part is rounding residue.
constexpr double kNegligibleFraction = 1e-10;

// The square root as the n-th root with n = 2: the sum of squares raised to 1/(2n) and the
// angle times 1/n. A part that is a negligible fraction of the root's magnitude is rounding
// residue (the real part of sqrt(-4) comes out near 1.2e-16) and is shown as 0; the negated
// test also zeroes both parts when the magnitude is 0 and the ratios are NaN.
void SquareRoot(Complex x, ResultWithNumbers& result) {
  const int n = 2;
  const double r = ToDouble(FourthRootOf(SquaredMagnitude(x)));  // the 2n-th root
  const double theta = std::atan2(x.im, x.re);
  Complex root{std::cos(theta * (1.0 / n)) * r, std::sin(theta * (1.0 / n)) * r};
  // Beyond a right angle the cosine of the half angle is small and carries the rounding of
  // the angle itself; the real part then follows from 2 re im = Im X.
  if (x.re < 0 && std::isfinite(x.im) && root.im != 0 && std::isfinite(root.im))
    root.re = (x.im / root.im) / 2;
  const double magnitude = Magnitude(root);
  if (!(std::fabs(root.re / magnitude) >= kNegligibleFraction))
    root.re = 0.0;
  if (!(std::fabs(root.im / magnitude) >= kNegligibleFraction))
    root.im = 0.0;
  const ImaginaryPart im = Written(root.im);
  AssignResultText(result.text,
                   " sqrt(X) = %11.5g %c j (%11.5g) \n\n\n mag [ sqrt (X) ] = %11.5g \n", root.re,
                   im.sign, im.shown, magnitude);
  result.numbers = Parts(root.re, im, magnitude);
}

// X * Y, each difference written as the sum of a negated product.
Complex ProductOf(Complex x, Complex y) {
  return {ToDouble(TrueSumOfProducts({{x.re, y.re}, {-x.im, y.im}})),
          ToDouble(TrueSumOfProducts({{x.re, y.im}, {x.im, y.re}}))};
}

void Square(Complex x, ResultWithNumbers& result) {
  WithMagnitude("X^2", ProductOf(x, x), result);
}

void Sum(Complex x, Complex y, ResultWithNumbers& result) {
  WithMagnitude("X+Y", {x.re + y.re, x.im + y.im}, result);
}

void XTimesY(Complex x, Complex y, ResultWithNumbers& result) {
  WithMagnitude("X*Y", ProductOf(x, y), result);
}

// X / Y, the numerators over |Y|^2. Y = 0 is not caught: both quotients become 0/0, NaN, as
// the IEEE rules give them.
Complex QuotientOf(Complex x, Complex y) {
  const WideNumber d = SquaredMagnitude(y);
  return {DivideWide(TrueSumOfProducts({{x.re, y.re}, {x.im, y.im}}), d),
          DivideWide(TrueSumOfProducts({{x.im, y.re}, {-x.re, y.im}}), d)};
}

void Quotient(Complex x, Complex y, ResultWithNumbers& result) {
  WithMagnitude("X/Y", QuotientOf(x, y), result);
}

bool IsFinite(Complex v) {
  return std::isfinite(v.re) && std::isfinite(v.im);
}

// A nonzero finite v as mantissa * 2^exponent, the mantissa in [0.5, 1).
struct Split {
  double mantissa;
  int exponent;
};

Split SplitOf(double v) {
  Split split{};
  split.mantissa = std::frexp(v, &split.exponent);
  return split;
}

// z |Y|^2 + (a1 b1 + a2 b2), the numerator of z + (a1 b1 + a2 b2) / |Y|^2, exactly, as a
// double times 2^(returned exponent). Each term is taken as mantissas times a power of two
// relative to the largest term; z yr^2 is split exactly into (z yr) yr. A term below 2^-900 of
// the largest loses its lowest bits to underflow.
WideNumber NumeratorWithZ(double z, Product first, Product second, Complex y) {
  struct Term {
    double a, b, c;  // c is 1 for a product of two factors
  };
  const Term terms[] = {
      {first.a, first.b, 1.0}, {second.a, second.b, 1.0}, {z, y.re, y.re}, {z, y.im, y.im}};
  const auto size = [](const Term& t) {
    return SplitOf(t.a).exponent + SplitOf(t.b).exponent + SplitOf(t.c).exponent;
  };
  const auto nonzero = [](const Term& t) { return t.a != 0 && t.b != 0 && t.c != 0; };
  int largest = INT_MIN;
  for (const Term& t : terms) {
    if (nonzero(t))
      largest = std::max(largest, size(t));
  }
  ExactSum sum;
  for (const Term& t : terms) {
    if (!nonzero(t))
      continue;
    const double last = std::ldexp(SplitOf(t.c).mantissa, size(t) - largest);
    const double a = SplitOf(t.a).mantissa, b = SplitOf(t.b).mantissa;
    const double ab = a * b;
    sum.AddProduct(ab, last);
    sum.AddProduct(std::fma(a, b, -ab), last);
  }
  return {sum.Rounded(), largest};
}

// The power of two just above |value|, for a value that is not 0.
int SizeOf(WideNumber value) {
  return SplitOf(value.mantissa).exponent + value.exponent;
}

// z + numerator / d. Where z and the quotient have opposite signs and sizes within a factor
// of 4 they cancel, and the sum is taken exactly before the one division: (z d + numerator) / d.
double PlusQuotient(double z, Product first, Product second, Complex y) {
  const WideNumber numerator = TrueSumOfProducts({first, second});
  const WideNumber d = SquaredMagnitude(y);
  const bool opposite = z != 0 && numerator.mantissa != 0 && (z < 0) != (numerator.mantissa < 0);
  // The quotient's size, within 1 of that of numerator / d.
  if (!opposite || std::abs(SplitOf(z).exponent - (SizeOf(numerator) - SizeOf(d))) > 3)
    return z + DivideWide(numerator, d);
  return DivideWide(NumeratorWithZ(z, first, second, y), d);
}

// Z + (X/Y). Special values, X = 0 and Y = 0 take the plain sum of Z and the quotient, as the
// IEEE rules give them.
Complex SumWithQuotientOf(Complex x, Complex y, Complex z) {
  if (!IsFinite(x) || !IsFinite(y) || !IsFinite(z) || (y.re == 0 && y.im == 0) ||
      (x.re == 0 && x.im == 0)) {
    const Complex quotient = QuotientOf(x, y);
    return {z.re + quotient.re, z.im + quotient.im};
  }
  return {PlusQuotient(z.re, {x.re, y.re}, {x.im, y.im}, y),
          PlusQuotient(z.im, {x.im, y.re}, {-x.re, y.im}, y)};
}

void SumWithQuotient(Complex x, Complex y, Complex z, ResultWithNumbers& result) {
  const Complex sum = SumWithQuotientOf(x, y, z);
  const double re = sum.re;
  const ImaginaryPart im = Written(sum.im);
  AssignResultText(result.text, " Z + (X/Y) = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown);
  result.numbers = Parts(re, im);
}

}  // namespace

void WriteComplexResult(ComplexOperation operation, Complex x, Complex y, Complex z,
                        ResultWithNumbers& result) {
  switch (operation) {
    case ComplexOperation::Reciprocal:
      return Reciprocal(x, result);
    case ComplexOperation::Magnitude:
      return MagnitudeOfX(x, result);
    case ComplexOperation::Phase:
      return Phase(x, result);
    case ComplexOperation::NaturalLog:
      return NaturalLog(x, result);
    case ComplexOperation::Exponential:
      return Exponential(x, result);
    case ComplexOperation::SquareRoot:
      return SquareRoot(x, result);
    case ComplexOperation::Square:
      return Square(x, result);
    case ComplexOperation::Sum:
      return Sum(x, y, result);
    case ComplexOperation::Product:
      return XTimesY(x, y, result);
    case ComplexOperation::Quotient:
      return Quotient(x, y, result);
    case ComplexOperation::SumWithQuotient:
      break;
  }
  SumWithQuotient(x, y, z, result);
}

ResultWithNumbers ComputeComplexResultWithNumbers(ComplexOperation operation, Complex x, Complex y,
                                                  Complex z) {
  ResultWithNumbers result;
  WriteComplexResult(operation, x, y, z, result);
  return result;
}

std::string ComputeComplexResult(ComplexOperation operation, Complex x, Complex y, Complex z) {
  return ComputeComplexResultWithNumbers(operation, x, y, z).text;
}
