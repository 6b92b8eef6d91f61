// Evaluation order is part of the contract: every expression below keeps the grouping and the
// order of its terms exactly as written, so that each printed digit comes out the same on
// every machine. Squares and products go through WideNumber, which gives the plain formula's
// own bits (squares through pow, parts through plain products) wherever that formula stays in
// the range of doubles.
#include "complex/complex_ops.h"

#include <cmath>

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
ResultWithNumbers WithParts(std::string text, double re, ImaginaryPart im) {
  const double signed_im = im.sign == '+' ? im.shown : -im.shown;
  return {std::move(text), {{"re", re}, {"im", signed_im}}};
}

// The parts and then the magnitude that follows them.
ResultWithNumbers WithParts(std::string text, double re, ImaginaryPart im, double magnitude) {
  ResultWithNumbers result = WithParts(std::move(text), re, im);
  result.numbers.push_back({"magnitude", magnitude});
  return result;
}

// The layout shared by X^2, X+Y, X*Y and X/Y: the result, then its magnitude under the same
// label.
ResultWithNumbers WithMagnitude(const char* label, Complex value) {
  const ImaginaryPart im = Written(value.im);
  const double magnitude = Magnitude(value);
  return WithParts(ResultText(" %s = %11.5g %c j (%11.5g) \n\n\n mag (%s) = %11.5g \n", label,
                              value.re, im.sign, im.shown, label, magnitude),
                   value.re, im, magnitude);
}

ResultWithNumbers Reciprocal(Complex x) {
  const WideNumber d = SquaredMagnitude(x);
  const double re = DivideWide({x.re}, d);
  const ImaginaryPart im = Written(DivideWide({-x.im}, d));
  return WithParts(ResultText(" 1/X = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown), re, im);
}

ResultWithNumbers MagnitudeOfX(Complex x) {
  const double magnitude = Magnitude(x);
  return {ResultText(" mag(X) = %11.5g \n", magnitude), {{"magnitude", magnitude}}};
}

ResultWithNumbers Phase(Complex x) {
  const double rad = std::atan2(x.im, x.re);
  const double deg = (rad * 180) / std::atan2(0, -1);
  return {ResultText(" phase(X) = %11.5g rad\n\n            = %11.5g deg", rad, deg),
          {{"radians", rad}, {"degrees", deg}}};
}

// log |X|. A magnitude beyond the largest double or below the smallest normal one still has
// an ordinary logarithm: that of its mantissa plus its exponent times log 2.
double LogOfMagnitude(Complex x) {
  const WideNumber magnitude = SquareRootOf(SquaredMagnitude(x));
  const double shown = ToDouble(magnitude);
  if (magnitude.exponent == 0 || std::isnormal(shown))
    return std::log(shown);
  return std::log(magnitude.mantissa) + magnitude.exponent * std::log(2.0);
}

ResultWithNumbers NaturalLog(Complex x) {
  const double re = LogOfMagnitude(x);
  const ImaginaryPart im = Written(std::atan2(x.im, x.re));
  return WithParts(ResultText(" natural log(X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown),
                   re, im);
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

ResultWithNumbers Exponential(Complex x) {
  const double re = TimesExponential(std::cos(x.im), x.re);
  const ImaginaryPart im = Written(TimesExponential(std::sin(x.im), x.re));
  return WithParts(ResultText(" exp (X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown), re, im);
}

// The fraction of a square root's magnitude below which a part is rounding residue.
constexpr double kNegligibleFraction = 1e-10;

// The square root as the n-th root with n = 2: the sum of squares raised to 1/(2n) and the
// angle times 1/n. A part that is a negligible fraction of the root's magnitude is rounding
// residue (the real part of sqrt(-4) comes out near 1.2e-16) and is shown as 0; the negated
// test also zeroes both parts when the magnitude is 0 and the ratios are NaN.
ResultWithNumbers SquareRoot(Complex x) {
  const int n = 2;
  const double r = ToDouble(FourthRootOf(SquaredMagnitude(x)));  // the 2n-th root
  const double theta = std::atan2(x.im, x.re);
  Complex root{std::cos(theta * (1.0 / n)) * r, std::sin(theta * (1.0 / n)) * r};
  const double magnitude = Magnitude(root);
  if (!(std::fabs(root.re / magnitude) >= kNegligibleFraction))
    root.re = 0.0;
  if (!(std::fabs(root.im / magnitude) >= kNegligibleFraction))
    root.im = 0.0;
  const ImaginaryPart im = Written(root.im);
  return WithParts(ResultText(" sqrt(X) = %11.5g %c j (%11.5g) \n\n\n mag [ sqrt (X) ] = %11.5g \n",
                              root.re, im.sign, im.shown, magnitude),
                   root.re, im, magnitude);
}

// X * Y by plain products, each difference written as the sum of a negated product.
Complex ProductOf(Complex x, Complex y) {
  return {ToDouble(SumOfProducts({{x.re, y.re}, {-x.im, y.im}})),
          ToDouble(SumOfProducts({{x.re, y.im}, {x.im, y.re}}))};
}

ResultWithNumbers Square(Complex x) {
  return WithMagnitude("X^2", ProductOf(x, x));
}

ResultWithNumbers Sum(Complex x, Complex y) {
  return WithMagnitude("X+Y", {x.re + y.re, x.im + y.im});
}

ResultWithNumbers XTimesY(Complex x, Complex y) {
  return WithMagnitude("X*Y", ProductOf(x, y));
}

// X / Y, the numerators by plain products over |Y|^2. Y = 0 is not caught: both quotients
// become 0/0, NaN, as the IEEE rules give them.
Complex QuotientOf(Complex x, Complex y) {
  const WideNumber d = SquaredMagnitude(y);
  return {DivideWide(SumOfProducts({{x.re, y.re}, {x.im, y.im}}), d),
          DivideWide(SumOfProducts({{x.im, y.re}, {-x.re, y.im}}), d)};
}

ResultWithNumbers Quotient(Complex x, Complex y) {
  return WithMagnitude("X/Y", QuotientOf(x, y));
}

ResultWithNumbers SumWithQuotient(Complex x, Complex y, Complex z) {
  const Complex quotient = QuotientOf(x, y);
  const double re = z.re + quotient.re;
  const ImaginaryPart im = Written(z.im + quotient.im);
  return WithParts(ResultText(" Z + (X/Y) = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown), re,
                   im);
}

}  // namespace

ResultWithNumbers ComputeComplexResultWithNumbers(ComplexOperation operation, Complex x, Complex y,
                                                  Complex z) {
  switch (operation) {
    case ComplexOperation::Reciprocal:
      return Reciprocal(x);
    case ComplexOperation::Magnitude:
      return MagnitudeOfX(x);
    case ComplexOperation::Phase:
      return Phase(x);
    case ComplexOperation::NaturalLog:
      return NaturalLog(x);
    case ComplexOperation::Exponential:
      return Exponential(x);
    case ComplexOperation::SquareRoot:
      return SquareRoot(x);
    case ComplexOperation::Square:
      return Square(x);
    case ComplexOperation::Sum:
      return Sum(x, y);
    case ComplexOperation::Product:
      return XTimesY(x, y);
    case ComplexOperation::Quotient:
      return Quotient(x, y);
    case ComplexOperation::SumWithQuotient:
      break;
  }
  return SumWithQuotient(x, y, z);
}

std::string ComputeComplexResult(ComplexOperation operation, Complex x, Complex y, Complex z) {
  return ComputeComplexResultWithNumbers(operation, x, y, z).text;
}
