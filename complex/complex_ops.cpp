// Evaluation order is part of the contract: every expression below keeps the grouping and the
// order of its terms exactly as written (squares through pow, parts through plain products),
// so that each printed digit comes out the same on every machine.
#include "complex/complex_ops.h"

#include <cmath>

#include "common/result_text.h"

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

// The magnitude of a result, taken from its own parts.
double Magnitude(Complex value) {
  return std::sqrt(std::pow(value.re, 2) + std::pow(value.im, 2));
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

ResultWithNumbers Reciprocal(Complex x, Complex, Complex) {
  const double d = std::pow(x.re, 2) + std::pow(x.im, 2);
  const double re = x.re / d;
  const ImaginaryPart im = Written((-x.im) / d);
  return WithParts(ResultText(" 1/X = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown), re, im);
}

ResultWithNumbers MagnitudeOfX(Complex x, Complex, Complex) {
  const double magnitude = Magnitude(x);
  return {ResultText(" mag(X) = %11.5g \n", magnitude), {{"magnitude", magnitude}}};
}

ResultWithNumbers Phase(Complex x, Complex, Complex) {
  const double rad = std::atan2(x.im, x.re);
  const double deg = (rad * 180) / std::atan2(0, -1);
  return {ResultText(" phase(X) = %11.5g rad\n\n            = %11.5g deg", rad, deg),
          {{"radians", rad}, {"degrees", deg}}};
}

ResultWithNumbers NaturalLog(Complex x, Complex, Complex) {
  const double re = std::log(std::sqrt(std::pow(x.re, 2) + std::pow(x.im, 2)));
  const ImaginaryPart im = Written(std::atan2(x.im, x.re));
  return WithParts(ResultText(" natural log(X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown),
                   re, im);
}

ResultWithNumbers Exponential(Complex x, Complex, Complex) {
  const double re = std::cos(x.im) * std::exp(x.re);
  const ImaginaryPart im = Written(std::sin(x.im) * std::exp(x.re));
  return WithParts(ResultText(" exp (X) = %11.5g %c j (%11.5g)\n", re, im.sign, im.shown), re, im);
}

// The square root as the n-th root with n = 2: the sum of squares raised to 1/(2n) and the
// angle times 1/n. A part that is a negligible fraction of the root's magnitude is rounding
// residue (the real part of sqrt(-4) comes out near 1.2e-16) and is shown as 0; the negated
// test also zeroes both parts when the magnitude is 0 and the ratios are NaN.
ResultWithNumbers SquareRoot(Complex x, Complex, Complex) {
  const int n = 2;
  const double r = std::pow(std::pow(x.re, 2) + std::pow(x.im, 2), 1.0 / (2 * n));
  const double theta = std::atan2(x.im, x.re);
  Complex root{std::cos(theta * (1.0 / n)) * r, std::sin(theta * (1.0 / n)) * r};
  const double magnitude = Magnitude(root);
  if (!(std::fabs(root.re / magnitude) >= 1e-10))
    root.re = 0.0;
  if (!(std::fabs(root.im / magnitude) >= 1e-10))
    root.im = 0.0;
  const ImaginaryPart im = Written(root.im);
  return WithParts(ResultText(" sqrt(X) = %11.5g %c j (%11.5g) \n\n\n mag [ sqrt (X) ] = %11.5g \n",
                              root.re, im.sign, im.shown, magnitude),
                   root.re, im, magnitude);
}

ResultWithNumbers Square(Complex x, Complex, Complex) {
  return WithMagnitude("X^2", {x.re * x.re - x.im * x.im, x.re * x.im + x.im * x.re});
}

ResultWithNumbers Sum(Complex x, Complex y, Complex) {
  return WithMagnitude("X+Y", {x.re + y.re, x.im + y.im});
}

ResultWithNumbers Product(Complex x, Complex y, Complex) {
  return WithMagnitude("X*Y", {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re});
}

// X / Y, the numerators by plain products over |Y|^2. Y = 0 is not caught: both quotients
// become 0/0, NaN, as the IEEE rules give them.
Complex QuotientOf(Complex x, Complex y) {
  const double d = std::pow(y.re, 2) + std::pow(y.im, 2);
  return {(x.re * y.re + x.im * y.im) / d, (x.im * y.re - x.re * y.im) / d};
}

ResultWithNumbers Quotient(Complex x, Complex y, Complex) {
  return WithMagnitude("X/Y", QuotientOf(x, y));
}

ResultWithNumbers SumWithQuotient(Complex x, Complex y, Complex z) {
  const Complex quotient = QuotientOf(x, y);
  const double re = z.re + quotient.re;
  const ImaginaryPart im = Written(z.im + quotient.im);
  return WithParts(ResultText(" Z + (X/Y) = %11.5g %c j (%11.5g) \n", re, im.sign, im.shown), re,
                   im);
}

using ComplexOperation = ResultWithNumbers (*)(Complex x, Complex y, Complex z);

// In the order of the operation list, so that a list position is an index here.
const ComplexOperation kOperations[kComplexOperationCount] = {
    Reciprocal, MagnitudeOfX, Phase,   NaturalLog, Exponential,     SquareRoot,
    Square,     Sum,          Product, Quotient,   SumWithQuotient,
};

}  // namespace

std::string ComputeComplexResult(int operation, Complex x, Complex y, Complex z) {
  return kOperations[operation](x, y, z).text;
}

ResultWithNumbers ComputeComplexResultWithNumbers(int operation, Complex x, Complex y, Complex z) {
  return kOperations[operation](x, y, z);
}
