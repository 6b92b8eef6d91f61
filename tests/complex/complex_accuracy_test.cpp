// Every number a complex result shows, against the true value of the operation on the given
// doubles, computed by MPFR with thousands of bits. The operands come in classes built to
// find faults that random numbers seldom draw: magnitudes near 1 for the logarithm, products
// that cancel, and Z cancelling X/Y.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "complex/complex_ops.h"
#include "tests/support/random_draw.h"
#include "tests/support/true_real.h"

namespace {

struct Operands {
  Complex x, y, z;
};

Complex RandomComplex(Draw& draw, int lowest, int highest) {
  const auto part = [&] {
    return draw.Chance(1.0 / 16) ? 0.0 : SeventeenDigits(draw, lowest, highest);
  };
  return {part(), part()};
}

// x moved by a few units in its last place, or by a small relative amount.
double Nudged(Draw& draw, double x) {
  if (draw.Chance(0.5))
    return x * (1 + draw.Sign() * (1 + draw.Below(8)) * 0x1p-52);
  return x * (1 + draw.Sign() * draw.LogUniform(1e-16, 1e-6));
}

Operands WideOperands(Draw& draw) {
  return {RandomComplex(draw, -300, 300), RandomComplex(draw, -300, 300),
          RandomComplex(draw, -300, 300)};
}

Operands ModerateOperands(Draw& draw) {
  return {RandomComplex(draw, -5, 5), RandomComplex(draw, -5, 5), RandomComplex(draw, -5, 5)};
}

// X on or near the unit circle, where log |X| is small.
Operands NearUnitCircle(Draw& draw) {
  const double angle = 2 * M_PI * draw.Unit();
  Complex x{std::cos(angle), std::sin(angle)};
  if (draw.Chance(0.3))
    x = {draw.Sign(), draw.Sign() * draw.LogUniform(1e-300, 1e-4)};
  if (draw.Chance(0.5))
    x.re = Nudged(draw, x.re);
  return {x, RandomComplex(draw, -5, 5), RandomComplex(draw, -5, 5)};
}

// X just off the negative real axis, where the square root's real part is small.
Operands NearNegativeAxis(Draw& draw) {
  const double re = -SeventeenDigits(draw, -100, 100);
  const double im = draw.Sign() * std::fabs(re) * draw.LogUniform(1e-13, 1e-3);
  return {{re, im}, RandomComplex(draw, -5, 5), RandomComplex(draw, -5, 5)};
}

// Operands whose products cancel in one part of X^2, X * Y or X / Y.
Operands CancellingProducts(Draw& draw) {
  const int scale = draw.Below(2) ? 0 : 150;
  const double xr = SeventeenDigits(draw, -scale, scale), xi = SeventeenDigits(draw, -scale, scale);
  const double yr = SeventeenDigits(draw, -scale, scale);
  double yi = 0;
  switch (draw.Below(5)) {
    case 0:  // xr yr - xi yi
      yi = static_cast<double>(static_cast<long double>(xr) * yr / xi);
      break;
    case 1:  // xr yi + xi yr
      yi = static_cast<double>(-static_cast<long double>(xi) * yr / xr);
      break;
    case 2:  // xr yr + xi yi
      yi = static_cast<double>(-static_cast<long double>(xr) * yr / xi);
      break;
    case 3:  // xi yr - xr yi
      yi = static_cast<double>(static_cast<long double>(xi) * yr / xr);
      break;
    default:  // xr^2 - xi^2
      return {{xr, Nudged(draw, xr)}, {yr, xr}, {}};
  }
  return {{xr, xi}, {yr, draw.Chance(0.5) ? Nudged(draw, yi) : yi}, {}};
}

// Z close to -(X / Y), so that the sum keeps only what the quotient's rounding would lose.
Operands ZCancelsQuotient(Draw& draw) {
  const Complex x = RandomComplex(draw, -150, 150);
  Complex y = RandomComplex(draw, -150, 150);
  if (y.re == 0 && y.im == 0)
    y.re = 1;
  const TrueReal d = TrueReal(y.re) * y.re + TrueReal(y.im) * y.im;
  const double qr = ((TrueReal(x.re) * y.re + TrueReal(x.im) * y.im) / d).ToDouble();
  const double qi = ((TrueReal(x.im) * y.re - TrueReal(x.re) * y.im) / d).ToDouble();
  Complex z{-qr, -qi};
  if (draw.Chance(0.5))
    z = {Nudged(draw, z.re), Nudged(draw, z.im)};
  return {x, y, z};
}

struct TrueComplex {
  TrueReal re, im;
};

TrueReal SquaredMagnitude(const TrueComplex& v) {
  return v.re * v.re + v.im * v.im;
}

TrueComplex Quotient(Complex x, Complex y) {
  const TrueReal d = TrueReal(y.re) * y.re + TrueReal(y.im) * y.im;
  return {(TrueReal(x.re) * y.re + TrueReal(x.im) * y.im) / d,
          (TrueReal(x.im) * y.re - TrueReal(x.re) * y.im) / d};
}

// factor * exp(exponent), which is exactly 0 when the factor is, however far exp(exponent)
// lies beyond MPFR's own range.
TrueReal Exponential(const TrueReal& factor, const TrueReal& exponent) {
  return factor.IsZero() ? factor : factor * Exp(exponent);
}

std::vector<TrueReal> WithMagnitude(const TrueComplex& v) {
  return {v.re, v.im, Sqrt(SquaredMagnitude(v))};
}

// The true numbers of a result, in the order and with the signs that the operation's
// ResultWithNumbers gives them.
std::vector<TrueReal> TrueNumbers(ComplexOperation operation, const Operands& in) {
  const TrueComplex x{in.x.re, in.x.im};
  const TrueReal d = SquaredMagnitude(x);
  switch (operation) {
    case ComplexOperation::Reciprocal:
      return {x.re / d, -x.im / d};
    case ComplexOperation::Magnitude:
      return {Sqrt(d)};
    case ComplexOperation::Phase: {
      const TrueReal rad = Atan2(x.im, x.re);
      return {rad, rad * 180 / TrueReal::Pi()};
    }
    case ComplexOperation::NaturalLog:
      return {Log(d) * 0.5, Atan2(x.im, x.re)};
    case ComplexOperation::Exponential:
      return {Exponential(Cos(x.im), x.re), Exponential(Sin(x.im), x.re)};
    case ComplexOperation::SquareRoot: {
      // The principal root, whose imaginary part takes the sign of X's; a part below 1e-10
      // of the root's magnitude is shown as 0.
      const TrueReal magnitude = Sqrt(d);
      const TrueReal root_magnitude = Sqrt(magnitude);
      TrueReal re = Sqrt((magnitude + x.re) * 0.5);
      TrueReal im = Sqrt((magnitude - x.re) * 0.5);
      if (std::signbit(in.x.im))
        im = -im;
      if (Abs(re) < root_magnitude * 1e-10)
        re = 0.0;
      if (Abs(im) < root_magnitude * 1e-10)
        im = 0.0;
      return {re, im, root_magnitude};
    }
    case ComplexOperation::Square:
      return WithMagnitude({x.re * x.re - x.im * x.im, x.re * x.im * 2});
    case ComplexOperation::Sum:
      return WithMagnitude({x.re + in.y.re, x.im + in.y.im});
    case ComplexOperation::Product:
      return WithMagnitude({x.re * in.y.re - x.im * in.y.im, x.re * in.y.im + x.im * in.y.re});
    case ComplexOperation::Quotient:
      return WithMagnitude(Quotient(in.x, in.y));
    case ComplexOperation::SumWithQuotient:
      break;
  }
  const TrueComplex q = Quotient(in.x, in.y);
  return {q.re + in.z.re, q.im + in.z.im};
}

struct Tally {
  int parts = 0, wrong = 0;
};

TEST(ComplexAccuracy, EveryShownPartHasTheTrueFiveDigits) {
  Draw draw(17);
  using Class = Operands (*)(Draw&);
  const Class classes[] = {WideOperands,     ModerateOperands,   NearUnitCircle,
                           NearNegativeAxis, CancellingProducts, ZCancelsQuotient};
  Tally tally[kComplexOperationCount];
  for (int round = 0; round < 3000; ++round) {
    const Operands in = classes[round % std::size(classes)](draw);
    for (int position = 0; position < kComplexOperationCount; ++position) {
      const auto operation = static_cast<ComplexOperation>(position);
      const ResultWithNumbers result = ComputeComplexResultWithNumbers(operation, in.x, in.y, in.z);
      const std::vector<TrueReal> truth = TrueNumbers(operation, in);
      ASSERT_EQ(result.numbers.size(), truth.size()) << result.text;
      for (size_t i = 0; i < truth.size(); ++i) {
        ++tally[position].parts;
        if (PrintsTrueDigits(result.numbers[i].value, truth[i]))
          continue;
        if (++tally[position].wrong > 3)
          continue;  // the tally below counts the rest
        ADD_FAILURE() << kComplexOperationNames[position] << ": " << result.numbers[i].name
                      << " should print as " << truth[i].ToDouble() << "\n"
                      << result.text << std::hexfloat << "X = " << in.x.re << ", " << in.x.im
                      << "; Y = " << in.y.re << ", " << in.y.im << "; Z = " << in.z.re << ", "
                      << in.z.im;
      }
    }
  }
  for (int position = 0; position < kComplexOperationCount; ++position) {
    std::printf("%-16s %5d parts, %4d wrong\n", kComplexOperationNames[position],
                tally[position].parts, tally[position].wrong);
  }
}

}  // namespace
