// Every number a vector result shows, against the true value of the operation on the given
// doubles, computed by MPFR with thousands of bits. Besides random vectors over the whole
// range the operands come nearly parallel, and with dot and cross products that cancel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/random_draw.h"
#include "tests/support/true_real.h"
#include "vector/vector_ops.h"

namespace {

struct Operands {
  bool three_dimensions;
  Vector x, y;
};

// Three components, or two and a third of 0 as the dialog passes them in the plane.
Vector RandomVector(Draw& draw, bool three_dimensions, int lowest, int highest) {
  const auto component = [&] {
    return draw.Chance(1.0 / 16) ? 0.0 : SeventeenDigits(draw, lowest, highest);
  };
  const double i = component(), j = component();
  return {i, j, three_dimensions ? component() : 0.0};
}

double Nudged(Draw& draw, double x) {
  if (draw.Chance(0.5))
    return x * (1 + draw.Sign() * (1 + draw.Below(8)) * 0x1p-52);
  return x * (1 + draw.Sign() * draw.LogUniform(1e-16, 1e-5));
}

Operands WideOperands(Draw& draw) {
  const bool three = draw.Chance(0.5);
  return {three, RandomVector(draw, three, -300, 300), RandomVector(draw, three, -300, 300)};
}

Operands ModerateOperands(Draw& draw) {
  const bool three = draw.Chance(0.5);
  return {three, RandomVector(draw, three, -5, 5), RandomVector(draw, three, -5, 5)};
}

// Y a multiple of X with its components nudged, or X itself.
Operands NearlyParallel(Draw& draw) {
  const bool three = draw.Chance(0.5);
  const int scale = draw.Chance(0.5) ? 2 : 150;
  const Vector x = RandomVector(draw, three, -scale, scale);
  const double factor = draw.Chance(0.3) ? draw.Sign() : SeventeenDigits(draw, -scale, scale);
  Vector y{x.i * factor, x.j * factor, x.k * factor};
  if (draw.Chance(0.8)) {
    y.i = Nudged(draw, y.i);
    if (draw.Chance(0.5))
      y.j = Nudged(draw, y.j);
  }
  return {three, x, y};
}

// Y nearly perpendicular to X: the last component makes the dot product cancel.
Operands CancellingDot(Draw& draw) {
  const bool three = draw.Chance(0.5);
  const int scale = draw.Chance(0.5) ? 2 : 150;
  const Vector x = RandomVector(draw, true, -scale, scale);
  Vector y = RandomVector(draw, true, -scale, scale);
  if (three) {
    y.k = static_cast<double>(
        -(static_cast<long double>(x.i) * y.i + static_cast<long double>(x.j) * y.j) / x.k);
  } else {
    y.j = static_cast<double>(-static_cast<long double>(x.i) * y.i / x.j);
  }
  if (!std::isfinite(y.j) || !std::isfinite(y.k))
    return CancellingDot(draw);  // the quotient left the range of doubles
  if (!three)
    return {false, {x.i, x.j, 0}, {y.i, y.j, 0}};
  return {true, x, y};
}

struct TrueVector {
  TrueReal i, j, k;
};

TrueVector Exact(const Vector& v) {
  return {v.i, v.j, v.k};
}

TrueReal Magnitude(const TrueVector& v) {
  return Sqrt(v.i * v.i + v.j * v.j + v.k * v.k);
}

TrueReal Dot(const TrueVector& x, const TrueVector& y) {
  return x.i * y.i + x.j * y.j + x.k * y.k;
}

TrueVector Cross(const TrueVector& x, const TrueVector& y) {
  return {x.j * y.k - x.k * y.j, x.k * y.i - x.i * y.k, x.i * y.j - x.j * y.i};
}

// The components a layout shows and then the magnitude.
std::vector<TrueReal> Components(bool three_dimensions, const TrueVector& v) {
  if (three_dimensions)
    return {v.i, v.j, v.k, Magnitude(v)};
  return {v.i, v.j, Magnitude(v)};
}

// The true numbers of a result, in the order of the operation's ResultWithNumbers.
std::vector<TrueReal> TrueNumbers(VectorOperation operation, const Operands& in) {
  const TrueVector x = Exact(in.x), y = Exact(in.y);
  switch (operation) {
    case VectorOperation::Magnitude:
      return {Magnitude(x), Magnitude(y)};
    case VectorOperation::DirectionCosines: {
      const TrueReal mx = Magnitude(x), my = Magnitude(y);
      if (in.three_dimensions)
        return {x.i / mx, x.j / mx, x.k / mx, y.i / my, y.j / my, y.k / my};
      return {x.i / mx, x.j / mx, y.i / my, y.j / my};
    }
    case VectorOperation::Sum:
      return Components(in.three_dimensions, {x.i + y.i, x.j + y.j, x.k + y.k});
    case VectorOperation::Difference:
      return Components(in.three_dimensions, {x.i - y.i, x.j - y.j, x.k - y.k});
    case VectorOperation::DotProduct:
      return {Dot(x, y)};
    case VectorOperation::CrossProduct:
      return Components(true, Cross(x, y));
    case VectorOperation::AngleBetween:
      break;
  }
  if (Magnitude(x).IsZero() || Magnitude(y).IsZero())
    return {NAN, NAN};  // no angle
  const TrueReal radians = Atan2(Magnitude(Cross(x, y)), Dot(x, y));
  return {radians, radians * 180 / TrueReal::Pi()};
}

struct Tally {
  int parts = 0, wrong = 0;
};

TEST(VectorAccuracy, EveryShownPartHasTheTrueFiveDigits) {
  Draw draw(17);
  using Class = Operands (*)(Draw&);
  const Class classes[] = {WideOperands, ModerateOperands, NearlyParallel, CancellingDot};
  Tally tally[kVectorOperationCount];
  for (int round = 0; round < 4000; ++round) {
    const Operands in = classes[round % std::size(classes)](draw);
    for (int position = 0; position < kVectorOperationCount; ++position) {
      const auto operation = static_cast<VectorOperation>(position);
      const ResultWithNumbers result =
          ComputeVectorResultWithNumbers(in.three_dimensions ? 1 : 0, operation, in.x, in.y);
      const std::vector<TrueReal> truth = TrueNumbers(operation, in);
      ASSERT_EQ(result.numbers.size(), truth.size()) << result.text;
      for (size_t n = 0; n < truth.size(); ++n) {
        ++tally[position].parts;
        if (PrintsTrueDigits(result.numbers[n].value, truth[n]))
          continue;
        if (++tally[position].wrong > 3)
          continue;  // the tally below counts the rest
        ADD_FAILURE() << kVectorOperationNames[position] << ": " << result.numbers[n].name
                      << " should print as " << truth[n].ToDouble() << "\n"
                      << result.text << std::hexfloat << "\nX = " << in.x.i << ", " << in.x.j
                      << ", " << in.x.k << "; Y = " << in.y.i << ", " << in.y.j << ", " << in.y.k;
      }
    }
  }
  for (int position = 0; position < kVectorOperationCount; ++position) {
    std::printf("%-22s %5d parts, %4d wrong\n", kVectorOperationNames[position],
                tally[position].parts, tally[position].wrong);
  }
}

}  // namespace
